#!/usr/bin/env bash
# Proves the signed apt repository (freigabe/linux/paketquelle.sh) as a player meets it, in a fresh
# Debian 12 and a fresh Debian 13 root (amd64, mmdebstrap, freigabe/gemeinsam/wurzel.sh; root or
# sudo), the repository served from a folder (file: URI). The repositories are signed the
# maintainer's way, in the release mode, by a test maintainer the test makes (two OpenPGP keys,
# never the maintainer's own, whose settings are taken away from every build here): the
# release packages' by the first key, the newer version's by both, as during a change of key.
# In each root: the keyring package installed from the stable address, apt update, apt install
# quentor, the program started; then four spoiled copies of the newer repository (a test build
# of the amd64 package, 2012.1.1~test) that apt must refuse with its own message, the old version
# staying installed: InRelease edited after signing, InRelease signed by another key, a Packages
# file changed after signing, no signature at all; then the good newer repository, which apt
# update and apt upgrade bring while apt holds the first key alone, and which apt still accepts
# holding the second alone. In the Debian 12 root the arm64 package is also fetched through the
# same signed repository. Before the roots: the release mode refuses a throwaway key, and a
# throwaway key's repository says so. Needs the two release packages (freigabe/linux/paket.sh,
# freigabe/linux/arm64.sh); the newer test build is made by the packages' recipe
# (freigabe/linux/deb-freigabe.sh, with the preset in use, without tests) and kept in
# build-paket-hoeher/, so that ccache gives it all but what the version changes. The roots are
# removed afterwards.
# Usage: bash freigabe/linux/paketquelle_test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/freigabe.sh
source freigabe/gemeinsam/wurzel.sh

# The newer test build's folder, kept for the next run.
hoeher=build-paket-hoeher
# Set by main: the work folder (repositories, the copy served), the served copy and its address,
# the versions, the root in use and its release.
arbeit=""
quelle=""
uri=""
alt=""
neu=""
wurzel=""
suite=""

# apt's message for each spoiled repository and each Debian release: Debian 12's apt checks
# signatures with gpgv, Debian 13's with sqv.
declare -A erwartet=(
    [inrelease_veraendert.bookworm]="BADSIG"
    [inrelease_veraendert.trixie]="Message has been manipulated"
    [fremder_schluessel.bookworm]="NO_PUBKEY"
    [fremder_schluessel.trixie]="Missing key"
    [packages_veraendert.bookworm]="Hash Sum mismatch|File has unexpected size"
    [packages_veraendert.trixie]="Hash Sum mismatch|File has unexpected size"
    [ohne_signatur.bookworm]="is no longer signed"
    [ohne_signatur.trixie]="is no longer signed"
)
faelle=(inrelease_veraendert fremder_schluessel packages_veraendert ohne_signatur)

# The amd64 package of VERSION, made by the packages' recipe in the kept folder, without the
# maintainer's keys; prints it.
# Usage: hoeheres_paket VERSION
hoeheres_paket() {
    local dateien
    if ! dateien=$(betreuer_ohne bash freigabe/linux/deb-freigabe.sh "${QUENTOR_PRESET:-dev}" -B "$hoeher" \
        -DBUILD_TESTING=OFF -DQUENTOR_VERSION="$1" 2>"$arbeit/hoeher.log"); then
        cat "$arbeit/hoeher.log" >&2
        echo "Der Bau von Version $1 ist fehlgeschlagen." >&2
        return 1
    fi
    sed -n 1p <<<"$dateien"
}

# A repository for the served address in FOLDER from PAKET.deb..., signed in the release mode by
# the test maintainer's secret keys in KEYS; its output shown on failure.
# Usage: paketquelle KEYS FOLDER PAKET.deb...
paketquelle() {
    local geheim=$1 ziel=$2
    shift 2
    betreuer_ohne QUENTOR_FREIGABE=1 QUENTOR_OPENPGP_BETREUER="$arbeit/betreuer/oeffentlich.asc" \
        QUENTOR_OPENPGP_SCHLUESSEL="$geheim" \
        bash freigabe/linux/paketquelle.sh --uri "$uri" --ziel "$ziel" "$@" >"$arbeit/quelle.log" 2>&1 ||
        { cat "$arbeit/quelle.log" >&2; return 1; }
}

# The test maintainer in FOLDER: two keys, the secret halves of the first (erster.asc) and of
# both (beide.asc), the public halves of both (oeffentlich.asc, as a maintainer commits them)
# and of the second alone (zweiter.pgp, as a client holds it after the change).
# Usage: testbetreuer FOLDER   (in openpgp_mit_heim)
testbetreuer() {
    local nummer fingerabdruecke
    mkdir -p "$1"
    for nummer in 1 2; do
        gpg --batch --quiet --passphrase '' --quick-generate-key \
            "Quentor Testbetreuer $nummer <test$nummer@quentor.example>" ed25519 sign never 2>/dev/null
    done
    gpg --batch --armor --export-secret-keys >"$1/beide.asc"
    mapfile -t fingerabdruecke < <(openpgp_fingerabdruecke "$1/beide.asc")
    gpg --batch --armor --export-secret-keys "${fingerabdruecke[0]}" >"$1/erster.asc"
    gpg --batch --armor --export >"$1/oeffentlich.asc"
    gpg --batch --export "${fingerabdruecke[1]}" >"$1/zweiter.pgp"
}

# Without the test maintainer: the release mode refuses a throwaway key, and without it the
# repository is a throwaway key's, in its Label and its keyring package. Its Release lists
# SHA256 and SHA512 alone.
# Usage: wegwerf_pruefen PAKET.deb...
wegwerf_pruefen() {
    local ziel="$arbeit/wegwerf" release
    if betreuer_ohne QUENTOR_FREIGABE=1 bash freigabe/linux/paketquelle.sh --ziel "$ziel" "$@" \
        >"$arbeit/wegwerf.log" 2>&1; then
        echo "Der Freigabemodus hat einen Wegwerfschlüssel angenommen." >&2
        return 1
    fi
    grep -h "Freigabemodus" "$arbeit/wegwerf.log" | sed 's/^/  /'
    betreuer_ohne bash freigabe/linux/paketquelle.sh --ziel "$ziel" "$@" >"$arbeit/wegwerf.log" 2>&1 ||
        { cat "$arbeit/wegwerf.log" >&2; return 1; }
    release="$ziel/apt/dists/stable/Release"
    if ! grep -qx "Label: Quentor Wegwerf" "$release" ||
        ! dpkg-deb -f "$ziel/apt/quentor-archive-keyring.deb" Description | grep -q Wegwerfschlüssel; then
        echo "Die Wegwerfquelle sagt nicht, dass sie eine ist." >&2
        return 1
    fi
    ! grep -Eq '^(MD5Sum|SHA1):' "$release" ||
        { echo "Release nennt noch MD5 oder SHA1." >&2; return 1; }
    echo "  ohne Testbetreuer: $(grep '^Label:' "$release"), Prüfsummen:" \
        "$(grep -oE '^(MD5Sum|SHA[0-9]+):' "$release" | tr -d ':' | tr '\n' ' ')"
}

# The repository in FOLDER/apt becomes the one served.
# Usage: bereitstellen FOLDER
bereitstellen() {
    rm -rf "$quelle"
    cp -a "$1/apt" "$quelle"
}

# The spoiled copies: each changes the served repository in its own way.
inrelease_veraendert() {
    sed -i 's/^Label: .*/&2/' "$quelle/dists/stable/InRelease"
}
fremder_schluessel() {
    # shellcheck disable=SC2016 # expanded by the bash it starts
    betreuer_ohne bash -c 'source freigabe/gemeinsam/openpgp.sh && openpgp_klartext_signieren "$@"' _ \
        "$arbeit/fremd" "$quelle/dists/stable/Release" "$quelle/dists/stable/InRelease" 2>/dev/null
}
packages_veraendert() {
    local ordner="$quelle/dists/stable/main/binary-amd64"
    sed -i 's/^Section: utils$/Section: games/' "$ordner/Packages"
    gzip -9n <"$ordner/Packages" >"$ordner/Packages.gz"
}
ohne_signatur() {
    rm "$quelle/dists/stable/InRelease"
}

# Runs COMMAND... as root in the root, the work folder mounted, apt without questions.
# Usage: drinnen COMMAND...
drinnen() {
    wurzel_ausfuehren "$wurzel" "$suite" "" "$arbeit" env DEBIAN_FRONTEND=noninteractive "$@"
}

# The same, its output shown only when it fails.
# Usage: still COMMAND...
still() {
    local ausgabe
    ausgabe=$(drinnen "$@" 2>&1) || { printf '%s\n' "$ausgabe" >&2; return 1; }
}

# The installed quentor is of VERSION, and its script driver says so.
# Usage: version_pruefen VERSION
version_pruefen() {
    local paket skript
    # shellcheck disable=SC2016 # dpkg-query's own field syntax
    paket=$(drinnen dpkg-query -W -f '${Version}' quentor)
    skript=$(drinnen quentor-skript --version)
    echo "  installiert: $paket, quentor-skript --version: $skript"
    if [ "$paket" != "$1" ] || [ "$skript" != "quentor-skript $1" ]; then
        echo "Installiert sein sollte $1." >&2
        return 1
    fi
}

# The window, offscreen, still runs after three seconds.
starten() {
    # shellcheck disable=SC2016 # expanded by the bash inside the root
    drinnen bash -c 'QT_QPA_PLATFORM=offscreen quentor >/tmp/quentor.log 2>&1 & p=$!
        sleep 3
        if kill -0 "$p"; then kill "$p"; echo "  das Fenster läuft nach 3 s"; else cat /tmp/quentor.log; exit 1; fi'
}

# The keyring package from the served stable address, apt update, apt install quentor, started.
installieren() {
    still apt-get install -y -qq "$quelle/quentor-archive-keyring.deb"
    drinnen grep -qx "Architectures: amd64 arm64" /etc/apt/sources.list.d/quentor.sources
    still apt-get update -qq
    still apt-get install -y -qq quentor
    version_pruefen "$alt"
    starten
}

# apt update refuses the spoiled repository FALL with its expected message, and apt upgrade
# leaves the old version. A signature that does not hold is only a warning to apt while it has the
# repository's earlier lists (it keeps them and ends with status 0): --error-on=any makes every
# such refusal fail the update.
# Usage: abgelehnt FALL
abgelehnt() {
    local muster=${erwartet[$1.$suite]} ausgabe
    if ausgabe=$(drinnen apt-get update --error-on=any -qq 2>&1); then
        echo "$1: apt-get update hat die verdorbene Quelle angenommen." >&2
        return 1
    fi
    { grep -E '^(E|W|Err):' <<<"$ausgabe" | grep -v deb.debian.org || true; } | sed 's/^/  /'
    if ! grep -Eq "$muster" <<<"$ausgabe"; then
        echo "$1: apt-get update schlug fehl, aber ohne \"$muster\":" >&2
        printf '%s\n' "$ausgabe" >&2
        return 1
    fi
    still apt-get upgrade -y -qq
    version_pruefen "$alt"
}

# The arm64 package through the same signed repository: apt with arm64 and lists of its own (the
# root's stay as they are), apt-get download quentor:arm64; its architecture and bytes checked.
arm64_pruefen() {
    local apt=(apt-get -o Dir::State::Lists=/tmp/arm64-listen -o Dir::Etc::SourceList=/dev/null
               -o APT::Architectures::=arm64 -qq)
    drinnen install -d -o _apt /tmp/arm64-listen/partial /tmp/arm64
    still "${apt[@]}" update
    # shellcheck disable=SC2016 # expanded by the bash inside the root
    drinnen bash -c 'cd /tmp/arm64 && "$@"' _ "${apt[@]}" download quentor:arm64
    drinnen bash -c 'dpkg-deb -f /tmp/arm64/quentor_*_arm64.deb Architecture; sha256sum /tmp/arm64/quentor_*_arm64.deb' |
        sed 's/^/  arm64: /'
    # shellcheck disable=SC2016 # expanded by the bash inside the root
    drinnen bash -c 'cmp /tmp/arm64/quentor_*_arm64.deb "$1"/pool/main/q/quentor/quentor_*_arm64.deb' _ "$quelle"
}

# After a change of key: apt holding the test maintainer's second key alone still accepts the
# repository both keys signed.
zweiter_schluessel_allein() {
    drinnen cp "$arbeit/betreuer/zweiter.pgp" /usr/share/keyrings/quentor-archive-keyring.pgp
    still apt-get update --error-on=any -qq
    echo "  mit dem zweiten Schlüssel allein: angenommen"
}

# The whole check in a fresh root of Debian SUITE.
# Usage: in_wurzel SUITE
in_wurzel() {
    local beginn=$SECONDS fall
    suite=$1
    wurzel="$(wurzel_cache)/paketquelle-$suite"
    wurzel_anlegen "$wurzel" "$suite" "" ""
    echo "Debian $suite angelegt in $((SECONDS - beginn)) s"
    bereitstellen "$arbeit/alt"
    installieren
    [ "$suite" != bookworm ] || arm64_pruefen
    for fall in "${faelle[@]}"; do
        echo "$suite, $fall:"
        bereitstellen "$arbeit/neu"
        "$fall"
        abgelehnt "$fall"
    done
    echo "$suite, die neue Version $neu:"
    bereitstellen "$arbeit/neu"
    still apt-get update --error-on=any -qq
    still apt-get upgrade -y -qq
    version_pruefen "$neu"
    starten
    zweiter_schluessel_allein
    wurzel_entfernen "$wurzel"
    echo "Debian $suite: bestanden in $((SECONDS - beginn)) s"
}

# The work folder, readable by apt's own user inside, and the repositories in it: the release
# packages', a newer version's signed with the same key, and another key.
vorbereiten() {
    local amd64 arm64 hoeher_deb
    amd64=$(freigabe_von "${QUENTOR_PRESET:-dev}" paket)
    arm64=$(freigabe_von arm64 paket)
    alt=$(dpkg-deb -f "$amd64" Version)
    neu=$alt.1~test
    arbeit=$(mktemp -d /var/tmp/quentor-paketquelle.XXXXXX)
    chmod 755 "$arbeit"
    quelle="$arbeit/quelle"
    uri="file:$quelle/"
    openpgp_mit_heim testbetreuer "$arbeit/betreuer"
    wegwerf_pruefen "$amd64" "$arm64"
    hoeher_deb=$(hoeheres_paket "$neu")
    paketquelle "$arbeit/betreuer/erster.asc" "$arbeit/alt" "$amd64" "$arm64"
    paketquelle "$arbeit/betreuer/beide.asc" "$arbeit/neu" "$hoeher_deb"
    # shellcheck disable=SC2016 # expanded by the bash it starts
    betreuer_ohne bash -c 'source freigabe/gemeinsam/openpgp.sh && openpgp_wegwerfschluessel "$1"' _ \
        "$arbeit/fremd" >/dev/null
}

aufraeumen() {
    [ -z "$wurzel" ] || wurzel_entfernen "$wurzel"
    [ -z "$arbeit" ] || rm -rf "$arbeit"
}

main() {
    local beginn=$SECONDS
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PAKET_PAKETE[@]}" "${FREIGABE_PAKETE[@]}" \
        "${PAKETQUELLE_PAKETE[@]}" mmdebstrap
    trap aufraeumen EXIT
    vorbereiten
    echo "Paketquellen $alt und $neu bereit in $((SECONDS - beginn)) s"
    in_wurzel bookworm
    in_wurzel trixie
    echo "Paketquelle: alles bestanden in $((SECONDS - beginn)) s"
}

main "$@"
