#!/usr/bin/env bash
# A root that a killed run left with file systems mounted in it (its own /dev, a nested one, a
# host folder bound in, in a path with a blank) is removed whole, and nothing outside it is
# touched: the host folder keeps its file, nothing stays mounted. Needs root (mount); skipped
# (77) otherwise.
# Usage: bash tests/wurzel_test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source freigabe/gemeinsam/wurzel.sh
[ "$(id -u)" -eq 0 ] || { echo "Übersprungen: braucht root (mount)"; exit 77; }

ordner=$(mktemp -d)
wurzel="$ordner/mit blank/wurzel"
wirt="$ordner/wirt"

# Takes down whatever the test left mounted, then the folder.
aufraeumen() {
    findmnt --raw --noheadings --output TARGET | grep -F "$ordner" | sort -r |
        while read -r punkt; do umount --lazy "$(printf '%b' "$punkt")"; done || true
    rm -rf --one-file-system "$ordner"
}

# A root as a killed run leaves it: a tmpfs as its /dev with another inside, a host folder bound.
stehengelassen() {
    mkdir -p "$wurzel/dev" "$wurzel/wirt" "$wurzel/etc" "$wirt"
    echo bleibt >"$wirt/datei"
    touch "$wurzel/etc/os-release"
    mount -t tmpfs tmpfs "$wurzel/dev"
    mkdir "$wurzel/dev/shm"
    mount -t tmpfs tmpfs "$wurzel/dev/shm"
    touch "$wurzel/dev/shm/x"
    mount --bind "$wirt" "$wurzel/wirt"
}

main() {
    trap aufraeumen EXIT
    stehengelassen
    wurzel_entfernen "$wurzel"
    [ ! -e "$wurzel" ] || { echo "FEHLER: die Wurzel ist noch da" >&2; exit 1; }
    [ "$(cat "$wirt/datei")" = bleibt ] || { echo "FEHLER: der Ordner des Wirts ist leer" >&2; exit 1; }
    if findmnt --raw --noheadings --output TARGET | grep -qF "$ordner"; then
        echo "FEHLER: noch eingehängt" >&2
        exit 1
    fi
    echo "Wurzel mit drei Einhängepunkten entfernt, der Ordner des Wirts unberührt"
}

main "$@"
