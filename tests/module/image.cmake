brivane_test(module_image_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImageTest.cpp LIBS support gdi32)
target_include_directories(module_image_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(module_image_test BrivaneShell)
