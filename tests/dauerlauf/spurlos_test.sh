#!/usr/bin/env bash
# The program keeps nothing: a random session on the real window with Qt's own dialogs (a file
# accepted in the file dialog, a dialog cancelled, every other action, "Ende" answered Yes), with
# HOME and the XDG folders pointed at an empty folder, leaves that folder empty. The session's
# memory line is printed as it goes.
# Usage: spurlos_test.sh QUENTOR_DAUERLAUF [ACTIONS]
set -euo pipefail
dauerlauf=$1
aktionen=${2:-300}
heim=$(mktemp -d)
trap 'rm -rf "$heim"' EXIT

env HOME="$heim" XDG_CONFIG_HOME="$heim/.config" XDG_CACHE_HOME="$heim/.cache" \
    XDG_DATA_HOME="$heim/.local/share" XDG_STATE_HOME="$heim/.local/state" \
    QT_QPA_PLATFORM=offscreen "$dauerlauf" --ereignisse "$aktionen" --alle 100
# Not the program's: fontconfig, which Qt finds the fonts through, writes its cache of the
# system's fonts into the home folder where the system's own cache is out of date (as on a fresh
# Debian 13 after apt, for /usr/share/fonts/X11/*) and it may not write the system's (any user
# but root). Every program that shows text does so.
if [ -d "$heim/.cache/fontconfig" ]; then
    echo "Hinweis: fontconfig hat seinen Schriftcache angelegt (der des Systems ist veraltet)."
    rm -r "$heim/.cache/fontconfig"
    rmdir "$heim/.cache" 2>/dev/null || true
fi
hinterlassen=$(find "$heim" -mindepth 1)
if [ -n "$hinterlassen" ]; then
    echo "Im leeren Heimordner liegt danach:"
    echo "$hinterlassen"
    exit 1
fi
echo "Nichts hinterlassen."
