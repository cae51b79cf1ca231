#!/usr/bin/env bash
# What a screen reader gets from the real window: a virtual X display, a private session bus, the
# accessibility bus on it, and the real program with Qt's AT-SPI bridge always on, in a fresh home
# and runtime folder; zugang_test.py then reads and presses the window through the accessibility
# bus alone. Then the window suite's accessibility tests run once more on the same display and
# buses, where Qt hands its events on (offscreen it does not). Everything started here is ended
# when the script ends, however it ends; every wait has a limit.
# Usage: zugang_test.sh QUENTOR UI_TESTS
set -euo pipefail
quentor=$1
ui_tests=$2
pruefung="$(dirname "$0")/zugang_test.py"
# Set by main: the temporary folder (sockets, home, logs); the process groups started, in order.
ordner=""
gruppen=()

# Ends the process groups started, the last first, each given two seconds before it is killed.
beenden() {
    local i pid
    for ((i = ${#gruppen[@]} - 1; i >= 0; i--)); do
        pid=${gruppen[i]}
        kill -TERM -- "-$pid" 2>/dev/null || continue
        for _ in $(seq 20); do
            kill -0 -- "-$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$pid" 2>/dev/null || true
    done
}

# On exit: the logs of a failed run, then the processes, then the folder.
aufraeumen() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "$ordner" ]; then
        for protokoll in "$ordner"/*.log; do
            [ -s "$protokoll" ] || continue
            echo "--- ${protokoll##*/}"
            tail -20 "$protokoll"
        done
    fi
    beenden
    [ -z "$ordner" ] || rm -rf "$ordner"
    exit "$status"
}

# Runs COMMAND... in the background as a process group of its own (setsid), so that what it starts
# ends with it; output into LOG.
# Usage: gruppe_starten LOG COMMAND...
gruppe_starten() {
    local protokoll=$1
    shift
    setsid "$@" >"$protokoll" 2>&1 </dev/null &
    gruppen+=("$!")
}

# Waits up to SECONDS until COMMAND... succeeds; fails naming WHAT otherwise.
# Usage: warte_bis SECONDS WHAT COMMAND...
warte_bis() {
    local grenze=$(($1 * 10)) was=$2
    shift 2
    for _ in $(seq "$grenze"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Nach $((grenze / 10)) s nicht bereit: $was" >&2
    return 1
}

# The python whose modules Debian's python3-gi and gir1.2-atspi-2.0 fill: the system's, which
# another python3 earlier in PATH (a virtual environment, pyenv) would hide.
python_mit_atspi() {
    local python
    for python in /usr/bin/python3 python3; do
        if "$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
            printf '%s\n' "$python"
            return
        fi
    done
    echo "Kein python3 mit gi und Atspi 2.0 (python3-gi, gir1.2-atspi-2.0)." >&2
    return 1
}

# The accessibility bus launcher: where the session bus's service file for org.a11y.Bus says it
# is, else where Debian keeps it.
launcher_pfad() {
    local datei pfad
    for datei in /usr/share/dbus-1/services/org.a11y.Bus.service \
        /usr/local/share/dbus-1/services/org.a11y.Bus.service; do
        [ -f "$datei" ] || continue
        pfad=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$datei")
        [ -x "$pfad" ] && { printf '%s\n' "$pfad"; return; }
    done
    for pfad in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [ -x "$pfad" ] && { printf '%s\n' "$pfad"; return; }
    done
    echo "Kein at-spi-bus-launcher (at-spi2-core)." >&2
    return 1
}

# A fresh home and runtime folder, and no desktop settings read or written.
umgebung_anlegen() {
    export HOME="$ordner/heim" XDG_RUNTIME_DIR="$ordner/laufzeit"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_DATA_HOME="$HOME/.local/share" GSETTINGS_BACKEND=memory
    mkdir -p "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
}

# Xvfb on a display number it picks itself (-displayfd): no race with another X server.
xvfb_starten() {
    local nummer="$ordner/anzeige"
    gruppe_starten "$ordner/xvfb.log" Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 \
        3>"$nummer"
    warte_bis 20 "Xvfb" test -s "$nummer"
    DISPLAY=":$(cat "$nummer")"
    export DISPLAY
    warte_bis 10 "Anzeige $DISPLAY" xdpyinfo
}

# A session bus of our own on a socket in the folder.
sitzungsbus_starten() {
    local socket="$ordner/sitzungsbus"
    gruppe_starten "$ordner/sitzungsbus.log" dbus-daemon --session --nofork \
        --address="unix:path=$socket"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$socket"
    warte_bis 10 "Sitzungsbus" dbus-send --session --dest=org.freedesktop.DBus \
        --print-reply /org/freedesktop/DBus org.freedesktop.DBus.ListNames
}

# True once NAME has an owner on the session bus.
# Usage: hat_besitzer NAME
hat_besitzer() {
    dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q "boolean true"
}

# The accessibility bus and its registry, started at once (not when first asked for).
atspi_starten() {
    local launcher
    launcher=$(launcher_pfad)
    gruppe_starten "$ordner/atspi.log" "$launcher" --launch-immediately
    warte_bis 10 "org.a11y.Bus" hat_besitzer org.a11y.Bus
}

# The real program, its accessibility always on (Qt asks no desktop setting then).
quentor_starten() {
    gruppe_starten "$ordner/quentor.log" env QT_QPA_PLATFORM=xcb \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$quentor"
}

main() {
    local python
    python=$(python_mit_atspi)
    ordner=$(mktemp -d)
    trap aufraeumen EXIT
    trap 'exit 143' TERM INT
    umgebung_anlegen
    xvfb_starten
    sitzungsbus_starten
    atspi_starten
    quentor_starten
    timeout -k 5 150 "$python" -B "$pruefung"
    QUENTOR_TEST_PLATTFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timeout -k 5 60 "$ui_tests" \
        --gtest_filter='Zugang*' --gtest_brief=1
}

main "$@"
