brivane_test(protocol_tree_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProtocolTreeTest.cpp ${CMAKE_CURRENT_LIST_DIR}/FindPathTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/NodeValuesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ByteStreamTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ChildListTest.cpp
  LIBS protocol)
