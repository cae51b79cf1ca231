# OpenPGP signatures of the releases (their SHA256SUMS) and of the apt repository (its InRelease),
# made with gpg, as functions. Sourcing defines them and changes nothing else.
#
# Which key: the one or ones QUENTOR_OPENPGP_SCHLUESSEL names the file of (exported with
# gpg --export-secret-keys; a passphrase, if any, in the file that QUENTOR_OPENPGP_PASSWORT
# names), each of which signs, so that a new key can be rolled in beside the old one; otherwise a
# throwaway key, made once for a build folder and kept in it (FOLDER/wegwerfschluessel/), so that
# a rerun signs with the same key. A key is the maintainer's when its fingerprint is in the
# maintainer's public key (freigabe/gemeinsam/betreuer.sh), whichever variable named it; any
# other is a throwaway key, which lets anyone check the mechanics and says nothing about who
# made the release, and which the release mode refuses.
#
# gpg works in a short-lived home folder of its own under /tmp (openpgp_mit_heim): gpg-agent's
# socket path is limited in length, and build folders may have long paths with blanks.
# shellcheck shell=bash
# shellcheck source=freigabe/gemeinsam/betreuer.sh
source "$(dirname "${BASH_SOURCE[0]}")/betreuer.sh"

# The maintainer's public key as committed: the fingerprints a release's key must have.
OPENPGP_BETREUER_STANDARD=packaging/schluessel/quentor-betreuer.asc

# Runs COMMAND... with GNUPGHOME set to a new, empty home folder, ends that folder's gpg-agent
# and removes it afterwards; returns the command's status.
# Usage: openpgp_mit_heim COMMAND...
openpgp_mit_heim() {
    local heim status=0
    heim=$(mktemp -d /tmp/qgpg.XXXXXX) || return
    GNUPGHOME=$heim "$@" || status=$?
    gpgconf --homedir "$heim" --kill all 2>/dev/null || true
    rm -rf "$heim"
    return "$status"
}

# Prints the file of the signing key's public half beside SHA256SUMS or in a repository: which
# name says whose key it is.
# Usage: openpgp_schluesselname
openpgp_schluesselname() {
    if openpgp_vom_betreuer; then
        echo quentor-schluessel.pgp
    else
        echo quentor-wegwerfschluessel.pgp
    fi
}

# Prints the fingerprints of the primary keys in FILE (public or secret, binary or armoured),
# one a line.
# Usage: openpgp_fingerabdruecke FILE   (in openpgp_mit_heim)
openpgp_fingerabdruecke() {
    gpg --batch --with-colons --show-keys "$1" 2>/dev/null |
        awk -F: '$1 == "pub" || $1 == "sec" { primaer = 1; next }
                 $1 == "fpr" && primaer { print $10; primaer = 0; next }
                 $1 != "fpr" { primaer = 0 }'
}

# Prints the file of the maintainer's public key: QUENTOR_OPENPGP_BETREUER, or the committed one.
openpgp_betreuerdatei() {
    printf '%s\n' "${QUENTOR_OPENPGP_BETREUER:-$OPENPGP_BETREUER_STANDARD}"
}

# True when QUENTOR_OPENPGP_SCHLUESSEL names keys that are all the maintainer's: their
# fingerprints are in the maintainer's public key.
# Usage: openpgp_vom_betreuer
openpgp_vom_betreuer() {
    local betreuer
    betreuer=$(openpgp_betreuerdatei)
    [ -n "${QUENTOR_OPENPGP_SCHLUESSEL:-}" ] && [ -r "$QUENTOR_OPENPGP_SCHLUESSEL" ] &&
        [ -r "$betreuer" ] || return 1
    openpgp_mit_heim openpgp_teilmenge "$QUENTOR_OPENPGP_SCHLUESSEL" "$betreuer"
}

# True when every key in FILE is also in the keyring OTHER (by fingerprint), and FILE has one.
# Usage: openpgp_teilmenge FILE OTHER   (in openpgp_mit_heim)
openpgp_teilmenge() {
    local eigene andere
    eigene=$(openpgp_fingerabdruecke "$1" | sort -u)
    andere=$(openpgp_fingerabdruecke "$2" | sort -u)
    [ -n "$eigene" ] && [ -z "$(comm -23 <(printf '%s\n' "$eigene") <(printf '%s\n' "$andere"))" ]
}

# Prints the file of FOLDER's throwaway secret key, made there first when it is not there yet.
# Usage: openpgp_wegwerfschluessel FOLDER
openpgp_wegwerfschluessel() {
    local ordner="$1/wegwerfschluessel"
    if [ ! -s "$ordner/geheim.asc" ]; then
        betreuer_nicht_in_freigabe "kein Wegwerfschlüssel; QUENTOR_OPENPGP_SCHLUESSEL fehlt." || return
        mkdir -p "$ordner" && chmod 700 "$ordner" || return
        openpgp_mit_heim openpgp_schluessel_machen "$ordner/geheim.asc" >&2 || return
    fi
    printf '%s\n' "$ordner/geheim.asc"
}

# Makes a new signing key (Ed25519, no passphrase, no expiry) and writes its secret half to FILE.
# Usage: openpgp_schluessel_machen FILE   (in openpgp_mit_heim)
openpgp_schluessel_machen() {
    echo "Mache einen Wegwerfschlüssel: $1"
    gpg --batch --quiet --passphrase '' --quick-generate-key \
        "Quentor Wegwerfschluessel <wegwerf@quentor.example>" ed25519 sign never &&
        gpg --batch --armor --export-secret-keys >"$1" && chmod 600 "$1"
}

# Imports the signing keys for FOLDER (those given, or FOLDER's throwaway key) and prints their
# fingerprints, one a line; in the release mode only the maintainer's keys are taken.
# Usage: openpgp_schluessel_laden FOLDER   (in openpgp_mit_heim)
openpgp_schluessel_laden() {
    local datei=${QUENTOR_OPENPGP_SCHLUESSEL:-}
    if [ -z "$datei" ]; then
        datei=$(openpgp_wegwerfschluessel "$1") || return
    elif [ ! -r "$datei" ]; then
        echo "QUENTOR_OPENPGP_SCHLUESSEL: $datei ist nicht lesbar." >&2
        return 1
    elif betreuer_freigabemodus && ! openpgp_teilmenge "$datei" "$(openpgp_betreuerdatei)"; then
        betreuer_nicht_in_freigabe "$datei ist nicht der Schlüssel des Betreuers ($(openpgp_betreuerdatei))."
        return
    fi
    gpg --batch --quiet --import "$datei" 2>/dev/null || return
    openpgp_fingerabdruecke "$datei"
}

# The gpg options for signing with each key FINGERPRINTS names (one a line), and the
# maintainer's passphrase, if given.
# Usage: openpgp_signierwahl FINGERPRINTS
openpgp_signierwahl() {
    local fingerabdruck
    printf '%s\n' --batch --yes --pinentry-mode loopback
    while IFS= read -r fingerabdruck; do printf '%s\n' --local-user "$fingerabdruck"; done <<<"$1"
    if [ -n "${QUENTOR_OPENPGP_PASSWORT:-}" ]; then
        printf '%s\n' --passphrase-file "$QUENTOR_OPENPGP_PASSWORT"
    else
        printf '%s\n' --passphrase ''
    fi
}

# Writes the public keys FINGERPRINTS (one a line) to FILE as a binary keyring, as apt and gpgv
# read it.
# Usage: openpgp_oeffentlich FINGERPRINTS FILE   (in openpgp_mit_heim)
openpgp_oeffentlich() {
    local schluessel
    mapfile -t schluessel <<<"$1"
    gpg --batch --export --export-options export-minimal "${schluessel[@]}" >"$2"
}

# Signs FILE with each key FINGERPRINTS names (one a line): a detached, ASCII-armoured signature
# in FILE.asc.
# Usage: openpgp_abgetrennt FINGERPRINTS FILE   (in openpgp_mit_heim)
openpgp_abgetrennt() {
    local wahl
    mapfile -t wahl < <(openpgp_signierwahl "$1")
    gpg "${wahl[@]}" --armor --detach-sign --output "$2.asc" "$2"
}

# Clear-signs IN with each key FINGERPRINTS names into OUT (a repository's Release into
# InRelease).
# Usage: openpgp_klartext FINGERPRINTS IN OUT   (in openpgp_mit_heim)
openpgp_klartext() {
    local wahl
    mapfile -t wahl < <(openpgp_signierwahl "$1")
    gpg "${wahl[@]}" --clearsign --output "$3" "$2"
}

# Checks a signature SIGNATURE (of FILE when it is detached) against the keyring KEY.pgp alone, as
# a player does with gpgv; fails with gpgv's message when it does not hold.
# Usage: openpgp_pruefen KEY.pgp SIGNATURE [FILE]
openpgp_pruefen() {
    local schluessel ausgabe
    schluessel=$(realpath "$1") || return
    shift
    if ! ausgabe=$(openpgp_mit_heim openpgp_gpgv "$schluessel" "$@" 2>&1); then
        printf '%s\n' "$ausgabe" >&2
        return 1
    fi
}

# When the maintainer's keys signed: checks SIGNATURE (of FILE) also against the maintainer's
# public key as committed, not only against the key the release exported.
# Usage: openpgp_gegen_betreuer SIGNATURE [FILE]
openpgp_gegen_betreuer() {
    local ring status=0
    openpgp_vom_betreuer || return 0
    ring=$(mktemp) || return
    gpg --dearmor <"$(openpgp_betreuerdatei)" >"$ring" 2>/dev/null ||
        cp "$(openpgp_betreuerdatei)" "$ring"
    openpgp_pruefen "$ring" "$@" || status=$?
    rm -f "$ring"
    return "$status"
}

# gpgv in the home folder of openpgp_mit_heim, with the keyring KEY.pgp (an absolute path: gpgv
# looks for a name without a slash in its home folder).
# Usage: openpgp_gpgv KEY.pgp SIGNATURE [FILE]   (in openpgp_mit_heim)
openpgp_gpgv() {
    gpgv --homedir "$GNUPGHOME" --keyring "$@"
}

# Signs FOLDER/SHA256SUMS (SHA256SUMS.asc), leaves the signing key's public half beside it and
# checks the signature against that as a player would.
# Usage: openpgp_pruefsummen_signieren FOLDER
openpgp_pruefsummen_signieren() {
    local ordner=$1 name
    name=$(openpgp_schluesselname)
    rm -f "$ordner/SHA256SUMS.asc" "$ordner"/quentor-schluessel.pgp "$ordner"/quentor-wegwerfschluessel.pgp
    openpgp_mit_heim openpgp_signieren_in "$ordner" "$ordner/SHA256SUMS" "$ordner/$name" || return
    openpgp_pruefen "$ordner/$name" "$ordner/SHA256SUMS.asc" "$ordner/SHA256SUMS" || return
    openpgp_gegen_betreuer "$ordner/SHA256SUMS.asc" "$ordner/SHA256SUMS" || return
    echo "Signiert: $ordner/SHA256SUMS.asc (Schlüssel $(openpgp_art): $ordner/$name)"
}

# The detached signature of FILE with FOLDER's key, and its public key in KEY.pgp.
# Usage: openpgp_signieren_in FOLDER FILE KEY.pgp   (in openpgp_mit_heim)
openpgp_signieren_in() {
    local fingerabdruck
    fingerabdruck=$(openpgp_schluessel_laden "$1") && [ -n "$fingerabdruck" ] || return
    openpgp_abgetrennt "$fingerabdruck" "$2" && openpgp_oeffentlich "$fingerabdruck" "$3"
}

# Prints which kind of key signs: the maintainer's or a throwaway one.
# Usage: openpgp_art
openpgp_art() {
    if openpgp_vom_betreuer; then echo "des Betreuers"; else echo "Wegwerfschlüssel"; fi
}

# Clear-signs IN into OUT with FOLDER's key (the maintainer's or FOLDER's throwaway key).
# Usage: openpgp_klartext_signieren FOLDER IN OUT
openpgp_klartext_signieren() {
    openpgp_mit_heim openpgp_klartext_in "$@"
}

# Usage: openpgp_klartext_in FOLDER IN OUT   (in openpgp_mit_heim)
openpgp_klartext_in() {
    local fingerabdruck
    fingerabdruck=$(openpgp_schluessel_laden "$1") && [ -n "$fingerabdruck" ] || return
    openpgp_klartext "$fingerabdruck" "$2" "$3"
}

# Writes the public half of FOLDER's key to FILE as a binary keyring.
# Usage: openpgp_schluessel_ausgeben FOLDER FILE
openpgp_schluessel_ausgeben() {
    openpgp_mit_heim openpgp_oeffentlich_in "$@"
}

# Usage: openpgp_oeffentlich_in FOLDER FILE   (in openpgp_mit_heim)
openpgp_oeffentlich_in() {
    local fingerabdruck
    fingerabdruck=$(openpgp_schluessel_laden "$1") && [ -n "$fingerabdruck" ] || return
    openpgp_oeffentlich "$fingerabdruck" "$2"
}
