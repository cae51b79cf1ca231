#!/usr/bin/env bash
# Runs on a (virtual) X display: starts the given program, waits until its window, found by its
# title, is mapped, gives it two seconds for its first paint, saves the window's picture as PNG and
# ends the program.
# Usage: bash scripts/hilfen/formbild.sh BILD.png TITEL PROGRAMM [ARGUMENTE...]
set -euo pipefail

# The id of the mapped window with the title, once it is there; nothing once the program has ended
# or after a minute (a program under qemu on a busy machine may take half of that).
warte_auf_fenster() {
    local titel=$1 pid=$2
    for _ in $(seq 600); do
        if xwininfo -name "$titel" 2>/dev/null | grep -q "Map State: IsViewable"; then
            xwininfo -name "$titel" | awk '/Window id:/ { print $4 }'
            return
        fi
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
}

# Starts the program and waits for its window; sets pid and form. When no window appears, says
# why, with the program's last lines, and fails with 2 if the program could not connect to its
# display, else with 1.
# Usage: starten TITLE PROGRAM [ARGUMENTS...]
starten() {
    local titel=$1 status
    shift
    "$@" >"$ausgabe" 2>&1 &
    pid=$!
    form=$(warte_auf_fenster "$titel" "$pid")
    [ -z "$form" ] || return 0
    if kill "$pid" 2>/dev/null; then
        echo "Das Fenster ist nicht erschienen." >&2
    else
        status=0
        wait "$pid" || status=$?
        echo "Das Fenster ist nicht erschienen: das Programm endete mit Status $status." >&2
    fi
    tail -n 20 "$ausgabe" | sed 's/^/  /' >&2
    if grep -q "could not connect to display" "$ausgabe"; then return 2; fi
    return 1
}

main() {
    local bild=$1 titel=$2 status=0
    shift 2
    # What the program says is shown only when its window does not appear (a global, for the
    # trap).
    ausgabe=$(mktemp)
    trap 'rm -f "$ausgabe"' EXIT
    starten "$titel" "$@" || status=$?
    # A program under qemu on a machine busy with disk work was seen once in a while not to reach
    # a display that had just said it was ready: it is started once more, a little later.
    if [ "$status" -eq 2 ]; then
        echo "Noch ein Versuch in 3 s." >&2
        sleep 3
        status=0
        starten "$titel" "$@" || status=$?
    fi
    [ "$status" -eq 0 ] || exit 1
    sleep 2
    import -window "$form" "$bild"
    kill "$pid"
    wait "$pid" || true
}

main "$@"
