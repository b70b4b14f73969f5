# brivane-check run as a process against the product installed into a Wine prefix of the test's own,
# so that breaking the installation link by link cannot disturb tests that run beside it.
brivane_test(tools_check_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/CheckProcessTest.cpp
             ${CMAKE_CURRENT_LIST_DIR}/ProcessRun.cpp LIBS support shell32 advapi32 SHARES check-prefix)
target_include_directories(tools_check_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
brivane_use_core_doubles(tools_check_test)
add_dependencies(tools_check_test brivane-check brivane-install BrivaneShell brivane_core brivane_application)
set_tests_properties(tools_check_test PROPERTIES ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/tests/check-prefix")
# The package's signed copies of the modules, for the signature line.
brivane_windows_path(signed_dir ${BRIVANE_PACKAGE_FILES})
target_compile_definitions(tools_check_test PRIVATE BRIVANE_SIGNED_DIR=L"${signed_dir}")
add_dependencies(tools_check_test brivane_msi)

# Commands whose hand-off fails or needs its folder made, through the installed product, in the same prefix.
brivane_test(tools_handoff_failure_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/HandOffFailureTest.cpp
             ${CMAKE_CURRENT_LIST_DIR}/ProcessRun.cpp LIBS support shell32 advapi32 SHARES check-prefix DISPLAY)
target_include_directories(tools_handoff_failure_test PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(tools_handoff_failure_test shellhost brivane-install BrivaneShell brivane_core brivane_application)
set_tests_properties(tools_handoff_failure_test PROPERTIES ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/tests/check-prefix")
brivane_uses_x86(tools_handoff_failure_test)

brivane_test(tools_check_parts_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/CheckReportTest.cpp
             ${CMAKE_CURRENT_LIST_DIR}/SignatureTest.cpp LIBS check_parts)
target_include_directories(tools_check_parts_test PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(tools_check_parts_test PRIVATE BRIVANE_SIGNED_DIR=L"${signed_dir}")
add_dependencies(tools_check_parts_test brivane_msi)
brivane_uses_x86(tools_check_test)
