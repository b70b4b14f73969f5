# The hand-off: file names, new files only, the current directory, and hand-offs read back from disk.
brivane_test(operations_handoff_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HandOffFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/HandOffTest.cpp
  LIBS operations SHARES product_settings shell_folders)
target_include_directories(operations_handoff_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
brivane_use_core_doubles(operations_handoff_test)
