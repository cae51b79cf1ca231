# The Debian package of a Linux install (packaging/installation.cmake). The preset `paket` builds
# it (`cmake --workflow --preset paket`); `cpack -G DEB` works in any build folder too.
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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUENTOR_ADRESSE}")
# The package's file name as Debian writes it, for the build's list of its release (freigabe.txt):
# of the cross build's architecture, or of this machine's.
if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  find_program(QUENTOR_DPKG dpkg REQUIRED)
  execute_process(COMMAND ${QUENTOR_DPKG} --print-architecture
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
set(quentor_paketname quentor_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
set(CPACK_DEBIAN_FILE_NAME ${quentor_paketname}.deb)
string(APPEND quentor_freigabeliste "paket ${quentor_paketname}.deb\n"
       "stueckliste ${quentor_paketname}.spdx.json\n")
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
# xdg-open: the desktop entry's action "Anleitung" opens the guide in the browser with it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
# A cross build's toolchain names the package's architecture (freigabe/linux/aarch64-linux-gnu.cmake).
if(CMAKE_CROSSCOMPILING)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/fremde_architektur.cmake)
endif()

include(CPack)
