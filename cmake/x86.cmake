# The 32-bit extension for 32-bit programs on 64-bit Windows: the same sources built for i686 in a tree of
# their own, build/x86, configured and built from this one. Only what the 32-bit side needs is built there:
# the extension, the substitute core library with its texts, and the Explorer stand-in that drives them.
# The package and the tests of this tree use its outputs.

# The package tests' older package holds 32-bit modules of its own version too, built in that tree.
set(BRIVANE_OLDER_PACKAGE_VERSION 0.0.1)
set(x86_older_modules modules-${BRIVANE_OLDER_PACKAGE_VERSION})

# In the 32-bit tree: the older package's 32-bit extension and core library.
function(brivane_x86_older_modules)
  foreach(module BrivaneShell brivane_core)
    brivane_module_at_version(${module} ${BRIVANE_OLDER_PACKAGE_VERSION} ${CMAKE_BINARY_DIR}/${x86_older_modules})
  endforeach()
endfunction()

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  return()
endif()

include(ExternalProject)

set(BRIVANE_X86_DIR ${CMAKE_BINARY_DIR}/x86)
set(BRIVANE_X86_BIN_DIR ${BRIVANE_X86_DIR}/bin)
set(BRIVANE_X86_MODULE_DIR ${BRIVANE_X86_DIR}/product-module)
set(BRIVANE_X86_OLDER_MODULE_DIR ${BRIVANE_X86_DIR}/${x86_older_modules})
set(x86_targets BrivaneShell brivane_core shellhost BrivaneShell-${BRIVANE_OLDER_PACKAGE_VERSION}
                brivane_core-${BRIVANE_OLDER_PACKAGE_VERSION})

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
                   ${BRIVANE_X86_MODULE_DIR}/Brivane_Core.dll ${BRIVANE_X86_MODULE_DIR}/palisorv3.txt
                   ${BRIVANE_X86_OLDER_MODULE_DIR}/BrivaneShell.dll ${BRIVANE_X86_OLDER_MODULE_DIR}/Brivane_Core.dll)

# A test that uses the 32-bit build's files: it knows their folders as wide Windows paths,
# BRIVANE_X86_BIN_DIR and BRIVANE_X86_MODULE_DIR, and runs after the 32-bit build.
function(brivane_uses_x86 target)
  brivane_windows_path(x86_bin_dir ${BRIVANE_X86_BIN_DIR})
  brivane_windows_path(x86_module_dir ${BRIVANE_X86_MODULE_DIR})
  target_compile_definitions(${target} PRIVATE BRIVANE_X86_BIN_DIR=L"${x86_bin_dir}"
                                               BRIVANE_X86_MODULE_DIR=L"${x86_module_dir}")
  add_dependencies(${target} brivane_x86)
endfunction()
