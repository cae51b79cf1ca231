# OpenPGP signatures of the releases (their SHA256SUMS) and of the apt repository (its InRelease),
# made with gpg, as functions. Sourcing defines them and changes nothing else.
#
# Which key: the maintainer's, when QUENTOR_OPENPGP_SCHLUESSEL names the file of its secret key
# (exported with gpg --export-secret-keys; a passphrase, if any, in the file that
# QUENTOR_OPENPGP_PASSWORT names); otherwise a throwaway key, made once for a build folder and
# kept in it (FOLDER/wegwerfschluessel/), so that a rerun signs with the same key. A throwaway key
# lets anyone check the mechanics; it says nothing about who made the release.
#
# gpg works in a short-lived home folder of its own under /tmp (openpgp_mit_heim): gpg-agent's
# socket path is limited in length, and build folders may have long paths with blanks.
# shellcheck shell=bash

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
    if [ -n "${QUENTOR_OPENPGP_SCHLUESSEL:-}" ]; then
        echo quentor-schluessel.pgp
    else
        echo quentor-wegwerfschluessel.pgp
    fi
}

# Prints the file of FOLDER's throwaway secret key, made there first when it is not there yet.
# Usage: openpgp_wegwerfschluessel FOLDER
openpgp_wegwerfschluessel() {
    local ordner="$1/wegwerfschluessel"
    if [ ! -s "$ordner/geheim.asc" ]; then
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

# Imports the signing key for FOLDER (the maintainer's, or FOLDER's throwaway key) and prints
# its fingerprint.
# Usage: openpgp_schluessel_laden FOLDER   (in openpgp_mit_heim)
openpgp_schluessel_laden() {
    local datei=${QUENTOR_OPENPGP_SCHLUESSEL:-}
    if [ -z "$datei" ]; then
        datei=$(openpgp_wegwerfschluessel "$1") || return
    elif [ ! -r "$datei" ]; then
        echo "QUENTOR_OPENPGP_SCHLUESSEL: $datei ist nicht lesbar." >&2
        return 1
    fi
    gpg --batch --quiet --import "$datei" 2>/dev/null || return
    gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" { print $10; exit }'
}

# The gpg options for signing with key FINGERPRINT (and the maintainer's passphrase, if given).
# Usage: openpgp_signierwahl FINGERPRINT
openpgp_signierwahl() {
    printf '%s\n' --batch --yes --local-user "$1" --pinentry-mode loopback
    if [ -n "${QUENTOR_OPENPGP_PASSWORT:-}" ]; then
        printf '%s\n' --passphrase-file "$QUENTOR_OPENPGP_PASSWORT"
    else
        printf '%s\n' --passphrase ''
    fi
}

# Writes the public key FINGERPRINT to FILE as a binary keyring, as apt and gpgv read it.
# Usage: openpgp_oeffentlich FINGERPRINT FILE   (in openpgp_mit_heim)
openpgp_oeffentlich() {
    gpg --batch --export --export-options export-minimal "$1" >"$2"
}

# Signs FILE with key FINGERPRINT: a detached, ASCII-armoured signature in FILE.asc.
# Usage: openpgp_abgetrennt FINGERPRINT FILE   (in openpgp_mit_heim)
openpgp_abgetrennt() {
    local wahl
    mapfile -t wahl < <(openpgp_signierwahl "$1")
    gpg "${wahl[@]}" --armor --detach-sign --output "$2.asc" "$2"
}

# Clear-signs IN with key FINGERPRINT into OUT (a repository's Release into InRelease).
# Usage: openpgp_klartext FINGERPRINT IN OUT   (in openpgp_mit_heim)
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
    if [ -n "${QUENTOR_OPENPGP_SCHLUESSEL:-}" ]; then echo "des Betreuers"; else echo "Wegwerfschlüssel"; fi
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
