#!/usr/bin/env bash
# Renders the application icon's PNGs at the hicolor sizes from its SVG, the Windows icon
# (packaging/symbol/quentor.ico: those PNGs of 16 to 256 pixels, each stored as it is) and the
# window icon's raw pixels (packaging/symbol/pixel/N.rgba: RGBA bytes row by row, for N = 16,
# 32, 48 and 64), which the program shows without decoding anything at start, so that the
# checked-in files can be made again at any time. With --pruefen it renders into a temporary
# folder instead and fails when a checked-in file is missing or differs.
# Usage: bash scripts/symbole.sh [--pruefen]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh

hicolor=packaging/symbol/hicolor
groessen=(16 22 24 32 48 64 128 256)
fenstergroessen=(16 32 48 64)
# Set by main: the SVG and its name; the folder rendered into (hicolor, or a temporary one with
# --pruefen), with the ICO file and the window pixels that go with it.
svg=""
name=""
ziel=""
ico_datei=packaging/symbol/quentor.ico
pixelordner=packaging/symbol/pixel

# Prints the one SVG of the icon; fails when there is not exactly one.
das_svg() {
    local gefunden
    gefunden=$(find "$hicolor/scalable/apps" -name '*.svg')
    if [ "$(wc -l <<<"$gefunden")" -ne 1 ] || [ -z "$gefunden" ]; then
        echo "In $hicolor/scalable/apps gehört genau ein SVG." >&2
        return 1
    fi
    printf '%s\n' "$gefunden"
}

# Sets ziel, ico_datei and pixelordner for the option given: none renders into the checked-in
# files, --pruefen into a temporary folder.
# Usage: ziel_waehlen [--pruefen]
ziel_waehlen() {
    ziel=$hicolor
    if [ "${1:-}" = "--pruefen" ]; then
        ziel=$(mktemp -d)
        trap 'rm -rf "$ziel"' EXIT
        ico_datei=$ziel/quentor.ico
        pixelordner=$ziel/pixel
    elif [ $# -gt 0 ]; then
        echo "unbekannte Option: $1" >&2
        return 2
    fi
}

# The PNGs of every size from the SVG.
pngs_zeichnen() {
    local n
    for n in "${groessen[@]}"; do
        mkdir -p "$ziel/${n}x$n/apps"
        rsvg-convert -w "$n" -h "$n" -o "$ziel/${n}x$n/apps/$name.png" "$svg"
    done
}

# The ICO file of the PNGs in PNG_FOLDER (icoutils' icotool): each picture stored as the PNG it
# is, which Windows reads inside an ICO.
# Usage: ico PNG_FOLDER ICO_FILE
ico() {
    local bilder=() n
    for n in "${groessen[@]}"; do bilder+=("--raw=$1/${n}x$n/apps/$name.png"); done
    icotool --create --output="$2" "${bilder[@]}"
}

# The window icon's raw RGBA pixels, from the PNGs of its sizes.
fensterpixel() {
    local n
    mkdir -p "$pixelordner"
    for n in "${fenstergroessen[@]}"; do
        convert "$ziel/${n}x$n/apps/$name.png" -depth 8 "rgba:$pixelordner/$n.rgba"
    done
}

# With --pruefen: every file rendered against the checked-in one; fails naming those that differ.
vergleichen() {
    local abweichend=() n png
    for n in "${groessen[@]}"; do
        png="${n}x$n/apps/$name.png"
        cmp -s "$ziel/$png" "$hicolor/$png" || abweichend+=("$hicolor/$png")
    done
    cmp -s "$ico_datei" packaging/symbol/quentor.ico || abweichend+=(packaging/symbol/quentor.ico)
    for n in "${fenstergroessen[@]}"; do
        cmp -s "$pixelordner/$n.rgba" "packaging/symbol/pixel/$n.rgba" ||
            abweichend+=("packaging/symbol/pixel/$n.rgba")
    done
    if [ ${#abweichend[@]} -gt 0 ]; then
        echo "Nicht aus $svg erzeugt (bash scripts/symbole.sh macht sie neu): ${abweichend[*]}" >&2
        return 1
    fi
    echo "Symbole: ${#groessen[@]} PNGs, quentor.ico und die Fensterpixel passen zu $svg"
}

main() {
    bash scripts/hilfen/abhaengigkeiten.sh "${SYMBOL_PAKETE[@]}"
    svg=$(das_svg)
    name=$(basename "$svg" .svg)
    ziel_waehlen "$@"
    pngs_zeichnen
    ico "$ziel" "$ico_datei"
    fensterpixel
    [ "$ziel" = "$hicolor" ] || vergleichen
}

main "$@"
