#!/usr/bin/env bash
# Builds everything for 64-bit Windows (MinGW-w64, CMake preset `windows`, folder build-windows/),
# the window included, with warnings as errors, and makes the release from that build (the zip and
# the installer, every program in them signed: freigabe/windows/windows-freigabe.sh, the one recipe
# of the Windows release); then runs the tests under Wine on the same build, checks the release's
# signatures, builds a test version of a later number by the same recipe and tries the installer
# under Wine with that installed over it, and shows the real window under Wine on a virtual X
# server, saves its picture and compares it with the window drawn on Linux, and reads it there
# through UI Automation, as a screen reader does. Qt for Windows comes
# from freigabe/windows/qt-windows.sh, built once into a cache folder; the guide's pictures and the
# picture tool from one Linux build (freigabe/windows/anleitungsbilder.sh).
# Runs a random session on the real window under Wine and checks that it left no key in the
# registry. Installs what is missing, like the other scripts. It runs on Debian 13, whose Qt 6.8
# and GCC 14 the release is built with: on an older host inside a Debian 13 root
# (freigabe/gemeinsam/wurzel.sh, which needs root or sudo). One run at a time per source tree.
# Usage: bash freigabe/windows/windows.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source freigabe/gemeinsam/wurzel.sh
source scripts/hilfen/gemeinsam.sh

pakete=("${WINDOWS_PAKETE[@]}" "${BAU_PAKETE[@]}" "${START_PAKETE[@]}" "${QT_WINDOWS_PAKETE[@]}"
        "${FREIGABE_PAKETE[@]}" "${SIGNATUR_PAKETE[@]}")
# The preset's build folder.
bau=build-windows

# Ends the script at once when another run holds the build folder. Two runs would build into the
# same folder and share its Wine prefix, whose wineserver each ends and whose registry each
# changes while the other's tests run. Refused rather than waited for: the second run would
# only do the first's work again, on the same sources, after it, and replace its release and
# pictures; the lock ends with the first run, however it ends.
bau_sperren() {
    local sperre
    mkdir -p "$bau"
    exec {sperre}<"$bau"
    if ! flock -n "$sperre"; then
        echo "Ein anderer Lauf von freigabe/windows/windows.sh läuft schon in $bau/;" \
            "dieser endet, ohne etwas zu ändern." >&2
        exit 1
    fi
}

# Wine's settings for everything that follows, as in the test preset: a Wine prefix of our own in
# the build folder, no debug output, no offer to install Mono or Gecko; without a display Wine
# opens no window of its own either.
wine_einstellen() {
    export WINEPREFIX="$PWD/$bau/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine names the files of the Linux file system in the Unix locale's character set: in a
    # locale the machine does not have (LANG=de_DE.UTF-8 without it generated) that is ASCII, and
    # no path with "ü" or "€" can be created. The tests (CMakePresets.json) and everything here
    # run in C.UTF-8.
    export LC_ALL=C.UTF-8
    unset DISPLAY WAYLAND_DISPLAY
}

# Makes the Wine prefix when there is none.
praefix_anlegen() {
    [ ! -f "$WINEPREFIX/system.reg" ] || return 0
    echo "Lege das Wine-Präfix an: $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # A crashing test reports on its output instead of waiting in a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
}

# Fonts as on Linux: Liberation Sans, with Arial's metrics, stands in for Arial. Qt's offscreen
# platform on Windows reads the font files of one folder, QT_QPA_FONTDIR: the prefix's, where
# Liberation Sans is the only font, so that it answers for Arial. Wine hands no variable beginning
# with QT_ from Linux to a Windows program, so it is set in the prefix's own environment. The
# substitute serves programs that ask Windows for Arial.
schriften_einrichten() {
    local schriften="$WINEPREFIX/drive_c/windows/Fonts" liberation
    mkdir -p "$schriften"
    liberation=$(dirname "$(fc-match -f '%{file}' 'Liberation Sans')")
    cp -u "$liberation"/LiberationSans-*.ttf "$schriften/"
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ /d 'C:\windows\Fonts' /f >/dev/null
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v Arial \
        /t REG_SZ /d 'Liberation Sans' /f >/dev/null
    # Wine's own font lookup, which the real window's text goes through, takes a replacement.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' \
        /f >/dev/null
}

# One wineserver for the whole run instead of one per test process (once the one of the prefix's
# set-up has ended), and Wine's own services started now: started by a test, they would keep its
# output pipe open and ctest would wait for them. The same holds for the desktop process
# (explorer.exe /desktop) that window programs need: it ends a second after the last program
# using the desktop has ended, and a window test would start it again. A command interpreter
# waiting for input that never comes (on descriptor 3) uses the desktop for the whole run, so that
# the one wineboot starts stays.
wine_dienste_starten() {
    local eingabe
    wineserver -w
    wineserver -p
    # When the script ends: the run's wineserver ended.
    trap 'wineserver -k || true' EXIT
    eingabe=$(mktemp -u)
    mkfifo "$eingabe"
    exec 3<>"$eingabe"
    rm -f "$eingabe"
    wine cmd.exe <&3 >/dev/null 2>&1 &
    wineboot >/dev/null 2>&1
}

# Runs the tests under Wine, their output on stderr, and prints the line with their count; fails
# as ctest does.
ctest_unter_wine() {
    local status=0 protokoll
    protokoll=$(mktemp)
    ctest --preset windows -j "$(nproc)" 2>&1 | tee "$protokoll" >&2 || status=$?
    echo "ctest unter Wine: $(bash scripts/hilfen/ctest-zaehlung.sh "$protokoll" || echo "?")"
    rm -f "$protokoll"
    return "$status"
}

# Nothing kept: a random session of 600 actions on the real window, with Qt's own dialogs, leaves
# no key of Qt's in the registry; its memory line is printed as it goes.
dauerlauf_unter_wine() {
    wine reg delete 'HKCU\Software\QtProject' /f >/dev/null 2>&1 || true
    echo "Dauerlauf unter Wine:"
    wine "$(programm "$bau" quentor_dauerlauf)" -platform offscreen --ereignisse 600 \
        --alle 100 || return
    if wine reg query 'HKCU\Software\QtProject' >/dev/null 2>&1; then
        echo "Qt hat Einstellungen in die Registry geschrieben (HKCU\Software\QtProject)." >&2
        return 1
    fi
}

# Prints the authority that FOLDER's release is checked against: the maintainer's
# (QUENTOR_SIGNATUR_CA) when given, else the throwaway one that signed it.
# Usage: pruef_ca FOLDER
pruef_ca() {
    printf '%s\n' "${QUENTOR_SIGNATUR_CA:-$1/signatur/wegwerf-ca.pem}"
}

# The release's signatures: every program in ZIP and the installer SETUP (the files the recipe
# made), checked against the authority that signed them.
# Usage: signaturen_pruefen ZIP SETUP
signaturen_pruefen() {
    bash freigabe/windows/signaturen_test.sh "$1" "$2" "$(pruef_ca "$bau")"
}

# The release of the same sources as a later VERSION, a test version, by the same recipe in
# build-windows/neuer without tests and without the script driver, so that the upgrade has a file
# to remove that only the older version shipped; the guide's pictures are the release's (FOLDER).
# Never signed with the maintainer's keys: its own throwaway authority signs it. Its output is
# shown only when it fails; prints the zip and the installer, as the recipe does.
# Usage: neuere_version VERSION FOLDER
neuere_version() {
    local neu="$bau/neuer" dateien
    if ! dateien=$(betreuer_ohne bash freigabe/windows/windows-freigabe.sh -B "$neu" -DBUILD_TESTING=OFF \
        -DQUENTOR_VERSION="$1" -DQUENTOR_SKRIPT=OFF -DQUENTOR_ANLEITUNG_BILDER:PATH="$2" \
        2>"$neu.log"); then
        cat "$neu.log" >&2
        echo "Die Testversion $1 ließ sich nicht bauen." >&2
        return 1
    fi
    echo "Testversion $1 gebaut: $neu" >&2
    printf '%s\n' "$dateien"
}

# The installer ZIP, SETUP of the release tried under Wine, with the installer of a later version
# (neuere_version) installed over it; the pictures' FOLDER for that version.
# Usage: installationsprogramm_pruefen ZIP SETUP FOLDER
installationsprogramm_pruefen() {
    local version neu
    version=$(freigabe_wert "$bau" version)
    neu=$(neuere_version "$version.1~test" "$3") || return
    mapfile -t neu <<<"$neu"
    bash freigabe/windows/installationsprogramm_test.sh "$2" "$version" "${neu[1]}" "${neu[0]}" \
        "$version.1~test" "$(pruef_ca "$bau")" "$bau/neuer/signatur/wegwerf-ca.pem"
}

# Ends the test session's Wine, its command interpreter included: its desktop has no display.
wine_beenden() {
    wineserver -k || true
    exec 3>&-
    wineserver -w
}

# The real window under Wine, with the default, dark and high-contrast system colours and at
# several scales, compared with the window as Linux draws it: by the picture tool of the Linux
# build that drew the guide's pictures, with the same Qt.
fensterbilder() {
    bash freigabe/windows/formbilder-wine.sh "$bau" "$(programm "$bau/linux" quentor_bildvergleich)"
}

# What a Windows screen reader gets from the real window under Wine: its names, its cells and the
# spin's notification, read through UI Automation by a client beside it.
zugang_unter_wine() {
    echo "UI Automation unter Wine:"
    bash freigabe/windows/zugang-wine.sh "$bau"
}

main() {
    local bilder ausgabe freigabe zaehlung="" status=0
    wurzel_windows_oder_weiter freigabe/windows/windows.sh "" "${pakete[@]}"
    bau_sperren
    bash scripts/hilfen/abhaengigkeiten.sh "${pakete[@]}"
    # What needs no Qt for Windows comes first, while a build of it that was started before (as
    # CI starts one) goes on; qt-windows.sh then waits for that build or makes it.
    bilder=$(bash freigabe/windows/anleitungsbilder.sh "$bau" quentor_bildvergleich)
    wine_einstellen
    praefix_anlegen
    schriften_einrichten
    bash freigabe/windows/qt-windows.sh
    # The zip, the installer and the bill of materials.
    ausgabe=$(bash freigabe/windows/windows-freigabe.sh -DQUENTOR_ANLEITUNG_BILDER:PATH="$bilder")
    mapfile -t freigabe <<<"$ausgabe"
    wine_dienste_starten
    zaehlung=$(ctest_unter_wine) || status=1
    echo "$zaehlung"
    dauerlauf_unter_wine || status=1
    signaturen_pruefen "${freigabe[@]:0:2}" || status=1
    installationsprogramm_pruefen "${freigabe[@]:0:2}" "$bilder" || status=1
    wine_beenden
    fensterbilder || status=1
    zugang_unter_wine || status=1
    # The test run's result once more as the last line.
    echo "$zaehlung"
    exit "$status"
}

main "$@"
