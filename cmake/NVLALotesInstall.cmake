include(CMakePackageConfigHelpers)

get_property(public_headers GLOBAL PROPERTY NVLA_PUBLIC_HEADERS)
install(FILES ${public_headers} DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/nvlalotes")
install(TARGETS nvlalotes_core nvlalotes EXPORT NVLALotesTargets
        LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}")
install(EXPORT NVLALotesTargets NAMESPACE NVLALotes::
        DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/NVLALotes")
configure_package_config_file(cmake/NVLALotesConfig.cmake.in
  "${PROJECT_BINARY_DIR}/NVLALotesConfig.cmake"
  INSTALL_DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/NVLALotes")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/NVLALotesConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/NVLALotesConfig.cmake"
              "${PROJECT_BINARY_DIR}/NVLALotesConfigVersion.cmake"
        DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/NVLALotes")
