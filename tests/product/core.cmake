brivane_test(product_core_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/CoreProductTest.cpp LIBS menu SHARES product_settings)
target_include_directories(product_core_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(product_core_test brivane_core)
