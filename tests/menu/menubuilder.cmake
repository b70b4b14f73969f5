# The menu builder against the substitute core library and against the scripted one.
brivane_test(menu_builder_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuBuilderTest.cpp LIBS menu SHARES product_settings recent_list)
target_include_directories(menu_builder_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(menu_builder_test brivane_core)
brivane_test(menu_builder_scripted_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuBuilderScriptedTest.cpp LIBS menu SHARES product_settings recent_list)
brivane_use_core_doubles(menu_builder_scripted_test)
