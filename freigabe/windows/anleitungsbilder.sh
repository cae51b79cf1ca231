#!/usr/bin/env bash
# Draws the pictures of the player's guide for the Windows release: the window as a Linux build of
# the same sources draws it offscreen (anleitung/), built in BUILD_DIR/linux with the settings of
# the preset dev, where only what the pictures need is built. Prints the pictures' folder.
# Usage: bash freigabe/windows/anleitungsbilder.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."

main() {
    local linux="${1:-build-windows}/linux"
    cmake --preset dev -B "$linux" >/dev/null
    cmake --build "$linux" --target quentor_anleitungsbilder_zeichnen -j "$(nproc)" >/dev/null
    echo "$PWD/$linux/anleitung/bilder"
}

main "$@"
