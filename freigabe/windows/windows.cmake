# The Windows release: quentor.exe and quentor-skript.exe at the top of one folder that runs as it
# is, beside Qt's DLLs, the plugins they load, Qt's German catalogue, the MinGW runtime DLLs the Qt
# DLLs need, the licence and the licences of what the folder ships. CPack makes
# quentor-VERSION-win64.zip of that folder and quentor-VERSION-win64-setup.exe, an installer made
# with NSIS from NSIS.template.in in this folder (freigabe/windows/cpack_generator.cmake names
# the installer).
set(CPACK_PACKAGE_NAME quentor)
set(CPACK_PACKAGE_VENDOR "${QUENTOR_HERSTELLER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME quentor-${PROJECT_VERSION}-win64)
# The installer's name (cpack_generator.cmake gives it to NSIS), and the release's files for the
# build's list of them (freigabe.txt).
set(CPACK_QUENTOR_INSTALLATIONSPROGRAMM ${CPACK_PACKAGE_FILE_NAME}-setup)
string(APPEND quentor_freigabeliste "zip ${CPACK_PACKAGE_FILE_NAME}.zip\n"
       "installationsprogramm ${CPACK_QUENTOR_INSTALLATIONSPROGRAMM}.exe\n"
       "stueckliste ${CPACK_PACKAGE_FILE_NAME}.spdx.json\n")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_generator.cmake)

install(FILES LICENSE DESTINATION .)

# The player's guide beside the program: the page, its example file and the pictures of the
# window, which a Linux build of the same sources draws (freigabe/windows/windows.sh passes their
# folder; without it the guide has no pictures); and at the top of the folder, beside quentor.exe,
# Anleitung.html, which leads to it.
set(QUENTOR_ANLEITUNG_BILDER "" CACHE PATH "Folder of the guide's pictures, drawn by a Linux build")
install(FILES anleitung/anleitung.html anleitung/beispiel.txt DESTINATION anleitung)
install(FILES anleitung/wegweiser.html DESTINATION . RENAME Anleitung.html)
if(QUENTOR_ANLEITUNG_BILDER)
  install(DIRECTORY ${QUENTOR_ANLEITUNG_BILDER}/ DESTINATION anleitung/bilder
          FILES_MATCHING PATTERN "*.png")
endif()

# Qt as this machine cross-builds it (cmake/kreuzbau_pakete.cmake); on Windows with Qt's own kit,
# windeployqt gathers it instead.
if(QUENTOR_UI AND CMAKE_CROSSCOMPILING)
  install(FILES $<TARGET_RUNTIME_DLLS:quentor> ${quentor_mingw_dlls} DESTINATION .)
  # MinGW's runtime DLLs come with their symbols; the release (CPack strips) ships them without.
  foreach(dll IN LISTS quentor_mingw_dlls)
    cmake_path(GET dll FILENAME name)
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endforeach()
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> DESTINATION styles)
  install(FILES ${QUENTOR_QT_KATALOG} DESTINATION translations)
  # Qt's licences, those of the third-party code built into it and where its source comes from,
  # as freigabe/windows/qt-windows.sh collected them; and those of MinGW's runtime DLLs, from the Debian
  # packages they come from (GCC's runtime: GPL-3.0 with the GCC Runtime Library Exception;
  # winpthreads: MIT).
  install(DIRECTORY ${QT6_INSTALL_PREFIX}/lizenzen/ DESTINATION lizenzen/qt)
  foreach(paket gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev)
    find_file(quentor_copyright_${paket} copyright PATHS /usr/share/doc/${paket} NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    install(FILES ${quentor_copyright_${paket}} DESTINATION lizenzen/mingw-w64
            RENAME ${paket}-copyright.txt)
  endforeach()
endif()

# The installer: German, a Start-menu folder "Quentor" with the entries "Quentor" (with the
# program's icon) and "Anleitung", an entry in the list of installed programs; for the current
# user or for all users.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quentor)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quentor)
set(CPACK_NSIS_PACKAGE_NAME "Quentor ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME Quentor)
set(CPACK_NSIS_INSTALLED_ICON_NAME quentor.exe)
set(CPACK_NSIS_UNINSTALL_NAME Deinstallieren)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/symbol/quentor.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/symbol/quentor.ico)

# Every program and DLL, the installer and its uninstaller signed (freigabe/windows/signieren.sh,
# which says with what key); the signatures and the throwaway authority lie in build-windows/signatur.
set(quentor_signieren bash ${CMAKE_CURRENT_LIST_DIR}/signieren.sh ${CMAKE_BINARY_DIR}/signatur
    ${PROJECT_NAME} ${QUENTOR_ADRESSE} ${QUENTOR_HERSTELLER})
set(CPACK_QUENTOR_SIGNIEREN ${quentor_signieren})
list(PREPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/signieren.cmake)
# The installer's list of what it installs, by which the next version removes it.
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/dateiliste.cmake)

# A reproducible zip holds its entries in the order of their sorted names.
if(QUENTOR_REPRODUZIERBAR)
  set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/zip_sortieren.cmake)
endif()

include(CPack)
