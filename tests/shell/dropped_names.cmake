brivane_test(shell_dropped_names_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/DroppedNamesTest.cpp LIBS shell)
target_include_directories(shell_dropped_names_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
