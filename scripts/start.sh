#!/usr/bin/env bash
# Installs what is missing, builds the window program and opens the window.
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the window opens on a virtual X
# server instead; its picture is saved as PNG, the file's path printed, and the program closed.
# Usage: bash scripts/start.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/programme.sh
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${START_PAKETE[@]}"

bau=$(cmake --preset dev | sed -n 's/^-- Build files have been written to: //p')
cmake --build --preset dev --target quentor -j "$(nproc)" >/dev/null
programm=$(programm "$bau" quentor)

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$programm"
fi

echo "Keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY gesetzt): das Fenster öffnet auf einem virtuellen X-Server, sein Bild wird gespeichert."
# The window is found on the display by its title, which the picture tool reads from it.
cmake --build --preset dev --target quentor_bildvergleich -j "$(nproc)" >/dev/null
form_masse "$(programm "$bau" quentor_bildvergleich)"
bild="$bau/quentor-form1.png"
rm -f "$bild"
# A private runtime folder, as a desktop session would give one; Qt warns without it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/hilfen/formbild.sh "$bild" "$FORM_TITEL" \
    "$programm"
echo "$bild"
