# Where a build folder's programs lie, as CMake wrote it into the folder (programme.txt), and the
# window's title and size as the picture tool reports them from the window itself. Sourced; defines
# functions only.
# shellcheck shell=bash

# Prints the path of the program NAME built in BUILD_FOLDER; fails when it has none of that name.
# Usage: programm BUILD_FOLDER NAME
programm() {
    local pfad
    pfad=$(awk -v name="$2" '$1 == name { sub(/^[^ ]+ /, ""); print; exit }' \
        "$1/programme.txt" 2>/dev/null)
    if [ -z "$pfad" ]; then
        echo "Kein Programm $2 in $1 (programme.txt)." >&2
        return 1
    fi
    printf '%s\n' "$pfad"
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
