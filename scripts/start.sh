#!/usr/bin/env bash
# Installs what is missing, builds the window program and opens the window.
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the window opens on a virtual X
# server instead; its picture is saved as PNG, the file's path printed, and the program closed.
# Usage: bash scripts/start.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${START_PAKETE[@]}"

bau=$(ergebnis bauen --ziel quentor dev)
programm=$(programm "$bau" quentor)

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$programm"
fi

echo "Keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY gesetzt): das Fenster öffnet auf einem virtuellen X-Server, sein Bild wird gespeichert."
# The window is found on the display by its title, which the picture tool reads from it.
bau=$(ergebnis bauen --ziel quentor_bildvergleich dev)
form_masse "$(programm "$bau" quentor_bildvergleich)"
bild="$bau/quentor-form1.png"
rm -f "$bild"
fensterbild "$bild" "" "$programm"
echo "$bild"
