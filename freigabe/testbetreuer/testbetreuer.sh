# A test maintainer for the maintainer's way of signing a release, made by the test that uses it
# and never committed, as functions: an OpenPGP key, a certificate authority with a code-signing
# certificate whose key lies on a PKCS#11 token (SoftHSM) and in a PKCS#12 file, and a timestamp
# authority (RFC 3161) served on 127.0.0.1 alone (zeitstempel.py). Sourcing defines the functions
# and changes nothing else. The maintainer's settings (freigabe/gemeinsam/betreuer.sh) that name
# them come from testbetreuer_umgebung.
# shellcheck shell=bash
# shellcheck source=freigabe/gemeinsam/openpgp.sh
source "$(dirname "${BASH_SOURCE[0]}")/../gemeinsam/openpgp.sh"

# The token's label and PIN, and the key's name on it.
TESTBETREUER_TOKEN=quentor-test
TESTBETREUER_PIN=314159
TESTBETREUER_OBJEKT=code

# Makes the test maintainer in FOLDER (removed first): ca.pem, code.pem with its chain kette.pem,
# the key on the token (token/) and in code.p12 (password in passwort), the timestamp
# authority's tsa.pem with its openssl configuration tsa.cnf, and the OpenPGP key (geheim.asc,
# oeffentlich.asc).
# Usage: testbetreuer_anlegen FOLDER
testbetreuer_anlegen() {
    local ordner
    rm -rf "$1" && mkdir -p "$1" && chmod 700 "$1" && ordner=$(realpath "$1") || return
    testbetreuer_ca "$ordner" &&
        testbetreuer_zertifikat "$ordner" code "Quentor-Team (Testbetreuer)" codeSigning &&
        testbetreuer_zertifikat "$ordner" tsa "Quentor-Team Test-Zeitstempel" "critical,timeStamping" &&
        cat "$ordner/code.pem" "$ordner/ca.pem" >"$ordner/kette.pem" &&
        testbetreuer_pkcs12 "$ordner" && testbetreuer_token "$ordner" &&
        testbetreuer_tsa_konfiguration "$ordner" &&
        openpgp_mit_heim testbetreuer_openpgp "$ordner"
}

# The test maintainer's certificate authority in FOLDER: ca.pem, ca.key.
# Usage: testbetreuer_ca FOLDER
testbetreuer_ca() {
    openssl req -x509 -newkey rsa:3072 -nodes -days 3650 -keyout "$1/ca.key" -out "$1/ca.pem" \
        -subj "/CN=Quentor-Team Test-Zertifizierungsstelle" \
        -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
}

# A certificate NAME.pem with its key NAME.key in FOLDER, of SUBJECT, issued by the authority for
# the extended key usage USAGE.
# Usage: testbetreuer_zertifikat FOLDER NAME SUBJECT USAGE
testbetreuer_zertifikat() {
    local ordner=$1 name=$2
    openssl req -newkey rsa:3072 -nodes -keyout "$ordner/$name.key" -out "$ordner/$name.csr" \
        -subj "/CN=$3" 2>/dev/null || return
    openssl x509 -req -in "$ordner/$name.csr" -CA "$ordner/ca.pem" -CAkey "$ordner/ca.key" \
        -CAcreateserial -days 3650 -out "$ordner/$name.pem" \
        -extfile <(printf '%s\n' "basicConstraints=CA:FALSE" "keyUsage=critical,digitalSignature" \
            "extendedKeyUsage=$4") 2>/dev/null
}

# The code-signing key with its chain as a PKCS#12 file with a password: code.p12, passwort.
# Usage: testbetreuer_pkcs12 FOLDER
testbetreuer_pkcs12() {
    openssl rand -hex 16 >"$1/passwort"
    openssl pkcs12 -export -in "$1/code.pem" -inkey "$1/code.key" -certfile "$1/ca.pem" \
        -passout "file:$1/passwort" -out "$1/code.p12"
}

# The code-signing key on a SoftHSM token of its own in FOLDER/token (its configuration
# softhsm2.conf), the PIN in FOLDER/pin; the key file itself is removed afterwards.
# Usage: testbetreuer_token FOLDER
testbetreuer_token() {
    local ordner=$1
    mkdir -p "$ordner/token/daten"
    printf '%s\n' "directories.tokendir = $ordner/token/daten" "objectstore.backend = file" \
        "log.level = ERROR" >"$ordner/token/softhsm2.conf"
    printf '%s\n' "$TESTBETREUER_PIN" >"$ordner/pin"
    openssl pkcs8 -topk8 -nocrypt -in "$ordner/code.key" -out "$ordner/code.p8" || return
    SOFTHSM2_CONF="$ordner/token/softhsm2.conf" softhsm2-util --init-token --free \
        --label "$TESTBETREUER_TOKEN" --pin "$TESTBETREUER_PIN" --so-pin 271828 >/dev/null &&
        SOFTHSM2_CONF="$ordner/token/softhsm2.conf" softhsm2-util --import "$ordner/code.p8" \
            --token "$TESTBETREUER_TOKEN" --label "$TESTBETREUER_OBJEKT" --id 01 \
            --pin "$TESTBETREUER_PIN" >/dev/null || return
    rm -f "$ordner/code.p8" "$ordner/code.key"
}

# The timestamp authority's openssl configuration, FOLDER/tsa.cnf (serial numbers in tsa.serial).
# Usage: testbetreuer_tsa_konfiguration FOLDER
testbetreuer_tsa_konfiguration() {
    echo 01 >"$1/tsa.serial"
    cat >"$1/tsa.cnf" <<KONFIGURATION
[tsa]
default_tsa = testbetreuer
[testbetreuer]
serial = $1/tsa.serial
signer_cert = $1/tsa.pem
certs = $1/ca.pem
signer_key = $1/tsa.key
signer_digest = sha256
default_policy = 1.3.6.1.4.1.4146.2.3
digests = sha256, sha384, sha512
accuracy = secs:1
ordering = yes
tsa_name = yes
ess_cert_id_alg = sha256
KONFIGURATION
}

# The test maintainer's OpenPGP key (Ed25519): its secret half in FOLDER/geheim.asc, its public
# half in FOLDER/oeffentlich.asc, as a maintainer commits it.
# Usage: testbetreuer_openpgp FOLDER   (in openpgp_mit_heim)
testbetreuer_openpgp() {
    gpg --batch --quiet --passphrase '' --quick-generate-key \
        "Quentor Testbetreuer <testbetreuer@quentor.example>" ed25519 sign never 2>/dev/null &&
        gpg --batch --armor --export-secret-keys >"$1/geheim.asc" &&
        gpg --batch --armor --export >"$1/oeffentlich.asc"
}

# Starts the timestamp authority of FOLDER in the background; prints its address once it takes
# queries. It ends with a signal to the process whose number is in FOLDER/tsa.pid.
# Usage: testbetreuer_zeitstempel_starten FOLDER
testbetreuer_zeitstempel_starten() {
    local ordner=$1
    rm -f "$ordner/tsa.port"
    python3 "$(dirname "${BASH_SOURCE[0]}")/zeitstempel.py" "$ordner/tsa.cnf" "$ordner/tsa.port" \
        >/dev/null 2>"$ordner/tsa.log" &
    echo $! >"$ordner/tsa.pid"
    for _ in $(seq 50); do
        [ ! -s "$ordner/tsa.port" ] || break
        kill -0 "$(cat "$ordner/tsa.pid")" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$ordner/tsa.port" ] || { cat "$ordner/tsa.log" >&2; return 1; }
    echo "http://127.0.0.1:$(cat "$ordner/tsa.port")/"
}

# Prints the maintainer's settings of the test maintainer in FOLDER, NAME=VALUE one a line, for
# the key on the token (pkcs11) or in the PKCS#12 file (pkcs12), with the release mode and the
# timestamp authority at ADDRESS.
# Usage: testbetreuer_umgebung FOLDER pkcs11|pkcs12 ADDRESS
testbetreuer_umgebung() {
    local ordner=$1
    printf '%s\n' QUENTOR_FREIGABE=1 "QUENTOR_ZEITSTEMPEL=$3" "QUENTOR_SIGNATUR_CA=$ordner/ca.pem" \
        "QUENTOR_ZEITSTEMPEL_CA=$ordner/ca.pem" \
        "QUENTOR_SIGNATUR_BETREUER=$ordner/code.pem" "QUENTOR_OPENPGP_SCHLUESSEL=$ordner/geheim.asc" \
        "QUENTOR_OPENPGP_BETREUER=$ordner/oeffentlich.asc"
    case "$2" in
        pkcs11)
            printf '%s\n' "QUENTOR_SIGNATUR_PKCS11_MODUL=$(testbetreuer_softhsm_modul)" \
                "QUENTOR_SIGNATUR_PKCS11_SCHLUESSEL=pkcs11:token=$TESTBETREUER_TOKEN;object=$TESTBETREUER_OBJEKT;type=private" \
                "QUENTOR_SIGNATUR_ZERTIFIKAT=$ordner/kette.pem" "QUENTOR_SIGNATUR_PASSWORTDATEI=$ordner/pin" \
                "SOFTHSM2_CONF=$ordner/token/softhsm2.conf" ;;
        pkcs12)
            printf '%s\n' "QUENTOR_SIGNATUR_PKCS12=$ordner/code.p12" \
                "QUENTOR_SIGNATUR_PASSWORTDATEI=$ordner/passwort" ;;
    esac
}

# Prints SoftHSM's PKCS#11 module.
testbetreuer_softhsm_modul() {
    local modul
    modul=$(dpkg -L libsofthsm2 | grep -m1 '/libsofthsm2\.so$') || return
    printf '%s\n' "$modul"
}
