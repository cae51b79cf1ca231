#!/usr/bin/env bash
# The shell library the scripts share (scripts/hilfen/gemeinsam.sh): a quiet command shows its
# output only when it fails and keeps its status; a command's result passes while its messages
# stay aside unless it fails; a build folder's lists are read by exact name, a missing one named.
# Usage: bash tests/gemeinsam_test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/gemeinsam.sh

fehler=0
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

# Compares what CASE gave (GOT) with what it should (WANT); counts a difference.
# Usage: gleich CASE GOT WANT
gleich() {
    [ "$2" = "$3" ] && return
    printf 'FEHLER: %s: %q statt %q\n' "$1" "$2" "$3" >&2
    fehler=$((fehler + 1))
}

# A command that says something on both outputs and ends with STATUS.
redet() { echo "heraus"; echo "Meldung" >&2; return "$1"; }

# Runs WRAPPER redet STATUS; prints its stdout, its stderr and its status as "OUT|ERR|STATUS".
# Usage: lauf WRAPPER STATUS
lauf() {
    local aus status=0
    aus=$("$1" redet "$2" 2>"$arbeit/err") || status=$?
    printf '%s|%s|%s' "$aus" "$(tr '\n' ' ' <"$arbeit/err")" "$status"
}

# Each row: wrapper, the command's status, and what comes out, what is said, which status.
while read -r wrapper status erwartet; do
    gleich "$wrapper $status" "$(lauf "$wrapper" "$status")" "${erwartet//_/ }"
done <<'EOF'
leise 0 ||0
leise 3 |heraus_Meldung_|3
ergebnis 0 heraus||0
ergebnis 4 heraus|Meldung_|4
EOF

printf '%s\n' "version 2012.1" "paket quentor_2012.1_amd64.deb" "paketquelle x y.deb" \
    >"$arbeit/freigabe.txt"
gleich "Wert" "$(freigabe_wert "$arbeit" version)" "2012.1"
gleich "Datei" "$(freigabe_datei "$arbeit" paket)" "$arbeit/quentor_2012.1_amd64.deb"
gleich "Wert mit Blank" "$(freigabe_wert "$arbeit" paketquelle)" "x y.deb"
gleich "fehlt" "$(freigabe_wert "$arbeit" zip 2>&1 || echo "Status $?")" \
    "Keine Angabe zip in $arbeit (freigabe.txt): erst konfigurieren.
Status 1"
gleich "kein Ordner" "$(freigabe_datei "$arbeit/nicht" paket 2>/dev/null || echo "Status $?")" \
    "Status 1"

[ "$fehler" -eq 0 ] || exit 1
echo "gemeinsam.sh: alle Fälle bestanden"
