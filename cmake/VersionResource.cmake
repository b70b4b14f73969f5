# The version resource every shipped module carries (src/resources/Version.rc.in), and the same module
# built again with another version, for the package tests.

# brivane_version_resource(TARGET FILE_NAME DESCRIPTION [VERSION x.y.z]): adds to TARGET the version
# resource of FILE_NAME, for VERSION (the project's by default).
function(brivane_version_resource target file_name description)
  cmake_parse_arguments(arg "" "VERSION" "" ${ARGN})
  set(version ${PROJECT_VERSION})
  if(arg_VERSION)
    set(version ${arg_VERSION})
  endif()
  string(REPLACE "." ";" parts ${version})
  list(GET parts 0 major)
  list(GET parts 1 minor)
  list(GET parts 2 patch)
  get_filename_component(internal_name ${file_name} NAME_WE)
  if(file_name MATCHES "\\.dll$")
    set(file_type VFT_DLL)
  else()
    set(file_type VFT_APP)
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/src/resources/Version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_target_properties(${target} PROPERTIES BRIVANE_VERSION_FILE_NAME ${file_name}
                        BRIVANE_VERSION_DESCRIPTION ${description} BRIVANE_VERSION_RESOURCE ${rc})
endfunction()

# brivane_module_at_version(ORIGINAL VERSION FOLDER): a target ORIGINAL-VERSION that links the module
# ORIGINAL once more, from the same sources, options and libraries, into FOLDER, its version resource
# saying VERSION. A real build rather than a patched copy, so the module is exactly what a release of
# that version would ship.
function(brivane_module_at_version original version folder)
  set(clone ${original}-${version})
  get_target_property(type ${original} TYPE)
  get_target_property(source_dir ${original} SOURCE_DIR)
  get_target_property(sources ${original} SOURCES)
  get_target_property(own_resource ${original} BRIVANE_VERSION_RESOURCE)
  set(clone_sources)
  foreach(source ${sources})
    if(NOT IS_ABSOLUTE ${source})
      set(source ${source_dir}/${source})
    endif()
    if(NOT source STREQUAL own_resource)
      list(APPEND clone_sources ${source})
    endif()
  endforeach()
  if(type STREQUAL "SHARED_LIBRARY")
    add_library(${clone} SHARED ${clone_sources})
  else()
    add_executable(${clone} ${clone_sources})
  endif()
  foreach(property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS LINK_OPTIONS LINK_LIBRARIES
                   WIN32_EXECUTABLE)
    get_target_property(value ${original} ${property})
    if(value)
      set_property(TARGET ${clone} PROPERTY ${property} "${value}")
    endif()
  endforeach()
  get_target_property(file_name ${original} BRIVANE_VERSION_FILE_NAME)
  get_target_property(description ${original} BRIVANE_VERSION_DESCRIPTION)
  get_filename_component(output_name ${file_name} NAME_WE)
  set_target_properties(${clone} PROPERTIES PREFIX "" OUTPUT_NAME ${output_name} RUNTIME_OUTPUT_DIRECTORY ${folder}
                        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${clone})
  brivane_version_resource(${clone} ${file_name} ${description} VERSION ${version})
  # The original makes what its sources include (the extension's drawn bitmaps and icons).
  add_dependencies(${clone} ${original})
endfunction()
