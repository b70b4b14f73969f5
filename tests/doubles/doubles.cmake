# Stand-ins for the core library, each built as Brivane_Core.dll in a folder of its own, so that a test
# selects one by pointing "ModuleFolder" at its folder: the scripted library (answers set up in the
# registry, see ScriptedCoreScript.h) and the same library without its entry point.
set(BRIVANE_SCRIPTED_CORE_DIR ${CMAKE_BINARY_DIR}/tests/doubles/scripted)
set(BRIVANE_CORE_WITHOUT_ENTRY_DIR ${CMAKE_BINARY_DIR}/tests/doubles/without-entry)

function(brivane_core_double target folder)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME Brivane_Core PREFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${folder} ARCHIVE_OUTPUT_DIRECTORY ${folder})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE protocol advapi32)
  # Exports come from the .def file alone, none from the linker's automatic export of every symbol.
  target_link_options(${target} PRIVATE -Wl,--exclude-all-symbols)
endfunction()

set(doubles_dir ${CMAKE_CURRENT_LIST_DIR})
brivane_core_double(scripted_core ${BRIVANE_SCRIPTED_CORE_DIR}
                    ${doubles_dir}/ScriptedCoreLoads.cpp ${doubles_dir}/ScriptedCoreEntry.cpp ${doubles_dir}/ScriptedCore.def)
brivane_core_double(scripted_core_without_entry ${BRIVANE_CORE_WITHOUT_ENTRY_DIR}
                    ${doubles_dir}/ScriptedCoreLoads.cpp ${doubles_dir}/ScriptedCoreWithoutEntry.def)

# A core library whose own import, corehelper.dll, lies beside it: where that import is found from.
set(BRIVANE_HELPER_CORE_DIR ${CMAKE_BINARY_DIR}/tests/doubles/with-helper)
add_library(core_helper SHARED ${doubles_dir}/CoreHelper.cpp)
set_target_properties(core_helper PROPERTIES OUTPUT_NAME corehelper PREFIX "" RUNTIME_OUTPUT_DIRECTORY
                      ${BRIVANE_HELPER_CORE_DIR} ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/with-helper)
add_library(helper_importing_core SHARED ${doubles_dir}/HelperImportingCore.cpp ${doubles_dir}/ScriptedCore.def)
set_target_properties(helper_importing_core PROPERTIES OUTPUT_NAME Brivane_Core PREFIX ""
                      RUNTIME_OUTPUT_DIRECTORY ${BRIVANE_HELPER_CORE_DIR} ARCHIVE_OUTPUT_DIRECTORY
                      ${CMAKE_CURRENT_BINARY_DIR}/with-helper-core)
target_link_libraries(helper_importing_core PRIVATE core_helper)

add_executable(idle_application ${doubles_dir}/IdleApplication.cpp)
set_target_properties(idle_application PROPERTIES OUTPUT_NAME Brivane_Application_Palisor_Against_Lib
                      RUNTIME_OUTPUT_DIRECTORY ${BRIVANE_SCRIPTED_CORE_DIR})

# brivane_use_core_doubles(TEST): builds the doubles before TEST and tells it their folders as
# BRIVANE_SCRIPTED_CORE_DIR, BRIVANE_CORE_WITHOUT_ENTRY_DIR and BRIVANE_HELPER_CORE_DIR (wide Windows paths).
function(brivane_use_core_doubles test)
  brivane_windows_path(scripted_dir ${BRIVANE_SCRIPTED_CORE_DIR})
  brivane_windows_path(without_entry_dir ${BRIVANE_CORE_WITHOUT_ENTRY_DIR})
  brivane_windows_path(helper_core_dir ${BRIVANE_HELPER_CORE_DIR})
  target_compile_definitions(${test} PRIVATE BRIVANE_SCRIPTED_CORE_DIR=L"${scripted_dir}"
                                             BRIVANE_CORE_WITHOUT_ENTRY_DIR=L"${without_entry_dir}"
                                             BRIVANE_HELPER_CORE_DIR=L"${helper_core_dir}")
  target_include_directories(${test} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_dependencies(${test} scripted_core scripted_core_without_entry idle_application helper_importing_core)
endfunction()
