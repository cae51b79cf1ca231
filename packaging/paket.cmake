# Installed files besides the programs, and the Debian package: `cpack -G DEB` in the build folder.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quentor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quentor)
set(CPACK_PACKAGE_VENDOR "Quentor-Team")
set(CPACK_PACKAGE_CONTACT "Quentor-Team <team@quentor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)

# The Qt libraries are found from the binary where dpkg-shlibdeps is at hand; the platform plugin
# and the fonts with Arial's metrics are loaded at run time and always named.
find_program(QUENTOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUENTOR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-liberation")
endif()

include(CPack)
