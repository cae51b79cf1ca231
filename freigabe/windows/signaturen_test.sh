#!/usr/bin/env bash
# The signatures of the Windows release: every program and DLL in the zip, and the installer,
# carry a valid Authenticode signature of the authority CA; a copy of quentor.exe with one byte
# changed, and the same signature checked against another authority, are refused.
# Usage: bash freigabe/windows/signaturen_test.sh ZIP SETUP.exe CA.pem
set -euo pipefail
# shellcheck source=freigabe/gemeinsam/betreuer.sh
source "$(dirname "$0")/../gemeinsam/betreuer.sh"

# The number of failed checks.
fehler=0

# Reports a failed check and counts it.
falsch() {
    echo "FEHLER: $*" >&2
    fehler=$((fehler + 1))
}

# True when FILE's signature is valid for the authority CA; osslsigncode's report goes to
# $arbeit/bericht.
# Usage: gueltig FILE CA
gueltig() {
    osslsigncode verify -CAfile "$2" -in "$1" >"$arbeit/bericht" 2>&1
}

# Every program and DLL of the zip (unpacked into $arbeit/zip) and the installer are valid.
alle_gueltig() {
    local datei anzahl=0
    while IFS= read -r -d '' datei; do
        gueltig "$datei" "$ca" || falsch "${datei#"$arbeit/zip/"} ist nicht gültig signiert"
        anzahl=$((anzahl + 1))
    done < <(find "$arbeit/zip" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    [ "$anzahl" -gt 0 ] || falsch "keine Programme im Zip"
    gueltig "$setup" "$ca" || falsch "${setup##*/} ist nicht gültig signiert"
    echo "Gültig signiert: $anzahl Programme und DLLs im Zip und das Installationsprogramm"
}

# A spoiled copy of quentor.exe, or the right one checked against another authority, is refused,
# with osslsigncode's reason.
# Usage: abgelehnt CASE
abgelehnt() {
    local programm="$arbeit/quentor.exe" pruef_ca=$ca erwartet
    cp "$(find "$arbeit/zip" -name quentor.exe)" "$programm"
    case "$1" in
        ein-byte-anders)
            printf 'X' | dd of="$programm" bs=1 seek=4096 conv=notrunc status=none
            erwartet=MISMATCH ;;
        andere-ca)
            pruef_ca="$arbeit/andere/wegwerf-ca.pem"
            erwartet="certificate verify error" ;;
    esac
    if gueltig "$programm" "$pruef_ca"; then
        falsch "$1: die Signatur wird angenommen"
    elif ! grep -q "$erwartet" "$arbeit/bericht"; then
        falsch "$1: abgelehnt, aber ohne '$erwartet'"
    else
        echo "Abgelehnt wie erwartet ($1): $(grep -m1 "$erwartet" "$arbeit/bericht" | tr -s ' \t' ' ')"
    fi
}

# Another throwaway authority, made by signing a copy of quentor.exe in a folder of its own,
# never with the maintainer's keys.
andere_ca() {
    cp "$(find "$arbeit/zip" -name quentor.exe)" "$arbeit/fremd.exe"
    betreuer_ohne SOURCE_DATE_EPOCH=0 bash "$(dirname "$0")/signieren.sh" "$arbeit/andere" Fremd \
        https://fremd.example/ Fremd "$arbeit/fremd.exe" fremd.exe >/dev/null 2>&1
}

main() {
    local fall
    zip=$1 setup=$2 ca=$3
    arbeit=$(mktemp -d)
    trap 'rm -rf "$arbeit"' EXIT
    python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
        "$zip" "$arbeit/zip"
    alle_gueltig
    andere_ca
    for fall in ein-byte-anders andere-ca; do
        abgelehnt "$fall"
    done
    [ "$fehler" -eq 0 ] || exit 1
}

main "$@"
