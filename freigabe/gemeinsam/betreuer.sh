# The maintainer's settings for signing a release, and what keeps them to the release, as
# functions. Sourcing defines them and changes nothing else.
#
# The settings, from the environment:
# - QUENTOR_OPENPGP_SCHLUESSEL, QUENTOR_OPENPGP_PASSWORT: the OpenPGP key or keys
#   (freigabe/gemeinsam/openpgp.sh);
# - QUENTOR_SIGNATUR_PKCS11_MODUL, QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL, QUENTOR_SIGNATUR_PKCS12,
#   QUENTOR_SIGNATUR_PASSWORTDATEI, QUENTOR_SIGNATUR_ZERTIFIKAT, QUENTOR_SIGNATUR_SCHLUESSEL,
#   QUENTOR_SIGNATUR_CA, QUENTOR_SIGNATUR_BETREUER, QUENTOR_ZEITSTEMPEL, QUENTOR_ZEITSTEMPEL_CA:
#   the Windows programs' key, the authority to check them against, the maintainer's certificate
#   and the timestamp server with its authority (freigabe/windows/signieren.sh); SOFTHSM2_CONF,
#   where the key lies on a SoftHSM token (as the test maintainer's does), the token's settings;
# - QUENTOR_OPENPGP_BETREUER: the maintainer's public OpenPGP key, by default the one committed
#   as packaging/schluessel/quentor-betreuer.asc; a key counts as the maintainer's only when its
#   fingerprint is in it;
# - QUENTOR_FREIGABE=1, the release mode: throwaway keys, a key that is not the maintainer's and
#   a signature without timestamp are refused.
# shellcheck shell=bash

BETREUER_EINSTELLUNGEN=(QUENTOR_OPENPGP_SCHLUESSEL QUENTOR_OPENPGP_PASSWORT QUENTOR_OPENPGP_BETREUER
    QUENTOR_SIGNATUR_PKCS11_MODUL QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL QUENTOR_SIGNATUR_PKCS12
    QUENTOR_SIGNATUR_PASSWORTDATEI QUENTOR_SIGNATUR_ZERTIFIKAT QUENTOR_SIGNATUR_SCHLUESSEL
    QUENTOR_SIGNATUR_CA QUENTOR_SIGNATUR_BETREUER QUENTOR_ZEITSTEMPEL QUENTOR_ZEITSTEMPEL_CA
    SOFTHSM2_CONF QUENTOR_FREIGABE)
# Those of them that name no file.
# shellcheck disable=SC2034 # used by the files that source this one
BETREUER_OHNE_DATEI=(QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL QUENTOR_ZEITSTEMPEL QUENTOR_FREIGABE)

# Runs COMMAND... without any of the maintainer's settings: for every test build and test
# signature, which must never carry the maintainer's keys.
# Usage: betreuer_ohne COMMAND...
betreuer_ohne() {
    local name aus=()
    for name in "${BETREUER_EINSTELLUNGEN[@]}"; do aus+=(-u "$name"); done
    env "${aus[@]}" "$@"
}

# True in the release mode (QUENTOR_FREIGABE=1).
betreuer_freigabemodus() {
    [ "${QUENTOR_FREIGABE:-}" = 1 ]
}

# Fails with a message in the release mode: what a release must not be signed with, REASON.
# Usage: betreuer_nicht_in_freigabe REASON
betreuer_nicht_in_freigabe() {
    betreuer_freigabemodus || return 0
    echo "Freigabemodus (QUENTOR_FREIGABE=1): $1" >&2
    return 1
}
