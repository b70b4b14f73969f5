# The Explorer stand-in's parts, each on its own, and the program run as a process.
set(shellhost_tests_dir ${CMAKE_CURRENT_LIST_DIR})
brivane_test(tools_shellhost_dialogs_test SOURCES ${shellhost_tests_dir}/DialogWatcherTest.cpp
             LIBS shellhost_parts comdlg32 windowscodecs uuid DISPLAY)
target_include_directories(tools_shellhost_dialogs_test PRIVATE ${shellhost_tests_dir})

# A shell extension that records how it is called, registered by the tests in place of a product.
add_library(shellhost_recorder SHARED ${shellhost_tests_dir}/RecordingExtension.cpp
            ${shellhost_tests_dir}/RecordingExtensionServer.cpp ${shellhost_tests_dir}/RecordingExtension.def
            ${shellhost_tests_dir}/RecordingExtension.rc)
set_target_properties(shellhost_recorder PROPERTIES OUTPUT_NAME ShellhostRecorder PREFIX "")
target_link_libraries(shellhost_recorder PRIVATE support shell32 comdlg32 comctl32 ole32 uuid gdi32 user32)

brivane_test(tools_shellhost_process_test SOURCES ${shellhost_tests_dir}/ShellhostProcessTest.cpp
             ${shellhost_tests_dir}/ProcessRun.cpp LIBS support ole32 windowscodecs advapi32 DISPLAY SHARES handler_registration)
target_include_directories(tools_shellhost_process_test PRIVATE ${shellhost_tests_dir})
add_dependencies(tools_shellhost_process_test shellhost shellhost_recorder)

brivane_test(tools_shellhost_parts_test SOURCES ${shellhost_tests_dir}/ShellhostPartsTest.cpp LIBS shellhost_parts)
target_include_directories(tools_shellhost_parts_test PRIVATE ${shellhost_tests_dir})
