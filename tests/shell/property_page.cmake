# The property page through the built DLL, shown in a real property sheet, with the real application
# receiving what its button hands off, or the scripted core library answering its labels.
brivane_test(shell_property_page_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/PropertyPageTest.cpp
             LIBS protocol support comctl32 shell32 ole32 uuid DISPLAY SHARES product_settings)
brivane_use_core_doubles(shell_property_page_test)
add_dependencies(shell_property_page_test BrivaneShell brivane_core brivane_application)

# The page's resources as compiled into the DLL.
brivane_test(shell_page_resources_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/PageResourcesTest.cpp LIBS support user32)
target_include_directories(shell_page_resources_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_page_resources_test BrivaneShell)
