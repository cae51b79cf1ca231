#!/usr/bin/env bash
# Makes Quentor's signed apt repository for amd64 and arm64 from the two release packages, in
# FOLDER/apt/ (default build-paketquelle/apt/), to be published at URI (default the project's
# address, the packages' Homepage, with "apt/"):
#   - pool/main/q/: the packages, and the keyring package quentor-archive-keyring (same version,
#     Architecture all; packaging/schluessel/, packed by CPack), which installs the signing keys as
#     /usr/share/keyrings/quentor-archive-keyring.pgp and the sources entry
#     /etc/apt/sources.list.d/quentor.sources that accepts those keys alone; a copy of it at the
#     stable address quentor-archive-keyring.deb, which a player fetches first;
#   - dists/stable/main/binary-{amd64,arm64}/Packages(.gz) and dists/stable/Release (apt-ftparchive,
#     SHA256 and SHA512 only), clear-signed as dists/stable/InRelease.
# Signed with the maintainer's keys (two during a change of key: each signs, the keyring package
# carries both) or FOLDER's throwaway key (freigabe/gemeinsam/openpgp.sh), whose public keys also
# lie in the repository as quentor-archive-keyring.pgp; a throwaway key's repository says so in
# its Label and in the keyring package's description. The same packages give the same pool and
# Packages files; Release and InRelease carry the time they were made.
# Usage: bash freigabe/linux/paketquelle.sh [--uri URI] [--ziel FOLDER] [PAKET.deb...]
#        (default packages: the amd64 release of the preset in use and the arm64 release)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/freigabe.sh

# The repository's suite, component and architectures.
suite=stable
architekturen=(amd64 arm64)
schluesselpaket=quentor-archive-keyring
# The repository's Label, with the throwaway key's mark when that signs.
label=Quentor
# Set by main: the build folder, the repository in it, its address, the packages.
ziel=build-paketquelle
quelle=""
uri=""
pakete=()

# Reads the options and the packages; fails (status 2) with the usage line on anything unknown.
# Usage: argumente_lesen ARGUMENT...
argumente_lesen() {
    while [ $# -gt 0 ]; do
        case "$1" in
            --uri) uri=${2:?--uri braucht eine Adresse}; shift 2 ;;
            --ziel) ziel=${2:?--ziel braucht einen Ordner}; shift 2 ;;
            -*) aufruf; return 2 ;;
            *) pakete+=("$1"); shift ;;
        esac
    done
    [ ${#pakete[@]} -gt 0 ] ||
        pakete=("$(freigabe_von "${QUENTOR_PRESET:-dev}" paket)" "$(freigabe_von arm64 paket)")
}

aufruf() {
    echo "Aufruf: bash freigabe/linux/paketquelle.sh [--uri URI] [--ziel ORDNER] [PAKET.deb...]" >&2
}

# Every package is there, and all are of one version, which it prints.
# Usage: pakete_pruefen PAKET.deb...
pakete_pruefen() {
    local deb versionen
    for deb in "$@"; do
        if [ ! -f "$deb" ]; then
            echo "Paket fehlt: $deb (erst freigabe/linux/paket.sh, freigabe/linux/arm64.sh --paket)." >&2
            return 1
        fi
    done
    versionen=$(for deb in "$@"; do dpkg-deb -f "$deb" Version; done | sort -u)
    if [ "$(wc -l <<<"$versionen")" -ne 1 ]; then
        echo "Die Pakete haben verschiedene Versionen: $(tr '\n' ' ' <<<"$versionen")" >&2
        return 1
    fi
    printf '%s\n' "$versionen"
}

# The repository's folder tree anew, with the packages in the pool.
# Usage: pool_fuellen PAKET.deb...
pool_fuellen() {
    rm -rf "$quelle"
    mkdir -p "$quelle/pool/main/q/quentor" "$quelle/pool/main/q/$schluesselpaket"
    cp -- "$@" "$quelle/pool/main/q/quentor/"
}

# Makes the keyring package of VERSION (packaging/schluessel/, its maintainer and homepage those of
# PAKET.deb, the keys KEY.pgp, marked as a throwaway key's unless the maintainer's keys sign)
# with CPack, with the release's settings, into the pool and at its stable address; prints its
# path in the pool.
# Usage: schluesselpaket_bauen VERSION PAKET.deb KEY.pgp
schluesselpaket_bauen() {
    local bau="$ziel/schluesselpaket" pool="$quelle/pool/main/q/$schluesselpaket" deb wegwerf=ON
    rm -rf "$bau"
    ! openpgp_vom_betreuer || wegwerf=OFF
    leise cmake -S packaging/schluessel -B "$bau" -DQUENTOR_VERSION="$1" \
        -DQUENTOR_BETREUER="$(dpkg-deb -f "$2" Maintainer)" \
        -DQUENTOR_ADRESSE="$(dpkg-deb -f "$2" Homepage)" -DQUENTOR_SCHLUESSEL="$(realpath "$3")" \
        -DQUENTOR_URI="$uri" -DQUENTOR_SUITE="$suite" -DQUENTOR_ARCHITEKTUREN="${architekturen[*]}" \
        -DQUENTOR_WEGWERF="$wegwerf" || return
    (cd "$bau" && leise cpack) || return
    deb="$pool/${schluesselpaket}_$1_all.deb"
    mv "$bau/${deb##*/}" "$deb" && cp "$deb" "$quelle/$schluesselpaket.deb" || return
    printf '%s\n' "$deb"
}

# The keyring package under lintian; errors and warnings fail. The one exception the package
# declares (packaging/schluessel/lintian-overrides) is named.
# Usage: schluesselpaket_pruefen PAKET.deb
schluesselpaket_pruefen() {
    lintian_pruefen "$1"
    echo "Erklärte Ausnahme: $(grep -v '^#' packaging/schluessel/lintian-overrides)"
}

# Packages and Packages.gz of ARCHITECTURE (with the packages of all): one pool folder after the
# other in sorted order, so that the same packages give the same bytes.
# Usage: packages_schreiben ARCHITECTURE
packages_schreiben() {
    local ordner="dists/$suite/main/binary-$1" pool
    mkdir -p "$quelle/$ordner"
    (
        cd "$quelle"
        for pool in pool/main/*/*/; do apt-ftparchive --arch "$1" packages "${pool%/}"; done >"$ordner/Packages"
        gzip -9n <"$ordner/Packages" >"$ordner/Packages.gz"
    )
}

# dists/SUITE/Release over the Packages files, as apt reads it, with SHA256 and SHA512 alone.
release_schreiben() {
    local feld=APT::FTPArchive::Release
    (
        cd "$quelle/dists/$suite"
        apt-ftparchive -o APT::FTPArchive::MD5=false -o APT::FTPArchive::SHA1=false \
            -o "$feld::Origin=Quentor" -o "$feld::Label=$label" -o "$feld::Suite=$suite" \
            -o "$feld::Codename=$suite" -o "$feld::Architectures=${architekturen[*]}" \
            -o "$feld::Components=main" -o "$feld::Description=Quentor für Debian" release . >../Release.neu
        mv ../Release.neu Release
    )
}

# Clear-signs Release as InRelease with the build folder's keys and checks it with the public
# keys the repository ships and, when the maintainer's keys signed, with those committed.
# Usage: release_signieren KEY.pgp
release_signieren() {
    openpgp_klartext_signieren "$ziel" "$quelle/dists/$suite/Release" "$quelle/dists/$suite/InRelease"
    openpgp_pruefen "$1" "$quelle/dists/$suite/InRelease"
    openpgp_gegen_betreuer "$quelle/dists/$suite/InRelease"
    echo "Signiert: $quelle/dists/$suite/InRelease (Schlüssel $(openpgp_art))"
}

# The repository's address by default: the project's, the packages' Homepage, with "apt/".
# Usage: standard_uri PAKET.deb
standard_uri() {
    local adresse
    adresse=$(dpkg-deb -f "$1" Homepage)
    printf '%s\n' "${adresse%/}/apt/"
}

main() {
    local version schluessel deb architektur
    argumente_lesen "$@"
    bash scripts/hilfen/abhaengigkeiten.sh "${FREIGABE_PAKETE[@]}" "${PAKETQUELLE_PAKETE[@]}"
    freigabe_umgebung
    version=$(pakete_pruefen "${pakete[@]}")
    [ -n "$uri" ] || uri=$(standard_uri "${pakete[0]}")
    quelle="$ziel/apt"
    mkdir -p "$ziel"
    pool_fuellen "${pakete[@]}"
    schluessel="$quelle/$schluesselpaket.pgp"
    openpgp_schluessel_ausgeben "$ziel" "$schluessel"
    openpgp_vom_betreuer || label="Quentor Wegwerf"
    deb=$(schluesselpaket_bauen "$version" "${pakete[0]}" "$schluessel")
    schluesselpaket_pruefen "$deb"
    for architektur in "${architekturen[@]}"; do packages_schreiben "$architektur"; done
    release_schreiben
    release_signieren "$schluessel"
    echo "Paketquelle für $uri: $quelle (Version $version, ${architekturen[*]})"
}

main "$@"
