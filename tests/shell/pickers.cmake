# The destination dialogs, answered by a watcher thread as a person would: through the built DLL's
# menu commands (hand-offs read back from the application's journal), and the pickers on their own.
brivane_test(shell_picker_dialog_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/PickerDialogTest.cpp
             LIBS operations shellhost_parts support shell32 ole32 uuid DISPLAY SHARES product_settings recent_list)
brivane_use_core_doubles(shell_picker_dialog_test)
add_dependencies(shell_picker_dialog_test BrivaneShell brivane_core brivane_application)

brivane_test(shell_pick_destination_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/PickDestinationTest.cpp
             LIBS operations shellhost_parts support shell32 ole32 uuid DISPLAY SHARES product_settings)
brivane_use_core_doubles(shell_pick_destination_test)
