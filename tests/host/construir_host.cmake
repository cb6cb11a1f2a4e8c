# Builds examples/host the way a host would and runs it once: it must answer 0
# (the library loaded and Show(0) gave Result False) and end without Qt SQL
# complaining of a connection still in use.
#
#   MODO=instalado      against `cmake --install BUILD_DIR` in a folder of its own
#   MODO=subdirectorio  against the source tree through add_subdirectory
#   MODO=sistema        against the library installed on the machine (the Debian packages)
set(trabajo "${BUILD_DIR}/host-${MODO}")
file(REMOVE_RECURSE "${trabajo}")

if(MODO STREQUAL "instalado")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${trabajo}/prefijo"
                  RESULT_VARIABLE r OUTPUT_QUIET)
  if(r)
    message(FATAL_ERROR "install failed")
  endif()
  set(opciones "-DCMAKE_PREFIX_PATH=${trabajo}/prefijo")
elseif(MODO STREQUAL "subdirectorio")
  set(opciones "-DNVLALOTES_SOURCE=${SOURCE_DIR}")
elseif(MODO STREQUAL "sistema")
  set(opciones "")
else()
  message(FATAL_ERROR "unknown MODO '${MODO}'")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}/examples/host" -B "${trabajo}/build" -G Ninja
                        -DCMAKE_BUILD_TYPE=Release ${opciones} RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "configuring the host failed")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${trabajo}/build" RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "building the host failed")
endif()
execute_process(COMMAND "${trabajo}/build/host_ejemplo" RESULT_VARIABLE r ERROR_VARIABLE salida)
if(NOT r EQUAL 0 OR salida MATCHES "still in use")
  message(FATAL_ERROR "the host program answered ${r}, expected 0 (Result False after Show 0):\n${salida}")
endif()
file(REMOVE_RECURSE "${trabajo}")
