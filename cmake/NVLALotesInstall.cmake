# What `cmake --install` lays out, in three components that become the Debian
# packages: the shared libraries (runtime), what a host builds against
# (desarrollo: headers, the unversioned .so links, the CMake package files) and
# the workbench with the data tool (banco).
include(CMakePackageConfigHelpers)

get_property(public_headers GLOBAL PROPERTY NVLA_PUBLIC_HEADERS)
install(FILES ${public_headers} DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/nvlalotes" COMPONENT desarrollo)
install(TARGETS nvlalotes_core nvlalotes EXPORT NVLALotesTargets
        LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT runtime NAMELINK_COMPONENT desarrollo)
install(EXPORT NVLALotesTargets NAMESPACE NVLALotes::
        DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/NVLALotes" COMPONENT desarrollo)
configure_package_config_file(cmake/NVLALotesConfig.cmake.in
  "${PROJECT_BINARY_DIR}/NVLALotesConfig.cmake"
  INSTALL_DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/NVLALotes")
# A host built against 0.x links any later 0.x: the major version is the ABI's.
write_basic_package_version_file("${PROJECT_BINARY_DIR}/NVLALotesConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/NVLALotesConfig.cmake"
              "${PROJECT_BINARY_DIR}/NVLALotesConfigVersion.cmake"
        DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/NVLALotes" COMPONENT desarrollo)

# The API reference of the public headers (Doxygen), shipped in the development
# package. Built with everything when Doxygen is there; a public member left
# without its comment fails it.
find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
  set(NVLA_API_DIR "${PROJECT_BINARY_DIR}/docs/api")
  set(NVLA_API_INPUT "")
  foreach(header IN LISTS public_headers)
    if(NOT header MATCHES "_export\\.h$")
      string(APPEND NVLA_API_INPUT " \"${header}\"")
    endif()
  endforeach()
  configure_file(docs/Doxyfile.in "${NVLA_API_DIR}/Doxyfile" @ONLY)
  add_custom_command(OUTPUT "${NVLA_API_DIR}/api.stamp"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${NVLA_API_DIR}/html"
    COMMAND Doxygen::doxygen "${NVLA_API_DIR}/Doxyfile"
    COMMAND "${CMAKE_COMMAND}" -E touch "${NVLA_API_DIR}/api.stamp"
    DEPENDS ${public_headers} docs/Doxyfile.in docs/api.md docs/host.md "${NVLA_API_DIR}/Doxyfile"
    COMMENT "API reference (Doxygen)" VERBATIM)
  add_custom_target(nvla-api-doc ALL DEPENDS "${NVLA_API_DIR}/api.stamp")
  install(DIRECTORY "${NVLA_API_DIR}/html/"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/libnvlalotes-dev/api" COMPONENT desarrollo)
endif()
