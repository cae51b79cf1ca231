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
source "$(dirname "$0")/busse.sh"
# Set by main: the temporary folder (sockets, home, logs); the process groups started, in order.
ordner=""
gruppen=()

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
