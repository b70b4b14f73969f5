brivane_test(support_handles_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/HandlesTest.cpp LIBS support advapi32 uuid)
target_include_directories(support_handles_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
