brivane_test(menu_recent_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/RecentListTest.cpp LIBS menu SHARES recent_list)
