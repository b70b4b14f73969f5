# The parts of the property page and of the drop handler, linked from the shell library; the scripted
# core library answers the labels.
brivane_test(shell_parts_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ShellPartsTest.cpp LIBS shell SHARES product_settings)
brivane_use_core_doubles(shell_parts_test)
