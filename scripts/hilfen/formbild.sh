#!/usr/bin/env bash
# Runs on a (virtual) X display: starts the given program, waits until its window, found by the
# title the program gives it (core/texte.h), is mapped, gives it two seconds for its first paint,
# saves the window's picture as PNG and ends the program.
# Usage: bash scripts/hilfen/formbild.sh BILD.png PROGRAMM [ARGUMENTE...]
set -euo pipefail
bild=$1
shift
source "$(dirname "$0")/form.sh"
"$@" >/dev/null 2>&1 &
pid=$!
form=""
for _ in $(seq 300); do
    if xwininfo -name "$FORM_TITEL" 2>/dev/null | grep -q "Map State: IsViewable"; then
        form=$(xwininfo -name "$FORM_TITEL" | awk '/Window id:/ { print $4 }')
        break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$form" ]; then
    echo "Das Fenster ist nicht erschienen." >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
sleep 2
import -window "$form" "$bild"
kill "$pid"
wait "$pid" || true
