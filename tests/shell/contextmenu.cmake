# The context menu handler through the built DLL: the command dispatcher against the real product
# (core library and application), and the command strings.
brivane_test(shell_dispatch_command_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/DispatchCommandTest.cpp
             LIBS operations support shell32 ole32 uuid SHARES product_settings recent_list)
target_include_directories(shell_dispatch_command_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_dispatch_command_test BrivaneShell brivane_core brivane_application)

brivane_test(shell_command_string_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandStringTest.cpp
             LIBS support ole32 uuid)
target_include_directories(shell_command_string_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_command_string_test BrivaneShell)

# Thousands of right-clicks in one host process with the real core library, as Explorer lives for weeks.
brivane_test(shell_repeated_rightclick_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/RepeatedRightClickTest.cpp
             LIBS support shell32 ole32 uuid psapi SHARES product_settings)
target_include_directories(shell_repeated_rightclick_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(shell_repeated_rightclick_test BrivaneShell brivane_core)
