#!/usr/bin/env bash
# Installs what is missing, builds the window program and opens the window.
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the window opens on a virtual X
# server instead; its picture is saved as PNG, the file's path printed, and the program closed.
# Usage: bash scripts/start.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
bash scripts/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${START_PAKETE[@]}"

bau=build
cmake --preset dev >/dev/null
cmake --build --preset dev --target quentor -j "$(nproc)" >/dev/null
programm="$PWD/$bau/ui/quentor"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$programm"
fi

echo "Keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY gesetzt): das Fenster öffnet auf einem virtuellen X-Server, sein Bild wird gespeichert."
bild="$PWD/$bau/quentor-fenster.png"
rm -f "$bild"
# A private runtime folder, as a desktop session would give one; Qt warns without it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Runs on the virtual server: opens the window, waits until it is mapped and painted, saves it.
fenster_fotografieren() {
    set -euo pipefail
    local titel="Tool / Quentor / V.2012.1" fenster="" pid
    "$programm" &
    pid=$!
    for _ in $(seq 200); do
        if xwininfo -name "$titel" 2>/dev/null | grep -q "Map State: IsViewable"; then
            fenster=$(xwininfo -name "$titel" | awk '/Window id:/ { print $4 }')
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$fenster" ]; then
        echo "Das Fenster ist nicht erschienen." >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    sleep 1 # the first paint after mapping
    import -window "$fenster" "$bild"
    kill "$pid"
    wait "$pid" || true
}
# xvfb-run is a sh script that drops exported bash functions: the function goes as text.
export programm bild
xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c "$(declare -f fenster_fotografieren); fenster_fotografieren"
echo "$bild"
