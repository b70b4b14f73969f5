brivane_test(menu_labels_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/LabelsTest.cpp LIBS menu SHARES product_settings)
brivane_use_core_doubles(menu_labels_test)
