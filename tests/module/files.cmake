brivane_test(module_files_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ModuleFilesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PeFile.cpp
             LIBS support)
target_include_directories(module_files_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(module_files_test BrivaneShell brivane_core shellhost)
brivane_uses_x86(module_files_test)
