# The package, installed, used, repaired, upgraded and removed by Wine's msiexec in a fresh Wine prefix
# of its own (created by the first of these tests), so these tests run beside the others. Label: package.
set(package_tests_dir ${CMAKE_CURRENT_LIST_DIR})
set(package_run_dir ${CMAKE_CURRENT_BINARY_DIR}/package)

# An older package of the same product, for the upgrade. Its modules are built once more with the older
# version in their version resource, so that the package and the files it installs agree on the version
# as a real older release does, and a test comparing them sees any mismatch.
set(older_package_version ${BRIVANE_OLDER_PACKAGE_VERSION})
set(older_package ${package_run_dir}/Brivane-${older_package_version}-x64.msi)
set(older_modules ${CMAKE_CURRENT_BINARY_DIR}/modules-${older_package_version})
set(older_targets)
foreach(module BrivaneShell brivane-check brivane_core brivane_application)
  brivane_module_at_version(${module} ${older_package_version} ${older_modules})
  list(APPEND older_targets ${module}-${older_package_version})
endforeach()
add_custom_command(OUTPUT ${older_modules}/palisorv3.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${BRIVANE_MODULE_DIR}/palisorv3.txt ${older_modules}/palisorv3.txt
  DEPENDS ${BRIVANE_MODULE_DIR}/palisorv3.txt brivane_core_texts)
brivane_package(${older_package} ${older_package_version} ${older_modules} ${older_modules}
                ${BRIVANE_X86_OLDER_MODULE_DIR} ${BRIVANE_X86_OLDER_MODULE_DIR} ${older_targets}
                ${older_modules}/palisorv3.txt)
add_custom_target(older_package ALL DEPENDS ${older_package})

brivane_test(package_test SOURCES ${package_tests_dir}/InstalledPackageTest.cpp
             ${package_tests_dir}/PackageLifecycleTest.cpp ${package_tests_dir}/PackageSupport.cpp
             ${CMAKE_SOURCE_DIR}/tests/tools/ProcessRun.cpp
             LIBS support shell32 ole32 advapi32 version msi DISPLAY)
target_include_directories(package_test PRIVATE ${package_tests_dir} ${CMAKE_SOURCE_DIR}/tests
                           ${CMAKE_SOURCE_DIR}/tests/tools)
brivane_windows_path(package_path ${BRIVANE_PACKAGE})
brivane_windows_path(package_files_path ${BRIVANE_PACKAGE_FILES})
brivane_windows_path(older_package_path ${older_package})
brivane_windows_path(product_icon_path ${CMAKE_BINARY_DIR}/src/module/drawn/page-file.ico)
target_compile_definitions(package_test PRIVATE BRIVANE_PACKAGE=L"${package_path}"
                           BRIVANE_OLDER_PACKAGE=L"${older_package_path}"
                           BRIVANE_OLDER_VERSION=L"${older_package_version}" BRIVANE_VERSION=L"${PROJECT_VERSION}"
                           BRIVANE_PRODUCT_ICON=L"${product_icon_path}" BRIVANE_PACKAGE_FILES=L"${package_files_path}")
add_dependencies(package_test brivane_msi older_package shellhost)
brivane_uses_x86(package_test)

set(package_prefix_script ${package_tests_dir}/prefix.sh)
add_test(NAME package_prefix_setup COMMAND ${package_prefix_script} start ${package_run_dir})
add_test(NAME package_leftovers_test COMMAND ${package_prefix_script} compare ${package_run_dir})
add_test(NAME package_prefix_cleanup COMMAND ${package_prefix_script} stop ${package_run_dir})
add_test(NAME package_tables_test COMMAND ${package_tests_dir}/tables.sh ${BRIVANE_PACKAGE} ${PROJECT_VERSION})
add_test(NAME package_signatures_test COMMAND ${package_tests_dir}/signatures.sh ${BRIVANE_PACKAGE} ${BRIVANE_TEST_ROOT})
set_tests_properties(package_prefix_setup PROPERTIES FIXTURES_SETUP package_prefix LABELS package TIMEOUT 300)
# Both install the product in the prefix: one at a time.
set_tests_properties(package_test PROPERTIES FIXTURES_REQUIRED package_prefix LABELS "package;display" TIMEOUT 600
                     ENVIRONMENT WINEPREFIX=${package_run_dir}/wineprefix RESOURCE_LOCK package_product)
set_tests_properties(package_signatures_test PROPERTIES FIXTURES_REQUIRED package_prefix LABELS package TIMEOUT 300
                     ENVIRONMENT WINEPREFIX=${package_run_dir}/wineprefix RESOURCE_LOCK package_product)
set_tests_properties(package_leftovers_test PROPERTIES FIXTURES_REQUIRED package_prefix
                     DEPENDS "package_test;package_signatures_test" LABELS package)
set_tests_properties(package_prefix_cleanup PROPERTIES FIXTURES_CLEANUP package_prefix LABELS package)
set_tests_properties(package_tables_test PROPERTIES LABELS package)
