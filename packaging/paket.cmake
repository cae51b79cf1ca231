# Installed files besides the programs, and the Debian package. The preset `paket` builds the
# package (`cmake --workflow --preset paket`); `cpack -G DEB` works in any build folder too. On
# Windows the zip and the installer instead.
if(WIN32)
  include(packaging/windows/windows.cmake)
  return()
endif()
set(CPACK_PACKAGE_NAME quentor)
set(quentor_paketdaten ${PROJECT_BINARY_DIR}/packaging)

# gzip -9n: best compression and no name or time in the header, so the bytes depend on the
# content alone. Writes ${ziel}.gz and adds it to quentor_gepackt.
find_program(QUENTOR_GZIP gzip REQUIRED)
set(quentor_gepackt)
macro(quentor_gzip quelle ziel)
  add_custom_command(OUTPUT ${ziel}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${quelle} ${ziel}
                     COMMAND ${QUENTOR_GZIP} -9nf ${ziel}
                     DEPENDS ${quelle} VERBATIM)
  list(APPEND quentor_gepackt ${ziel}.gz)
endmacro()

# The window's desktop entry, AppStream metadata and icon, all named by the application ID.
if(QUENTOR_UI)
  configure_file(packaging/quentor.desktop.in ${quentor_paketdaten}/${QUENTOR_APP_ID}.desktop @ONLY)
  configure_file(packaging/quentor.metainfo.xml.in
                 ${quentor_paketdaten}/${QUENTOR_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${quentor_paketdaten}/${QUENTOR_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${quentor_paketdaten}/${QUENTOR_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY packaging/symbol/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# Man pages of the programs built.
set(quentor_programme)
if(QUENTOR_UI)
  list(APPEND quentor_programme quentor)
endif()
if(QUENTOR_SKRIPT)
  list(APPEND quentor_programme quentor-skript)
endif()
# The English pages lie in packaging/handbuch and go to man1; the German translations lie in
# packaging/handbuch/de and go to de/man1, where man finds them under a German locale.
foreach(programm IN LISTS quentor_programme)
  foreach(sprache IN ITEMS en de)
    if(sprache STREQUAL "en")
      set(ordner "")
    else()
      set(ordner "${sprache}/")
    endif()
    configure_file(packaging/handbuch/${ordner}${programm}.1.in
                   ${quentor_paketdaten}/${ordner}${programm}.1 @ONLY)
    quentor_gzip(${quentor_paketdaten}/${ordner}${programm}.1
                 ${quentor_paketdaten}/${ordner}man1/${programm}.1)
    install(FILES ${quentor_paketdaten}/${ordner}man1/${programm}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/${ordner}man1)
  endforeach()
endforeach()

# A stripped install (the package's) also drops the compiler's .comment section, as Debian's
# strip does. The programs are installed by then: their rules come from earlier directories.
foreach(programm IN LISTS quentor_programme)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${programm}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endforeach()

# Licence and changelog where Debian expects them (a native package: changelog.gz).
set(quentor_docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
quentor_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${quentor_paketdaten}/doc/changelog)
install(FILES packaging/copyright ${quentor_paketdaten}/doc/changelog.gz DESTINATION ${quentor_docdir})
add_custom_target(quentor_gepackt ALL DEPENDS ${quentor_gepackt})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_VENDOR "${QUENTOR_HERSTELLER}")
set(CPACK_PACKAGE_CONTACT "Quentor-Team <team@quentor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters; an empty line separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
Quentor nimmt Roulette-Würfe auf einem Bild des Tableaus auf und zeigt an der
Farbe jedes Zahlenfelds, welche Zahlen in der laufenden Rotation (37 Würfe,
36 ohne die Null) gekommen sind und welche noch frei sind, mit ihrer Anzahl.
Die Würfe werden zufällig gezogen oder aus einer Permanenzdatei nachgespielt,
wie sie an einem Spielbanktisch aufgezeichnet wurde. Quentor nimmt keine
Einsätze an und behält nichts zwischen zwei Läufen. Die Oberfläche ist deutsch.

Das Paket enthält das Fenster (quentor) und den Skripttreiber quentor-skript,
der eine Sitzung ohne Fenster aus Befehlen abspielt und ihren Zustand als JSON
ausgibt.]])
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# A window and a command-line tool for studying roulette permanences: no game of its own.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)

# The Qt libraries are found from the binary where dpkg-shlibdeps is at hand; the platform plugin,
# the fonts with Arial's metrics and Qt's German catalogue are loaded at run time and always named.
set(quentor_laufzeit "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
find_program(QUENTOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUENTOR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${quentor_laufzeit}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), ${quentor_laufzeit}")
endif()
# Qt's wayland platform: in a Wayland session (GNOME's and KDE's default) the window then runs
# natively, sharp at any scale, instead of through XWayland; without it Qt falls back to X11.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# A cross build's toolchain names the package's architecture (cmake/aarch64-linux-gnu.cmake).
if(CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/fremde_architektur.cmake)
endif()

include(CPack)
