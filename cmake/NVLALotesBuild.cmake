# One interface target carries the build settings every target of the project links.
add_library(nvla_build_settings INTERFACE)
target_compile_features(nvla_build_settings INTERFACE cxx_std_20)
target_compile_definitions(nvla_build_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
  QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
target_compile_options(nvla_build_settings INTERFACE -Wall -Wextra -Wpedantic
  -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual)
# Bounds and precondition checks of the standard library wherever the code is
# debugged or checked: every debug build and every warnings-as-errors build.
target_compile_definitions(nvla_build_settings INTERFACE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
if(NVLA_WARNINGS_AS_ERRORS)
  target_compile_options(nvla_build_settings INTERFACE -Werror)
  target_compile_definitions(nvla_build_settings INTERFACE _GLIBCXX_ASSERTIONS)
endif()
if(NVLA_SANITIZE)
  target_compile_options(nvla_build_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(nvla_build_settings INTERFACE -fsanitize=address,undefined)
endif()
# The fuzzer steers by the coverage of the library's own code, so the library is
# instrumented too; the programs that hold the fuzzer's main add -fsanitize=fuzzer.
if(NVLA_BUILD_FUZZ)
  target_compile_options(nvla_build_settings INTERFACE -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined)
  target_compile_definitions(nvla_build_settings INTERFACE _GLIBCXX_ASSERTIONS)
endif()

# Public headers are reachable as <nvlalotes/NAME.h>: forwarding headers in the build tree,
# the real ones flattened into include/nvlalotes on install.
set(NVLA_INCLUDE_DIR "${PROJECT_BINARY_DIR}/include")
set_property(GLOBAL PROPERTY NVLA_PUBLIC_HEADERS "")

function(nvla_public_headers)
  foreach(header IN LISTS ARGN)
    get_filename_component(absolute "${header}" ABSOLUTE)
    get_filename_component(name "${header}" NAME)
    file(CONFIGURE OUTPUT "${NVLA_INCLUDE_DIR}/nvlalotes/${name}"
         CONTENT "#pragma once\n#include \"${absolute}\"\n")
    set_property(GLOBAL APPEND PROPERTY NVLA_PUBLIC_HEADERS "${absolute}")
  endforeach()
endfunction()

include(GenerateExportHeader)
function(nvla_configure_library target export_file export_macro)
  # The fuzz targets reach the library's internal parsers, so a fuzz build keeps every symbol visible.
  if(NOT NVLA_BUILD_FUZZ)
    set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  endif()
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  generate_export_header(${target}
    EXPORT_FILE_NAME "${NVLA_INCLUDE_DIR}/nvlalotes/${export_file}"
    EXPORT_MACRO_NAME ${export_macro})
  set_property(GLOBAL APPEND PROPERTY NVLA_PUBLIC_HEADERS "${NVLA_INCLUDE_DIR}/nvlalotes/${export_file}")
  target_include_directories(${target}
    PUBLIC "$<BUILD_INTERFACE:${NVLA_INCLUDE_DIR}>" "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>"
    PRIVATE "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${target} PRIVATE nvla_build_settings)
endfunction()
