#!/usr/bin/env bash
# Runs on a (virtual) X display: starts the given program, waits until its window, found by the
# title the program gives it (core/texte.h), is mapped, gives it two seconds for its first paint,
# saves the window's picture as PNG and ends the program.
# Usage: bash scripts/fensterbild.sh BILD.png PROGRAMM [ARGUMENTE...]
set -euo pipefail
bild=$1
shift
titel=$(sed -n 's/.* fenstertitel = "\(.*\)";$/\1/p' "$(dirname "$0")/../core/texte.h")
"$@" >/dev/null 2>&1 &
pid=$!
fenster=""
for _ in $(seq 300); do
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
    exit 1
fi
sleep 2
import -window "$fenster" "$bild"
kill "$pid"
wait "$pid" || true
