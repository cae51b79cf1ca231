# Where a build folder's programs lie and what its release is (its version and the names of its
# files), as CMake wrote them into the folder (programme.txt, freigabe.txt), and the window's
# title and size as the picture tool reports them from the window itself. Sourced; defines
# functions only.
# shellcheck shell=bash

# Prints what follows NAME on its line of the list FILE ("NAME VALUE" a line); nothing when the
# list or the name is not there.
# Usage: listenwert FILE NAME
listenwert() {
    awk -v name="$2" '$1 == name { sub(/^[^ ]+ /, ""); print; exit }' "$1" 2>/dev/null || true
}

# Prints the path of the program NAME built in BUILD_FOLDER; fails when it has none of that name.
# Usage: programm BUILD_FOLDER NAME
programm() {
    local pfad
    pfad=$(listenwert "$1/programme.txt" "$2")
    if [ -z "$pfad" ]; then
        echo "Kein Programm $2 in $1 (programme.txt)." >&2
        return 1
    fi
    printf '%s\n' "$pfad"
}

# Prints the value NAME of the release of BUILD_FOLDER (freigabe.txt: version, and for each file
# of the release its name: paket, stueckliste on Linux; zip, installationsprogramm, stueckliste
# on Windows); fails when the folder has none of that name.
# Usage: freigabe_wert BUILD_FOLDER NAME
freigabe_wert() {
    local wert
    wert=$(listenwert "$1/freigabe.txt" "$2")
    if [ -z "$wert" ]; then
        echo "Keine Angabe $2 in $1 (freigabe.txt): erst konfigurieren." >&2
        return 1
    fi
    printf '%s\n' "$wert"
}

# Prints the path of the release's file NAME in BUILD_FOLDER (freigabe_wert), whether it is made
# yet or not.
# Usage: freigabe_datei BUILD_FOLDER NAME
freigabe_datei() {
    local name
    name=$(freigabe_wert "$1" "$2") || return
    printf '%s\n' "$1/$name"
}

# Sets FORM_TITEL, FORM_BREITE and FORM_HOEHE (pixels at 96 dpi) of the window Form1, read from the
# picture tool QUENTOR_BILDVERGLEICH (its --fenster), for the caller that asks for them.
# Usage: form_masse QUENTOR_BILDVERGLEICH
form_masse() {
    local ausgabe
    ausgabe=$(QT_QPA_PLATFORM=offscreen "$1" --fenster 2>/dev/null) || {
        echo "Titel und Größe des Fensters: $1 --fenster schlug fehl." >&2
        return 1
    }
    FORM_TITEL=$(sed -n 1p <<<"$ausgabe")
    read -r FORM_BREITE FORM_HOEHE < <(sed -n 2p <<<"$ausgabe")
}
