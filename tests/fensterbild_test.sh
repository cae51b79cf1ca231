#!/usr/bin/env bash
# The README's picture of the window, doku/bilder/fenster.png, is the window at start as this
# build draws it (the player's guide's picture anleitung/bilder/start.png, drawn offscreen by
# quentor_anleitungsbilder): pixel for pixel with the Qt it was drawn with; with another Qt, whose
# text rendering differs, the same pixels outside the text and every text in its place, as the
# Windows release's window is checked. When it fails after a change to the window, draw it anew:
#   cp build/anleitung/bilder/start.png doku/bilder/fenster.png
# and, when drawn with another Qt, change qt_des_bildes below.
# Usage: bash tests/fensterbild_test.sh BILDVERGLEICH BUILD_DIR SOURCE_DIR QT_VERSION
set -euo pipefail
bildvergleich=$1 bau=$2 quelle=$3 qt=$4

# The Qt that drew doku/bilder/fenster.png (Debian 12).
qt_des_bildes=6.4.2

bild=$quelle/doku/bilder/fenster.png
gezeichnet=$bau/anleitung/bilder/start.png
for datei in "$bild" "$gezeichnet"; do
    [ -s "$datei" ] || { echo "FEHLER: $datei fehlt" >&2; exit 1; }
done

if [ "$qt" = "$qt_des_bildes" ]; then
    if ! "$bildvergleich" --gleich "$bild" "$gezeichnet"; then
        echo "FEHLER: $bild ist nicht mehr das Fenster, das der Bau zeichnet ($gezeichnet)" >&2
        exit 1
    fi
else
    echo "Qt $qt statt $qt_des_bildes: verglichen außerhalb der Schrift"
    if ! "$bildvergleich" "$bild"; then
        echo "FEHLER: $bild zeigt ein anderes Fenster als dieser Bau" >&2
        exit 1
    fi
fi
echo "$bild: das Fenster, wie der Bau es zeichnet"
