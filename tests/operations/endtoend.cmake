# Every operation from real files to the real application, read back through its journal.
brivane_test(operations_endtoend_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/OperationsEndToEndTest.cpp LIBS operations SHARES product_settings)
target_include_directories(operations_endtoend_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(operations_endtoend_test brivane_application)
