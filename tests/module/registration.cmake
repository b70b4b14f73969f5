brivane_test(module_registration_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistrationTest.cpp
             LIBS support advapi32 ole32 uuid SHARES handler_registration)
target_include_directories(module_registration_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(module_registration_test BrivaneShell)
