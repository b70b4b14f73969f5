brivane_test(shell_selection_capture_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionCaptureTest.cpp
             LIBS support shell32 ole32 uuid)
target_include_directories(shell_selection_capture_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_selection_capture_test BrivaneShell)
