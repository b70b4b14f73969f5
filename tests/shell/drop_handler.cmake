# The drop handler through the built DLL, with the real application receiving what is dropped.
brivane_test(shell_drop_handler_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/DropHandlerTest.cpp
             LIBS protocol support shell32 ole32 uuid SHARES product_settings)
target_include_directories(shell_drop_handler_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_drop_handler_test BrivaneShell brivane_core brivane_application)
