#!/usr/bin/env bash
# Gives one Windows program, DLL, installer or uninstaller of the release its Authenticode
# signature (SHA-256, with the program's name and the project's address) and keeps the signature
# as NAME.p7s in FOLDER/signaturen, from where it can be attached to a rebuild. Run by CPack on
# its staging folders (freigabe/windows/signieren.cmake) and by NSIS on the installer and its
# uninstaller (NSIS.template.in). Each file is signed once a run: the zip's copy of a program gets
# the signature its installer copy got (freigabe/windows/windows-freigabe.sh empties
# FOLDER/signaturen before a run).
#
# With what, from the environment:
# - QUENTOR_SIGNATUREN=FOLDER: the published signatures (*.p7s, as FOLDER/signaturen holds them)
#   are attached instead of signing, which gives the signed release from a rebuild;
# - the maintainer's key: on a hardware token, QUENTOR_SIGNATUR_PKCS11_MODUL=FILE (the token's
#   PKCS#11 module) with QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL=URI (the key's PKCS#11 URI) and
#   QUENTOR_SIGNATUR_ZERTIFIKAT=FILE (the certificate chain, PEM), the PIN in
#   QUENTOR_SIGNATUR_PASSWORTDATEI=FILE; or QUENTOR_SIGNATUR_PKCS12=FILE (its password, if any, in
#   QUENTOR_SIGNATUR_PASSWORTDATEI); or QUENTOR_SIGNATUR_ZERTIFIKAT with
#   QUENTOR_SIGNATUR_SCHLUESSEL=FILE;
# - neither: a throwaway certificate authority made once in FOLDER, whose name and whose
#   certificate's subject say "Wegwerf"; its certificate FOLDER/wegwerf-ca.pem verifies the
#   signatures and says nothing about who made them.
# QUENTOR_ZEITSTEMPEL=URL asks that timestamp server (RFC 3161); without it the signing time is
# SOURCE_DATE_EPOCH, so that signing again gives the same bytes. QUENTOR_SIGNATUR_CA=FILE names
# the authority the signatures are checked against (default: the throwaway one, if it signed,
# else the system's authorities), QUENTOR_ZEITSTEMPEL_CA=FILE the timestamp server's (default:
# the system's). In the release mode (QUENTOR_FREIGABE=1, freigabe/gemeinsam/betreuer.sh) a
# throwaway authority, a certificate other than the maintainer's (its fingerprint that of
# QUENTOR_SIGNATUR_BETREUER, by default the certificate committed as
# packaging/schluessel/quentor-code.pem) and a signature without a valid timestamp are refused.
# Usage: bash freigabe/windows/signieren.sh FOLDER PROGRAM_NAME ADDRESS VENDOR FILE NAME
set -euo pipefail
# shellcheck source=freigabe/gemeinsam/betreuer.sh
source "$(dirname "$0")/../gemeinsam/betreuer.sh"

# Makes the throwaway authority and a code-signing certificate of VENDOR issued by it, in FOLDER,
# unless they are there.
# Usage: wegwerf_ca FOLDER VENDOR
wegwerf_ca() {
    local ordner=$1 hersteller=$2
    [ ! -f "$ordner/wegwerf-kette.pem" ] || return 0
    mkdir -p "$ordner"
    openssl req -x509 -newkey rsa:3072 -nodes -days 36500 -keyout "$ordner/wegwerf-ca.key" \
        -out "$ordner/wegwerf-ca.pem" -subj "/CN=$hersteller Wegwerf-Zertifizierungsstelle" \
        -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
    openssl req -newkey rsa:3072 -nodes -keyout "$ordner/wegwerf-code.key" \
        -out "$ordner/wegwerf-code.csr" -subj "/CN=$hersteller (Wegwerf)" 2>/dev/null
    openssl x509 -req -in "$ordner/wegwerf-code.csr" -CA "$ordner/wegwerf-ca.pem" \
        -CAkey "$ordner/wegwerf-ca.key" -set_serial 2 -days 36500 -out "$ordner/wegwerf-code.pem" \
        -extfile <(printf '%s\n' "basicConstraints=CA:FALSE" "keyUsage=critical,digitalSignature" \
            "extendedKeyUsage=codeSigning") 2>/dev/null
    cat "$ordner/wegwerf-code.pem" "$ordner/wegwerf-ca.pem" >"$ordner/wegwerf-kette.pem"
    echo "Wegwerf-Zertifizierungsstelle angelegt: $ordner/wegwerf-ca.pem"
}

# Prints osslsigncode's options for the key (one a line): the maintainer's, or the throwaway one
# in FOLDER (made if missing).
# Usage: schluessel_wahl FOLDER VENDOR
schluessel_wahl() {
    if [ -n "${QUENTOR_SIGNATUR_PKCS11_MODUL:-}" ]; then
        printf '%s\n' -pkcs11module "$QUENTOR_SIGNATUR_PKCS11_MODUL" -certs \
            "${QUENTOR_SIGNATUR_ZERTIFIKAT:?QUENTOR_SIGNATUR_ZERTIFIKAT fehlt (die Zertifikatskette)}" \
            -key "${QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL:?QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL fehlt}"
        passwort_wahl
    elif [ -n "${QUENTOR_SIGNATUR_PKCS12:-}" ]; then
        printf '%s\n' -pkcs12 "$QUENTOR_SIGNATUR_PKCS12"
        passwort_wahl
    elif [ -n "${QUENTOR_SIGNATUR_ZERTIFIKAT:-}" ]; then
        printf '%s\n' -certs "$QUENTOR_SIGNATUR_ZERTIFIKAT" -key "$QUENTOR_SIGNATUR_SCHLUESSEL"
    else
        betreuer_nicht_in_freigabe "kein Wegwerfzertifikat; der Schlüssel des Betreuers fehlt (QUENTOR_SIGNATUR_PKCS11_MODUL, QUENTOR_SIGNATUR_PKCS12 oder QUENTOR_SIGNATUR_ZERTIFIKAT)." ||
            return
        wegwerf_ca "$1" "$2" >&2
        printf '%s\n' -certs "$1/wegwerf-kette.pem" -key "$1/wegwerf-code.key"
    fi
}

# Prints the option for the password or PIN, when one is given.
passwort_wahl() {
    [ -z "${QUENTOR_SIGNATUR_PASSWORTDATEI:-}" ] || printf '%s\n' -readpass "$QUENTOR_SIGNATUR_PASSWORTDATEI"
}

# True when any of the maintainer's keys is given.
betreuer_schluessel_gegeben() {
    [ -n "${QUENTOR_SIGNATUR_PKCS11_MODUL:-}${QUENTOR_SIGNATUR_PKCS12:-}${QUENTOR_SIGNATUR_ZERTIFIKAT:-}" ]
}

# Prints the certificate the given key signs with (PEM): the first of the PKCS#12 file's or of
# the chain.
signierzertifikat() {
    local passwort=pass:
    if [ -z "${QUENTOR_SIGNATUR_PKCS11_MODUL:-}" ] && [ -n "${QUENTOR_SIGNATUR_PKCS12:-}" ]; then
        [ -z "${QUENTOR_SIGNATUR_PASSWORTDATEI:-}" ] || passwort=file:$QUENTOR_SIGNATUR_PASSWORTDATEI
        openssl pkcs12 -in "$QUENTOR_SIGNATUR_PKCS12" -passin "$passwort" -nokeys -clcerts |
            openssl x509
    else
        openssl x509 -in "$QUENTOR_SIGNATUR_ZERTIFIKAT"
    fi
}

# Prints the SHA-256 fingerprint of the certificate (PEM) on standard input.
fingerabdruck() {
    openssl x509 -noout -fingerprint -sha256 | cut -d= -f2
}

# In the release mode: fails with a message unless the given key's certificate is the
# maintainer's.
betreuer_zertifikat_pruefen() {
    local betreuer=${QUENTOR_SIGNATUR_BETREUER:-$(dirname "$0")/../../packaging/schluessel/quentor-code.pem}
    local eigener
    betreuer_freigabemodus || return 0
    eigener=$(signierzertifikat | fingerabdruck) || return
    if [ ! -r "$betreuer" ] || [ "$eigener" != "$(fingerabdruck <"$betreuer")" ]; then
        betreuer_nicht_in_freigabe "das Zertifikat $eigener ist nicht das des Betreuers ($betreuer)."
    fi
}

# Prints the options for the signing time: the timestamp server's, or SOURCE_DATE_EPOCH.
zeit_wahl() {
    if [ -n "${QUENTOR_ZEITSTEMPEL:-}" ]; then
        printf '%s\n' -ts "$QUENTOR_ZEITSTEMPEL"
    else
        betreuer_nicht_in_freigabe "keine Signatur ohne Zeitstempel; QUENTOR_ZEITSTEMPEL fehlt." || return
        printf '%s\n' -time "${SOURCE_DATE_EPOCH:?SOURCE_DATE_EPOCH ist nicht gesetzt}"
    fi
}

# Prints the authority the signature is checked against: given, the throwaway one when it
# signed, or the system's.
# Usage: pruef_ca FOLDER
pruef_ca() {
    if [ -n "${QUENTOR_SIGNATUR_CA:-}" ]; then
        echo "$QUENTOR_SIGNATUR_CA"
    elif ! betreuer_schluessel_gegeben && [ -f "$1/wegwerf-ca.pem" ]; then
        echo "$1/wegwerf-ca.pem"
    else
        echo /etc/ssl/certs/ca-certificates.crt
    fi
}

# Signs FILE into SIGNED and keeps its signature as SIGNATURE.
# Usage: neu_signieren FOLDER PROGRAM_NAME ADDRESS VENDOR FILE SIGNED SIGNATURE
neu_signieren() {
    local wahl schluessel zeit
    # Each in a substitution of its own, so that a refusal of either stops the signing.
    schluessel=$(schluessel_wahl "$1" "$4") && zeit=$(zeit_wahl) || return
    betreuer_zertifikat_pruefen || return
    mapfile -t wahl <<<"$schluessel"$'\n'"$zeit"
    osslsigncode sign "${wahl[@]}" -h sha256 -n "$2" -i "$3" -in "$5" -out "$6" >/dev/null
    osslsigncode extract-signature -in "$6" -out "$7" >/dev/null
}

# Attaches SIGNATURE to FILE, into SIGNED, and checks it against the authority.
# Usage: anhaengen SIGNATURE FILE SIGNED CA
anhaengen() {
    local protokoll
    if ! protokoll=$(osslsigncode attach-signature -sigin "$1" -CAfile "$4" -in "$2" -out "$3" 2>&1); then
        printf '%s\n' "$protokoll" >&2
        echo "Die Signatur $1 passt nicht zu $2: die unsignierte Datei ist eine andere." >&2
        return 1
    fi
}

# Checks the signature of SIGNED against the authority CA, and its timestamp against the timestamp
# server's authority when one was asked; in the release mode the timestamp must be there. Shows
# osslsigncode's report when it fails.
# Usage: pruefen SIGNED CA
pruefen() {
    local protokoll zeitstempel=()
    [ -z "${QUENTOR_ZEITSTEMPEL:-}" ] ||
        zeitstempel=(-TSA-CAfile "${QUENTOR_ZEITSTEMPEL_CA:-/etc/ssl/certs/ca-certificates.crt}")
    if ! protokoll=$(osslsigncode verify -CAfile "$2" "${zeitstempel[@]}" -in "$1" 2>&1); then
        printf '%s\n' "$protokoll" >&2
        echo "Die Signatur von $1 ist nicht gültig." >&2
        return 1
    fi
    if betreuer_freigabemodus && ! grep -q "Timestamp Server Signature verification: ok" <<<"$protokoll"; then
        printf '%s\n' "$protokoll" >&2
        echo "Der Zeitstempel der Signatur von $1 fehlt oder ist nicht gültig." >&2
        return 1
    fi
}

main() {
    local ordner=$1 programm=$2 adresse=$3 hersteller=$4 datei=$5 name=$6
    local signatur="$ordner/signaturen/$name.p7s" signiert="$datei.signiert"
    mkdir -p "$(dirname "$signatur")"
    rm -f "$signiert"
    if [ ! -f "$signatur" ] && [ -n "${QUENTOR_SIGNATUREN:-}" ]; then
        cp "$QUENTOR_SIGNATUREN/$name.p7s" "$signatur"
    fi
    if [ -f "$signatur" ]; then
        anhaengen "$signatur" "$datei" "$signiert" "$(pruef_ca "$ordner")"
    else
        neu_signieren "$ordner" "$programm" "$adresse" "$hersteller" "$datei" "$signiert" "$signatur"
        pruefen "$signiert" "$(pruef_ca "$ordner")"
    fi
    mv "$signiert" "$datei"
}

main "$@"
