brivane_test(shell_extension_object_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ExtensionObjectTest.cpp
             LIBS support ole32 uuid)
target_include_directories(shell_extension_object_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_extension_object_test BrivaneShell)
