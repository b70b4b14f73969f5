brivane_test(support_handles_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/HandlesTest.cpp LIBS support advapi32)
