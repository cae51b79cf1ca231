# What the screen reader tests share, sourced: a virtual X display, a private session bus and the
# accessibility bus on it, in a fresh home and runtime folder, each started as a process group of
# its own and ended with the script, however it ends. Every wait has a limit.
# The caller sets `ordner` (a temporary folder: sockets, home, logs) and `gruppen` (the process
# groups started, in order), and calls aufraeumen on exit.
# shellcheck shell=bash

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
        wait "$pid" 2>/dev/null || true
    done
}

# On exit: the logs of a failed run, then the processes, then the folder; ends with STATUS, by
# default the status the script ended with.
# Usage: aufraeumen [STATUS]
aufraeumen() {
    local status=${1:-$?}
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
