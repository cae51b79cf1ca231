#!/usr/bin/env bash
# The maintainer's way of signing, proven with the test maintainer whose settings are in the
# environment (freigabe/testbetreuer/testbetreuer.sh; CI makes it and makes every release with
# it): every program of the Windows release and its installer carry a timestamp of the test
# maintainer's timestamp authority; the key in the PKCS#12 file signs in the release mode too;
# the release mode refuses a throwaway authority, a certificate that is not the maintainer's and
# a signature without timestamp; in the build folders (build*/) nothing but the releases' own
# files verifies against the maintainer's certificate or OpenPGP key (no test version, no
# stranger's program, nothing the tests built); and no release folder holds a throwaway key.
# The releases' OpenPGP signatures are named (the SHA256SUMS.asc of each release, the
# repository's InRelease); each must verify. Runs on Debian 13, as the Windows release is made
# (freigabe/gemeinsam/wurzel.sh).
# Usage: bash freigabe/testbetreuer/betreuer_test.sh SIGNATURE...   (the test maintainer's settings given)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/programme.sh
source freigabe/gemeinsam/wurzel.sh
source freigabe/gemeinsam/openpgp.sh

bau=build-windows
# The number of failed checks.
fehler=0

# Reports a failed check and counts it.
falsch() {
    echo "FEHLER: $*" >&2
    fehler=$((fehler + 1))
}

# osslsigncode's report on FILE's signature, checked against the maintainer's authority and the
# timestamp server's; fails as osslsigncode does.
# Usage: bericht FILE
bericht() {
    osslsigncode verify -CAfile "$QUENTOR_SIGNATUR_CA" -TSA-CAfile "$QUENTOR_ZEITSTEMPEL_CA" -in "$1" 2>&1
}

# True when FILE is validly signed by the maintainer with a valid timestamp.
# Usage: mit_zeitstempel FILE
mit_zeitstempel() {
    bericht "$1" | grep -q "Timestamp Server Signature verification: ok"
}

# Every program and DLL of the release's zip (unpacked into $arbeit/zip) and its installer carry
# the maintainer's signature with its timestamp.
zeitstempel_pruefen() {
    local datei anzahl=0
    while IFS= read -r -d '' datei; do
        mit_zeitstempel "$datei" || falsch "${datei#"$arbeit/zip/"}: kein gültiger Zeitstempel"
        anzahl=$((anzahl + 1))
    done < <(find "$arbeit/zip" "$setup" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    echo "Mit Zeitstempel des Betreuers signiert: $anzahl Programme, DLLs und das Installationsprogramm"
}

# Signs a copy of quentor.exe with the SETTINGS (NAME=VALUE...) in place of the token's, the
# release mode and the test maintainer's authority kept; prints what signieren.sh said, fails as
# it does.
# Usage: signieren_mit NAME SETTING...
signieren_mit() {
    local name=$1 ordner="$arbeit/$1"
    shift
    mkdir -p "$ordner"
    cp "$(find "$arbeit/zip" -name quentor.exe)" "$ordner/quentor.exe"
    env -u QUENTOR_SIGNATUR_PKCS11_MODUL -u QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL \
        -u QUENTOR_SIGNATUR_ZERTIFIKAT -u QUENTOR_SIGNATUR_PASSWORTDATEI "$@" \
        SOURCE_DATE_EPOCH=0 bash freigabe/windows/signieren.sh "$ordner/signatur" Quentor \
        https://quentor.example/ Quentor-Team "$ordner/quentor.exe" quentor.exe 2>&1
}

# The maintainer's key in a PKCS#12 file signs in the release mode, with a timestamp.
pkcs12_pruefen() {
    local ausgabe
    if ! ausgabe=$(signieren_mit pkcs12 "QUENTOR_SIGNATUR_PKCS12=$testbetreuer/code.p12" \
        "QUENTOR_SIGNATUR_PASSWORTDATEI=$testbetreuer/passwort"); then
        falsch "PKCS#12 im Freigabemodus: $ausgabe"
    elif ! mit_zeitstempel "$arbeit/pkcs12/quentor.exe"; then
        falsch "PKCS#12 im Freigabemodus: kein gültiger Zeitstempel"
    else
        echo "PKCS#12 im Freigabemodus: signiert, mit Zeitstempel"
    fi
}

# What the release mode refuses, each with its message: no key (the throwaway authority), the
# certificate of a stranger's throwaway authority, no timestamp server.
ablehnungen_pruefen() {
    local fall ausgabe einstellungen
    declare -A faelle=(
        [wegwerf]="Wegwerfzertifikat"
        [fremdes_zertifikat]="nicht das des Betreuers"
        [ohne_zeitstempel]="ohne Zeitstempel"
    )
    fremde_ca
    for fall in wegwerf fremdes_zertifikat ohne_zeitstempel; do
        mapfile -t einstellungen < <(ablehnung_einstellungen "$fall")
        if ausgabe=$(signieren_mit "$fall" "${einstellungen[@]}"); then
            falsch "$fall: im Freigabemodus angenommen"
        elif ! grep -q "${faelle[$fall]}" <<<"$ausgabe"; then
            falsch "$fall: abgelehnt, aber ohne '${faelle[$fall]}': $ausgabe"
        else
            echo "Im Freigabemodus abgelehnt ($fall): $(grep -m1 Freigabemodus <<<"$ausgabe")"
        fi
    done
}

# A stranger's throwaway authority in $arbeit/fremd, made by signing a copy of quentor.exe there
# without the maintainer's settings.
fremde_ca() {
    cp "$(find "$arbeit/zip" -name quentor.exe)" "$arbeit/fremd.exe"
    betreuer_ohne SOURCE_DATE_EPOCH=0 bash freigabe/windows/signieren.sh "$arbeit/fremd" Fremd \
        https://fremd.example/ Fremd "$arbeit/fremd.exe" fremd.exe >/dev/null
}

# The settings of each refused CASE, one a line: no key, the stranger's certificate and key, or
# the PKCS#12 file without timestamp server.
# Usage: ablehnung_einstellungen CASE
ablehnung_einstellungen() {
    case "$1" in
        wegwerf) echo "QUENTOR_SIGNATUR_PKCS12=" ;;
        fremdes_zertifikat)
            printf '%s\n' "QUENTOR_SIGNATUR_ZERTIFIKAT=$arbeit/fremd/wegwerf-kette.pem" \
                "QUENTOR_SIGNATUR_SCHLUESSEL=$arbeit/fremd/wegwerf-code.key" ;;
        ohne_zeitstempel)
            printf '%s\n' "QUENTOR_SIGNATUR_PKCS12=$testbetreuer/code.p12" \
                "QUENTOR_SIGNATUR_PASSWORTDATEI=$testbetreuer/passwort" QUENTOR_ZEITSTEMPEL= ;;
    esac
}

# The checksums of the release's own files: its installer and every file of its zip.
# Usage: eigene_pruefsummen
eigene_pruefsummen() {
    { sha256sum "$setup"; find "$arbeit/zip" -type f -exec sha256sum {} +; } | cut -d' ' -f1 | sort -u
}

# No program or DLL in the build folders verifies against the maintainer's authority unless it is
# one of the Windows release's own files (the same bytes); prints how many were looked at.
nur_freigabe_authenticode() {
    local eigene datei anzahl=0 signiert=0 fremde=0
    eigene=$(eigene_pruefsummen)
    while IFS= read -r -d '' datei; do
        anzahl=$((anzahl + 1))
        osslsigncode verify -CAfile "$QUENTOR_SIGNATUR_CA" -in "$datei" >/dev/null 2>&1 || continue
        signiert=$((signiert + 1))
        grep -qxF "$(sha256sum "$datei" | cut -d' ' -f1)" <<<"$eigene" && continue
        falsch "$datei trägt die Signatur des Betreuers, ist aber keine Datei der Freigabe"
        fremde=$((fremde + 1))
    done < <(find build* -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    echo "Programme und DLLs in den Bauordnern: $anzahl, mit der Signatur des Betreuers:" \
        "$signiert, davon nicht aus der Freigabe: $fremde"
}

# True when the OpenPGP SIGNATURE (detached, of the file without .asc, or clear-signed) verifies
# against the keyring RING.
# Usage: vom_betreuer RING SIGNATURE
vom_betreuer() {
    if [[ "$2" == *.asc ]]; then
        openpgp_pruefen "$1" "$2" "${2%.asc}" 2>/dev/null
    else
        openpgp_pruefen "$1" "$2" 2>/dev/null
    fi
}

# In the build folders no OpenPGP signature verifies against the maintainer's key but the
# releases' SIGNATURES, each of which does.
# Usage: nur_freigabe_openpgp SIGNATURE...
nur_freigabe_openpgp() {
    local ring="$arbeit/betreuer.pgp" signatur anzahl=0 eigene
    gpg --dearmor <"$QUENTOR_OPENPGP_BETREUER" >"$ring"
    eigene=$(printf '%s\n' "$@")
    for signatur in "$@"; do
        vom_betreuer "$ring" "$signatur" || falsch "$signatur ist nicht vom Betreuer signiert"
    done
    while IFS= read -r -d '' signatur; do
        anzahl=$((anzahl + 1))
        vom_betreuer "$ring" "$signatur" || continue
        grep -qxF "$signatur" <<<"$eigene" ||
            falsch "$signatur trägt die Signatur des Betreuers, ist aber keine der Freigaben"
    done < <(find build* -type f \( -name '*.asc' -o -name InRelease \) -print0)
    echo "OpenPGP-Signaturen in den Bauordnern: $anzahl, vom Betreuer nur die der Freigaben ($#)"
}

# The releases made no throwaway key or authority: none in the build folders of the SIGNATURES.
# Usage: keine_wegwerfschluessel SIGNATURE...
keine_wegwerfschluessel() {
    local signatur ordner vorher=$fehler
    for signatur in "$@"; do
        ordner=${signatur%%/*}
        if [ -e "$ordner/wegwerfschluessel" ] || [ -e "$ordner/signatur/wegwerf-ca.pem" ]; then
            falsch "$ordner hat einen Wegwerfschlüssel, obwohl der Betreuer signiert"
        fi
    done
    [ "$fehler" -ne "$vorher" ] ||
        echo "Kein Wegwerfschlüssel in den Ordnern der Freigaben: $(printf '%s\n' "${@%%/*}" | sort -u | tr '\n' ' ')"
}

main() {
    wurzel_windows_oder_weiter freigabe/testbetreuer/betreuer_test.sh "$*" "${SIGNATUR_PAKETE[@]}" \
        "${FREIGABE_PAKETE[@]}"
    bash scripts/hilfen/abhaengigkeiten.sh "${SIGNATUR_PAKETE[@]}" "${FREIGABE_PAKETE[@]}"
    betreuer_freigabemodus || { echo "Ohne die Einstellungen des Testbetreuers." >&2; exit 2; }
    testbetreuer=$(dirname "$QUENTOR_SIGNATUR_CA")
    setup=$(freigabe_datei "$bau" installationsprogramm)
    arbeit=$(mktemp -d)
    trap 'rm -rf "$arbeit"' EXIT
    python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
        "$(freigabe_datei "$bau" zip)" "$arbeit/zip"
    zeitstempel_pruefen
    pkcs12_pruefen
    ablehnungen_pruefen
    nur_freigabe_authenticode
    nur_freigabe_openpgp "$@"
    keine_wegwerfschluessel "$@"
    [ "$fehler" -eq 0 ]
}

main "$@"
