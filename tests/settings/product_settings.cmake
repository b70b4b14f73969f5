brivane_test(settings_product_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProductSettingsTest.cpp LIBS settings SHARES product_settings shell_folders)
