# The Debian packages, one per install component (`cpack --preset paquete`):
#   libnvlalotes<SOVERSION>  the two shared libraries
#   libnvlalotes-dev         headers, .so links and CMake package files
#   nvlalotes-banco          the workbench and nvla-datos
# The runtime package carries the SOVERSION in its name, so a release that
# breaks the ABI installs beside the old one instead of replacing it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nvlalotes)
set(CPACK_PACKAGE_VENDOR "Nuvalia")
set(CPACK_PACKAGE_CONTACT "Equipo NVLALotes <nvlalotes@nuvalia.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/paquetes")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime desarrollo)
if(NVLA_BUILD_APP)
  list(APPEND CPACK_COMPONENTS_ALL banco)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 and database client libraries each binary links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The workbench links the runtime package's libraries: dpkg-shlibdeps finds them
# in the build tree, and the dependency on that package is set below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${PROJECT_BINARY_DIR}")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Inter-package dependencies pin the exact version: the three are built together.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(nvla_runtime "libnvlalotes${PROJECT_VERSION_MAJOR}")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME "${nvla_runtime}")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Lot (batch) component of the Nuvalia ERP: the shared libraries a host loads")
# The embedded database is the library's own use of libsqlite3, which the
# shared-library dependencies name; the other engines' Qt drivers are the
# host's choice. Qt's translations make the dialogs Qt opens (files, printing)
# speak Spanish with the library's own.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SUGGESTS "libqt6sql6-psql, libqt6sql6-odbc, tdsodbc")

set(CPACK_DEBIAN_DESARROLLO_PACKAGE_NAME libnvlalotes-dev)
set(CPACK_DEBIAN_DESARROLLO_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DESARROLLO_DESCRIPTION
    "Lot (batch) component of the Nuvalia ERP: headers, CMake package (find_package(NVLALotes)) and API reference")
set(CPACK_COMPONENT_DESARROLLO_DEPENDS runtime)
set(CPACK_DEBIAN_DESARROLLO_PACKAGE_DEPENDS "qt6-base-dev")

set(CPACK_DEBIAN_BANCO_PACKAGE_NAME nvlalotes-banco)
set(CPACK_DEBIAN_BANCO_PACKAGE_SECTION misc)
set(CPACK_COMPONENT_BANCO_DESCRIPTION
    "Lot (batch) component of the Nuvalia ERP: workbench on a demo database and the nvla-datos tool")
set(CPACK_COMPONENT_BANCO_DEPENDS runtime)

include(CPack)
