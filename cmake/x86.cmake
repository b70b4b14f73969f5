# The 32-bit extension for 32-bit programs on 64-bit Windows: the same sources built for i686 in a tree of
# their own, build/x86, configured and built from this one. Only what the 32-bit side needs is built there:
# the extension, the substitute core library with its texts, and the Explorer stand-in that drives them.
# The package and the tests of this tree use its outputs.
include(ExternalProject)

set(BRIVANE_X86_DIR ${CMAKE_BINARY_DIR}/x86)
set(BRIVANE_X86_BIN_DIR ${BRIVANE_X86_DIR}/bin)
set(BRIVANE_X86_MODULE_DIR ${BRIVANE_X86_DIR}/product-module)
set(x86_targets BrivaneShell brivane_core shellhost)

# $(MAKE) lets the 32-bit build share this build's job slots.
ExternalProject_Add(brivane_x86
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${BRIVANE_X86_DIR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  BUILD_COMMAND $(MAKE) ${x86_targets}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${BRIVANE_X86_BIN_DIR}/BrivaneShell.dll ${BRIVANE_X86_BIN_DIR}/shellhost.exe
                   ${BRIVANE_X86_MODULE_DIR}/Brivane_Core.dll ${BRIVANE_X86_MODULE_DIR}/palisorv3.txt)

# A test that uses the 32-bit build's files: it knows their folders as wide Windows paths,
# BRIVANE_X86_BIN_DIR and BRIVANE_X86_MODULE_DIR, and runs after the 32-bit build.
function(brivane_uses_x86 target)
  brivane_windows_path(x86_bin_dir ${BRIVANE_X86_BIN_DIR})
  brivane_windows_path(x86_module_dir ${BRIVANE_X86_MODULE_DIR})
  target_compile_definitions(${target} PRIVATE BRIVANE_X86_BIN_DIR=L"${x86_bin_dir}"
                                               BRIVANE_X86_MODULE_DIR=L"${x86_module_dir}")
  add_dependencies(${target} brivane_x86)
endfunction()
