brivane_test(protocol_corebinding_activation_test
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/ActivationContextTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ActivationTest.rc
             LIBS corebinding)
target_include_directories(protocol_corebinding_activation_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
