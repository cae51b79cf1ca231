#!/usr/bin/env bash
# What Orca says, as a player hears it: the real window and Orca (Debian's, in German, its speech
# written to its debug log) on a virtual display with their own buses. Each round starts the
# program afresh and presses keys as a player does: Tab to "Wurf", Space, five times Tab to
# "Rotat", Space. Orca must say the spin's message after "Wurf" and the rotation's after
# "Rotat" (orca_protokoll.py reads its log): RUNDEN rounds on the machine as it is, then as many
# with every core kept busy by a loop of its own. Installs what is missing (Orca, a German voice, the
# German locale); not part of ctest: Orca is a large install, and the rounds take minutes.
# Usage: bash tests/zugang/orca_test.sh QUENTOR [RUNDEN]
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
quentor=$(realpath "$1")
runden=${2:-10}
source "$hier/busse.sh"
source "$hier/../../scripts/hilfen/pakete.sh"
# Set by main: the temporary folder (sockets, home, logs); the process groups started, in order.
ordner=""
gruppen=()

# Orca's messages and the voice in German: the locale, generated where it is missing.
deutsch_bereitstellen() {
    locale -a | grep -qix 'de_DE.utf-\?8' && return 0
    local als_root=()
    [ "$(id -u)" -eq 0 ] || als_root=(sudo)
    echo "Erzeuge das Gebietsschema de_DE.UTF-8."
    "${als_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

# Speech through speech-dispatcher with espeak-ng in German, as Orca speaks by default, played to
# libao's null device: there is no sound card, and speech-dispatcher waits forever for one.
sprache_einrichten() {
    local einstellungen="$XDG_CONFIG_HOME/speech-dispatcher"
    mkdir -p "$XDG_CONFIG_HOME"
    cp -r /etc/speech-dispatcher "$einstellungen"
    printf '%s\n' 'AudioOutputMethod "libao"' 'DefaultModule espeak-ng' 'DefaultLanguage "de"' \
        >>"$einstellungen/speechd.conf"
    echo "default_driver=null" >"$HOME/.libao"
    export LANG=de_DE.UTF-8 LANGUAGE=de
}

# speech-dispatcher, started by Orca, leaves its process group; it is ended through its pid file.
sprache_beenden() {
    local datei
    for datei in "${XDG_RUNTIME_DIR:-/nicht-da}"/speech-dispatcher/pid/*.pid; do
        [ -f "$datei" ] && kill -KILL "$(cat "$datei")" 2>/dev/null
    done
    return 0
}

# True once Orca has turned accessibility on (org.a11y.Status IsEnabled).
barrierefreiheit_an() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled |
        grep -q "boolean true"
}

# Orca with its debug log written line by line; without braille (there is no display for it).
# Orca's own python: the system's, whose modules Debian's packages fill.
orca_starten() {
    gruppe_starten "$ordner/orca.out" /usr/bin/python3 -B "$hier/orca_mit_protokoll.py" \
        "$ordner/orca.log" --disable braille
    warte_bis 30 "Orca" barrierefreiheit_an
    warte_bis 30 "Orca spricht" gesagt "Bildschirmleser an" 1
}

# True once Orca has said something beginning with TEXT at least COUNT times.
# Usage: gesagt TEXT COUNT
gesagt() {
    [ "$(grep -c -F "SPEECH OUTPUT: '$1" "$ordner/orca.log")" -ge "$2" ]
}

jetzt() {
    date +%H:%M:%S.%N
}

# Presses KEY... one after the other, PAUSE seconds after each.
# Usage: tasten PAUSE KEY...
tasten() {
    local pause=$1 taste
    shift
    for taste in "$@"; do
        xdotool key "$taste"
        sleep "$pause"
    done
}

# Round NUMBER under CONDITION: the program started and given the focus, and once Orca has named
# the window, "Wurf" and "Rotat" pressed with the keyboard; its times go to the rounds' file.
# Usage: runde NUMBER CONDITION
runde() {
    local start wurf rotat programm kennung
    start=$(jetzt)
    gruppe_starten "$ordner/quentor.log" env QT_QPA_PLATFORM=xcb "$quentor"
    programm=${gruppen[-1]}
    warte_bis 30 "das Fenster" xdotool search --name '^Tool / Quentor / V\.2012\.1$'
    kennung=$(xdotool search --name '^Tool / Quentor / V\.2012\.1$')
    xdotool windowfocus --sync "$kennung"
    warte_bis 30 "Orca nennt das Fenster" gesagt "Tool / Quentor / V.2012.1" "$1"
    sleep 1
    tasten 1 Tab
    wurf=$(jetzt)
    tasten 2 space
    tasten 0.7 Tab Tab Tab Tab Tab
    rotat=$(jetzt)
    tasten 5 space
    kill -TERM -- "-$programm"
    wait "$programm" 2>/dev/null || true
    printf '%s %s %s %s %s\n' "$2" "$start" "$wurf" "$rotat" "$(jetzt)" >>"$ordner/runden"
}

# Keeps every core busy with a loop of its own, until the script ends or last_beenden.
last_starten() {
    local i
    last=()
    for i in $(seq "$(nproc)"); do
        gruppe_starten /dev/null bash -c 'while :; do :; done'
        last+=("${gruppen[-1]}")
    done
}

last_beenden() {
    local pid
    for pid in "${last[@]}"; do
        kill -KILL -- "-$pid"
        wait "$pid" 2>/dev/null || true
    done
}

main() {
    local i
    bash "$hier/../../scripts/hilfen/abhaengigkeiten.sh" "${START_PAKETE[@]}" \
        "${ZUGANG_PAKETE[@]}" "${ORCA_PAKETE[@]}"
    deutsch_bereitstellen
    ordner=$(mktemp -d)
    trap 'status=$?; sprache_beenden; aufraeumen "$status"' EXIT
    trap 'exit 143' TERM INT
    umgebung_anlegen
    sprache_einrichten
    xvfb_starten
    sitzungsbus_starten
    atspi_starten
    orca_starten
    echo "Ruhige Runden; Auslastung (1, 5, 15 min): $(cut -d' ' -f1-3 /proc/loadavg)"
    for i in $(seq "$runden"); do runde "$i" ruhig; done
    last_starten
    for i in $(seq "$runden"); do runde "$((runden + i))" unter_Last; done
    echo "Runden unter Last ($(nproc) Schleifen); Auslastung: $(cut -d' ' -f1-3 /proc/loadavg)"
    last_beenden
    python3 -B "$hier/orca_protokoll.py" "$ordner/orca.log" "$ordner/runden"
}

main "$@"
