# Builds examples/host the way a host would, and runs it once (Show 0 answers
# Result False, so the program exits 1 by design after showing nothing).
set(trabajo "${BUILD_DIR}/host-${MODO}")
file(REMOVE_RECURSE "${trabajo}")

if(MODO STREQUAL "instalado")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${trabajo}/prefijo"
                  RESULT_VARIABLE r OUTPUT_QUIET)
  if(r)
    message(FATAL_ERROR "install failed")
  endif()
  set(opciones "-DCMAKE_PREFIX_PATH=${trabajo}/prefijo")
else()
  set(opciones "-DNVLALOTES_SOURCE=${SOURCE_DIR}")
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
execute_process(COMMAND "${trabajo}/build/host_ejemplo" RESULT_VARIABLE r)
if(NOT r EQUAL 1)
  message(FATAL_ERROR "the host program answered ${r}, expected 1 (Result False after Show 0)")
endif()
file(REMOVE_RECURSE "${trabajo}")
