brivane_test(protocol_text_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProtocolTextTest.cpp ${CMAKE_CURRENT_LIST_DIR}/EscapeTextTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EncodingTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RenderUtf8Test.cpp
  LIBS protocol)
