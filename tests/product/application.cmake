# The substitute application: its reader of the text form, its command line and its journal, then the
# real program started as a process.
brivane_test(product_application_reader_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ApplicationReaderTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ApplicationJournalTest.cpp
  LIBS application_recorder)
target_include_directories(product_application_reader_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)

brivane_test(product_application_process_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ApplicationProcessTest.cpp
  LIBS support protocol SHARES product_settings)
target_include_directories(product_application_process_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(product_application_process_test brivane_application)
