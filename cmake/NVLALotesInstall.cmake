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
