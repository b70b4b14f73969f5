brivane_test(protocol_binary_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/BinaryFormTest.cpp LIBS protocol psapi)
