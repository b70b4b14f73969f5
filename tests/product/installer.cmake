# The substitute product's installer, run as a process against a DLL that registers itself as the
# extension does.
add_library(installer_test_extension SHARED ${CMAKE_CURRENT_LIST_DIR}/InstallerTestExtension.cpp
            ${CMAKE_CURRENT_LIST_DIR}/InstallerTestExtension.def)
set_target_properties(installer_test_extension PROPERTIES OUTPUT_NAME InstallerTestExtension PREFIX "")
target_link_libraries(installer_test_extension PRIVATE advapi32)

brivane_test(product_installer_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/InstallerTest.cpp
             ${CMAKE_SOURCE_DIR}/tests/tools/ProcessRun.cpp LIBS installer_parts SHARES product_settings handler_registration)
target_include_directories(product_installer_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/tools)
add_dependencies(product_installer_test brivane-install installer_test_extension)
