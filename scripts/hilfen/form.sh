# The window Form1 as its sources define it, for the scripts that find it on a display or check
# what a desktop was told: FORM_TITEL (core/texte.h), FORM_BREITE and FORM_HOEHE in pixels at
# 96 dpi (ui/steuerelemente.h gives twips; 15 twips make a pixel there). Sourced; sets only these.
# shellcheck shell=bash
_form_quelle=$(dirname "${BASH_SOURCE[0]}")/../..
_form_twips() {
    sed -n "s/.* $1 = \([0-9]*\);\$/\1/p" "$_form_quelle/ui/steuerelemente.h"
}
FORM_TITEL=$(sed -n 's/.* formtitel = "\(.*\)";$/\1/p' "$_form_quelle/core/texte.h")
FORM_BREITE=$(_form_twips formbreiteTwips)
FORM_HOEHE=$(_form_twips formhoeheTwips)
if [ -z "$FORM_TITEL" ] || [ -z "$FORM_BREITE" ] || [ -z "$FORM_HOEHE" ]; then
    echo "Titel oder Größe des Fensters nicht in core/texte.h, ui/steuerelemente.h gefunden." >&2
    exit 1
fi
FORM_BREITE=$((FORM_BREITE / 15))
FORM_HOEHE=$((FORM_HOEHE / 15))
unset -f _form_twips
unset _form_quelle
