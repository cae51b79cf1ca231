# What the commands and release steps do alike, as functions: a command run quietly whose output
# is shown only when it fails, a preset configured and built with its folder printed, a window's
# picture on a virtual X server, a package under lintian; with what a build folder holds
# (scripts/hilfen/programme.sh, sourced here too). Sourcing defines them and changes nothing else.
# Run from the top of the source tree.
# shellcheck shell=bash
# shellcheck source=scripts/hilfen/programme.sh
source "$(dirname "${BASH_SOURCE[0]}")/programme.sh"

# Runs COMMAND... with its output (stdout and stderr) kept aside; shows it on stderr only when the
# command fails, and returns the command's status.
# Usage: leise COMMAND...
leise() {
    local protokoll status=0
    protokoll=$(mktemp) || return
    "$@" >"$protokoll" 2>&1 || status=$?
    [ "$status" -eq 0 ] || cat "$protokoll" >&2
    rm -f "$protokoll"
    return "$status"
}

# Runs COMMAND... and passes on its result, what it prints on stdout; what it says on stderr is
# kept aside and shown only when it fails. Returns the command's status.
# Usage: ergebnis COMMAND...
ergebnis() {
    local protokoll status=0
    protokoll=$(mktemp) || return
    "$@" 2>"$protokoll" || status=$?
    [ "$status" -eq 0 ] || cat "$protokoll" >&2
    rm -f "$protokoll"
    return "$status"
}

# Configures the CMake preset PRESET with the further cmake ARGUMENTS (-B FOLDER among them for
# another folder than the preset's), cmake's output shown only when it fails, and prints the build
# folder, relative to the current folder.
# Usage: konfigurieren PRESET [ARGUMENT...]
konfigurieren() {
    local ausgabe ordner
    if ! ausgabe=$(cmake --preset "$@" 2>&1); then
        printf '%s\n' "$ausgabe" >&2
        return 1
    fi
    ordner=$(sed -n 's/^-- Build files have been written to: //p' <<<"$ausgabe")
    [ -n "$ordner" ] || { echo "cmake nannte keinen Bauordner für $1." >&2; return 1; }
    realpath --relative-to=. "$ordner"
}

# Configures as konfigurieren does and builds the folder on every core, everything or the targets
# named with --ziel, the build's progress on stderr; prints the build folder.
# Usage: bauen [--ziel TARGET]... PRESET [ARGUMENT...]
bauen() {
    local ordner ziele=()
    while [ "${1:-}" = --ziel ]; do
        ziele+=(--target "$2")
        shift 2
    done
    ordner=$(konfigurieren "$@") || return
    cmake --build "$ordner" "${ziele[@]}" -j "$(nproc)" >&2 || return
    printf '%s\n' "$ordner"
}

# Prints the file NAME of the release made in the build folder of PRESET (freigabe_datei); fails
# when it is not made yet.
# Usage: freigabe_von PRESET NAME
freigabe_von() {
    local datei
    datei=$(freigabe_datei "$(konfigurieren "$1")" "$2") || return
    if [ ! -f "$datei" ]; then
        echo "$datei fehlt: erst die Freigabe machen (freigabe/linux/paket.sh, freigabe/linux/arm64.sh)." >&2
        return 1
    fi
    printf '%s\n' "$datei"
}

# Saves the picture of the window that PROGRAM shows, found by its title (FORM_TITEL, from
# form_masse in scripts/hilfen/programme.sh), on a virtual X server with the screen SCREEN
# (Xvfb's screen 0 and further options, "1024x768x24" when empty) and a runtime folder of its own.
# Usage: fensterbild BILD.png SCREEN PROGRAM [ARGUMENT...]
fensterbild() {
    local bild=$1 schirm=${2:-1024x768x24} laufzeit status=0
    shift 2
    laufzeit=$(mktemp -d) || return
    XDG_RUNTIME_DIR=$laufzeit bash scripts/hilfen/anzeige.sh "-screen 0 $schirm" \
        bash scripts/hilfen/formbild.sh "$bild" "$FORM_TITEL" "$@" || status=$?
    rm -rf "$laufzeit"
    return "$status"
}

# The Debian package PAKET.deb under lintian: its informational tags shown, any error or warning
# fails.
# Usage: lintian_pruefen PAKET.deb
lintian_pruefen() {
    local befund status=0
    befund=$(lintian --fail-on error,warning --display-info "$1" 2>&1) || status=$?
    [ -z "$befund" ] || grep -v "running with root privileges" <<<"$befund" || true
    if [ "$status" -ne 0 ]; then
        echo "lintian: Fehler oder Warnungen in $1" >&2
        return 1
    fi
    echo "lintian: ${1##*/} ohne Fehler und Warnungen"
}
