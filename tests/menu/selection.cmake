brivane_test(menu_selection_test
             SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionFilterTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SelectionClassifyTest.cpp
             LIBS menu SHARES shell_folders)
