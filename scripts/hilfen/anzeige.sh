#!/usr/bin/env bash
# Runs a command on a virtual X display of its own: Xvfb with the given server arguments picks a
# free display number itself and tells it when it accepts clients (-displayfd), so two displays
# started at once never meet (xvfb-run -a looks for a free number first and starts the server
# after, and a client of the one that lost could not connect: seen on a new machine under load).
# The server ends with the command; ends with the command's status.
# Usage: bash scripts/hilfen/anzeige.sh "SERVER_ARGUMENTS" COMMAND...
#        (for instance "-screen 0 1024x768x24 -dpi 96")
set -euo pipefail

# The folder of the display's number and log, the server's process and its display number.
ordner=""
server=""
nummer=""

# shellcheck disable=SC2317 # run by the exit trap
aufraeumen() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    [ -z "$ordner" ] || rm -rf "$ordner"
}

# Starts Xvfb with ARGUMENTS (word-split as xvfb-run splits its -s) and waits up to 30 s for its
# display number; sets server and nummer.
# Usage: server_starten "ARGUMENTS"
server_starten() {
    local argumente
    read -ra argumente <<<"$1"
    Xvfb -displayfd 3 -nolisten tcp "${argumente[@]}" 3>"$ordner/nummer" >"$ordner/xvfb.log" 2>&1 &
    server=$!
    for _ in $(seq 300); do
        if [ -s "$ordner/nummer" ]; then
            nummer=$(tr -d '\n' <"$ordner/nummer")
            return
        fi
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb ist nicht bereit:" >&2
    tail -n 20 "$ordner/xvfb.log" >&2
    return 1
}

main() {
    local status=0
    ordner=$(mktemp -d)
    trap aufraeumen EXIT
    server_starten "$1"
    shift
    DISPLAY=":$nummer" "$@" || status=$?
    if [ "$status" -ne 0 ]; then
        kill -0 "$server" 2>/dev/null || echo "Xvfb auf :$nummer endete vor dem Befehl." >&2
        [ ! -s "$ordner/xvfb.log" ] || sed 's/^/  Xvfb: /' "$ordner/xvfb.log" | tail -n 20 >&2
    fi
    exit "$status"
}

main "$@"
