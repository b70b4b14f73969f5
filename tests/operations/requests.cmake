# The request documents of the operations, rendered as the hand-off writes them.
brivane_test(operations_requests_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SecureRequestTest.cpp ${CMAKE_CURRENT_LIST_DIR}/UnsecureRequestTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ConvertRequestTest.cpp
  LIBS operations)
target_include_directories(operations_requests_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
