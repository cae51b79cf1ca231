#!/usr/bin/env bash
# The real window under Wine on a virtual X server, with Qt's windows platform: its picture with
# Wine's default colours at 96 dpi, compared with the window as Linux draws it; with dark and with
# high-contrast system colours, each the same picture pixel for pixel; and at 120, 144 and 192 dpi,
# each the window Qt draws at that scale, every text in place. The pictures are kept in the
# Windows build folder as quentor-form1-wine*.png. Expects windows.sh's prefix (WINEPREFIX) with no
# Wine running, and the picture tool built for Linux, which also gives the window's title.
# Usage: bash freigabe/windows/formbilder-wine.sh BUILD_FOLDER QUENTOR_BILDVERGLEICH
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/gemeinsam.sh
# The result of every picture and comparison: the script's exit status.
status=0

# Shows the window, saves its picture as quentor-form1-wine$1.png and ends Wine. A Wine started
# without the display (by a registry change) ends first: its desktop would not show the window.
# Wine now and then starts a program without showing its window: then once more.
bild() {
    local datei="$bilder/quentor-form1-wine$1.png"
    rm -f "$datei"
    for _ in 1 2; do
        wineserver -k || true
        wineserver -w
        if fensterbild "$datei" "1280x1280x24 -dpi 96" wine "$programm"; then
            echo "Fenster unter Wine: $datei"
            wineserver -k || true
            return
        fi
    done
    status=1
}

# Sets the system colours given as NAME "R G B" pairs (Wine reads them from the registry).
systemfarben() {
    while [ $# -gt 0 ]; do
        wine reg add 'HKCU\Control Panel\Colors' /v "$1" /t REG_SZ /d "$2" /f >/dev/null
        shift 2
    done
}

# Sets the colour scheme NAME (surface, text and selection colours), saves its picture and checks it
# is the default one pixel for pixel.
farbschema() {
    local name=$1 flaeche=$2 text=$3 auswahl=$4
    systemfarben Window "$flaeche" ButtonFace "$flaeche" Menu "$flaeche" WindowText "$text" \
        ButtonText "$text" MenuText "$text" Hilight "$auswahl" HilightText "$flaeche"
    bild "-$name"
    "$vergleich" --gleich "$bilder/quentor-form1-wine.png" \
        "$bilder/quentor-form1-wine-$name.png" || status=1
}

# Sets bilder (the pictures' folder), programm (the window) and vergleich (the picture tool) and
# the window's title and size; a temporary folder of the script's own is the work folder and
# XDG_RUNTIME_DIR (without one, Wine's registry commands say it is missing).
vorbereiten() {
    bilder=$(realpath "$1")
    programm=$(programm "$1" quentor)
    vergleich=$2
    form_masse "$vergleich"
    arbeit=$(mktemp -d)
    trap 'rm -rf "$arbeit"' EXIT
    export XDG_RUNTIME_DIR="$arbeit"
}

# The window with Wine's default colours at 96 dpi, compared with the window as Linux draws it.
standardbild() {
    bild ""
    "$vergleich" "$bilder/quentor-form1-wine.png" || status=1
}

# The dark and the high-contrast scheme; the user's colours restored afterwards.
farbschemata() {
    local gesichert="$arbeit/farben.reg"
    wine reg export 'HKCU\Control Panel\Colors' "$(winepath -w "$gesichert")" /y >/dev/null
    farbschema dunkel "32 32 32" "230 230 230" "0 120 215"
    farbschema kontrast "0 0 0" "255 255 255" "26 235 255"
    wine reg delete 'HKCU\Control Panel\Colors' /f >/dev/null
    wine reg import "$(winepath -w "$gesichert")" >/dev/null 2>&1
}

# The window at 120, 144 and 192 dpi, each checked against the window Qt draws at that scale; the
# default scale restored afterwards.
skalen() {
    local dpi skala
    for dpi in 120 144 192; do
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
        bild "-$dpi"
        skala=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
        "$vergleich" --skala "$skala" "$bilder/quentor-form1-wine-$dpi.png" || status=1
    done
    wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null
}

main() {
    vorbereiten "$@"
    standardbild
    farbschemata
    skalen
    wineserver -k || true
    exit "$status"
}

main "$@"
