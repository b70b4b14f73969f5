brivane_test(menu_selection_paths_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/PathHelpersTest.cpp LIBS menu)
