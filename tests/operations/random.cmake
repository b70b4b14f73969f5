brivane_test(operations_random_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/RandomBytesTest.cpp LIBS operations)
