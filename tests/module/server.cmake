brivane_test(module_server_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ServerTest.cpp LIBS support ole32 uuid)
target_include_directories(module_server_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(module_server_test BrivaneShell)
