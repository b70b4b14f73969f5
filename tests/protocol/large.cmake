brivane_test(protocol_large_tree_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/LargeTreeTest.cpp LIBS protocol)
