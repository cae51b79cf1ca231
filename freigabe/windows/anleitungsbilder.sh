#!/usr/bin/env bash
# Draws the pictures of the player's guide for the Windows release: the window as a Linux build of
# the same sources draws it offscreen (anleitung/), built in BUILD_DIR/linux with the settings of
# the preset dev, where only the pictures and the further targets named are built (windows.sh adds
# the picture tool, quentor_bildvergleich). Prints the pictures' folder.
# Usage: bash freigabe/windows/anleitungsbilder.sh [BUILD_DIR [TARGET...]]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/gemeinsam.sh

main() {
    local linux="${1:-build-windows}/linux" ziele=(--ziel quentor_anleitungsbilder_zeichnen) ziel
    [ $# -eq 0 ] || shift
    for ziel in "$@"; do ziele+=(--ziel "$ziel"); done
    linux=$(ergebnis bauen "${ziele[@]}" dev -B "$linux")
    echo "$PWD/$linux/anleitung/bilder"
}

main "$@"
