brivane_test(settings_registry_helpers_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryHelpersTest.cpp LIBS settings)
