#!/usr/bin/env bash
# Renders the application icon's PNGs at the hicolor sizes from its SVG, so that the checked-in
# PNGs can be made again at any time. With --pruefen it renders into a temporary folder instead
# and fails when a checked-in PNG is missing or differs.
# Usage: bash scripts/symbole.sh [--pruefen]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
bash scripts/abhaengigkeiten.sh "${SYMBOL_PAKETE[@]}"

hicolor=packaging/symbol/hicolor
groessen=(16 22 24 32 48 64 128 256)
svg=$(find "$hicolor/scalable/apps" -name '*.svg')
if [ "$(wc -l <<<"$svg")" -ne 1 ] || [ -z "$svg" ]; then
    echo "In $hicolor/scalable/apps gehört genau ein SVG." >&2
    exit 1
fi
name=$(basename "$svg" .svg)

ziel=$hicolor
if [ "${1:-}" = "--pruefen" ]; then
    ziel=$(mktemp -d)
    trap 'rm -rf "$ziel"' EXIT
elif [ $# -gt 0 ]; then
    echo "unbekannte Option: $1" >&2
    exit 2
fi

for n in "${groessen[@]}"; do
    mkdir -p "$ziel/${n}x$n/apps"
    rsvg-convert -w "$n" -h "$n" -o "$ziel/${n}x$n/apps/$name.png" "$svg"
done

if [ "$ziel" != "$hicolor" ]; then
    abweichend=()
    for n in "${groessen[@]}"; do
        png="${n}x$n/apps/$name.png"
        cmp -s "$ziel/$png" "$hicolor/$png" || abweichend+=("$hicolor/$png")
    done
    if [ ${#abweichend[@]} -gt 0 ]; then
        echo "Nicht aus $svg erzeugt (bash scripts/symbole.sh macht sie neu): ${abweichend[*]}" >&2
        exit 1
    fi
    echo "Symbole: ${#groessen[@]} PNGs passen zu $svg"
fi
