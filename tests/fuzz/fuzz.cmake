# The fuzz targets (CMakeLists.txt beside this file) are a project of their own, built natively with
# Debian's clang in fuzz/ beside the Windows build. Each runs a fixed number of inputs after its seed
# corpus as a test; `make fuzz` runs them longer (scripts/fuzz.sh).
include(ExternalProject)
ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=clang++-14
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

foreach(target drop_names requests binary_form)
  add_test(NAME fuzz_smoke_${target} COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh smoke ${CMAKE_BINARY_DIR}/fuzz ${target})
  set_tests_properties(fuzz_smoke_${target} PROPERTIES TIMEOUT 120 LABELS fuzz)
endforeach()
