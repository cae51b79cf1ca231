#!/usr/bin/env bash
# Makes Quentor's signed apt repository for amd64 and arm64 from the two release packages, in
# FOLDER/apt/ (default build-paketquelle/apt/), to be published at URI (default the project's
# address, the packages' Homepage, with "apt/"):
#   - pool/main/q/: the packages, and the keyring package quentor-archive-keyring (same version,
#     Architecture all), which installs the signing key as /usr/share/keyrings/quentor-archive-keyring.pgp
#     and the sources entry /etc/apt/sources.list.d/quentor.sources that accepts that key alone;
#   - dists/stable/main/binary-{amd64,arm64}/Packages(.gz) and dists/stable/Release (apt-ftparchive),
#     clear-signed as dists/stable/InRelease.
# Signed with the maintainer's key or FOLDER's throwaway key (freigabe/gemeinsam/openpgp.sh), whose
# public key also lies in the repository as quentor-archive-keyring.pgp. The same packages give
# the same pool and Packages files; Release and InRelease carry the time they were made.
# Usage: bash freigabe/linux/paketquelle.sh [--uri URI] [--ziel FOLDER] [PAKET.deb...]
#        (default packages: build-paket/quentor_*_amd64.deb build-arm64/quentor_*_arm64.deb)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source freigabe/gemeinsam/freigabe.sh

# The repository's suite, component and architectures.
suite=stable
architekturen=(amd64 arm64)
schluesselpaket=quentor-archive-keyring
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
    [ ${#pakete[@]} -gt 0 ] || pakete=(build-paket/quentor_*_amd64.deb build-arm64/quentor_*_arm64.deb)
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

# The keyring package's control file for VERSION, its maintainer and homepage those of PAKET.deb.
# Usage: steuerdatei VERSION PAKET.deb GROESSE_KB
steuerdatei() {
    cat <<EOF
Package: $schluesselpaket
Version: $1
Architecture: all
Maintainer: $(dpkg-deb -f "$2" Maintainer)
Installed-Size: $3
Section: misc
Priority: optional
Multi-Arch: foreign
Homepage: $(dpkg-deb -f "$2" Homepage)
Description: Schlüssel und Paketquelle von Quentor für apt
 Dieses Paket richtet die Paketquelle von Quentor für apt ein: den
 öffentlichen OpenPGP-Schlüssel, mit dem sie signiert ist, und ihren Eintrag
 in /etc/apt/sources.list.d/quentor.sources, der für diese Quelle nur diesen
 Schlüssel gelten lässt. Danach bringen "apt update" und "apt install
 quentor" Quentor und später seine neuen Versionen.
EOF
}

# The deb822 sources entry of the repository at URI, signed by the key the package installs.
# Usage: quellen_eintrag URI
quellen_eintrag() {
    cat <<EOF
Types: deb
URIs: $1
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/$schluesselpaket.pgp
EOF
}

# Stages the keyring package's files in FOLDER: the key, the sources entry (a conffile), licence,
# changelog and lintian's note; every file 0644 and of the release's time.
# Usage: schluessel_dateien FOLDER KEY.pgp
schluessel_dateien() {
    local stufe=$1 doc="$1/usr/share/doc/$schluesselpaket"
    install -d "$stufe/DEBIAN" "$stufe/etc/apt/sources.list.d" "$stufe/usr/share/keyrings" "$doc" \
        "$stufe/usr/share/lintian/overrides"
    install -m 0644 "$2" "$stufe/usr/share/keyrings/$schluesselpaket.pgp"
    quellen_eintrag "$uri" >"$stufe/etc/apt/sources.list.d/quentor.sources"
    install -m 0644 packaging/copyright "$doc/copyright"
    gzip -9n <packaging/schluessel/changelog >"$doc/changelog.gz"
    install -m 0644 packaging/schluessel/lintian-overrides "$stufe/usr/share/lintian/overrides/$schluesselpaket"
    echo /etc/apt/sources.list.d/quentor.sources >"$stufe/DEBIAN/conffiles"
    find "$stufe" -type f -exec chmod 0644 {} + && find "$stufe" -type d -exec chmod 0755 {} +
}

# Builds the keyring package of VERSION with dpkg-deb into the pool and prints its path.
# Usage: schluesselpaket_bauen VERSION PAKET.deb KEY.pgp
schluesselpaket_bauen() {
    local stufe deb="$quelle/pool/main/q/$schluesselpaket/${schluesselpaket}_$1_all.deb" groesse
    stufe=$(mktemp -d)
    schluessel_dateien "$stufe" "$3"
    (cd "$stufe" && find etc usr -type f | LC_ALL=C sort | xargs md5sum >DEBIAN/md5sums)
    groesse=$(du -sk --apparent-size "$stufe/etc" "$stufe/usr" | awk '{ s += $1 } END { print s }')
    steuerdatei "$1" "$2" "$groesse" >"$stufe/DEBIAN/control"
    find "$stufe" -newermt "@$SOURCE_DATE_EPOCH" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    dpkg-deb --root-owner-group -Zxz --build "$stufe" "$deb" >/dev/null
    rm -rf "$stufe"
    printf '%s\n' "$deb"
}

# The keyring package under lintian; errors and warnings fail. The one exception the package
# declares (packaging/schluessel/lintian-overrides) is named.
# Usage: schluesselpaket_pruefen PAKET.deb
schluesselpaket_pruefen() {
    if ! lintian --fail-on error,warning --display-info "$1" 2>&1 |
        { grep -v "running with root privileges" || true; }; then
        echo "lintian: Fehler oder Warnungen in $1" >&2
        return 1
    fi
    echo "lintian: $1 ohne Fehler und Warnungen; erklärte Ausnahme:" \
        "$(grep -v '^#' packaging/schluessel/lintian-overrides)"
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

# dists/SUITE/Release over the Packages files, as apt reads it.
release_schreiben() {
    local feld=APT::FTPArchive::Release
    (
        cd "$quelle/dists/$suite"
        apt-ftparchive -o "$feld::Origin=Quentor" -o "$feld::Label=Quentor" -o "$feld::Suite=$suite" \
            -o "$feld::Codename=$suite" -o "$feld::Architectures=${architekturen[*]}" \
            -o "$feld::Components=main" -o "$feld::Description=Quentor für Debian" release . >../Release.neu
        mv ../Release.neu Release
    )
}

# Clear-signs Release as InRelease with the build folder's key and checks it with the public key
# the repository ships.
# Usage: release_signieren KEY.pgp
release_signieren() {
    openpgp_klartext_signieren "$ziel" "$quelle/dists/$suite/Release" "$quelle/dists/$suite/InRelease"
    openpgp_pruefen "$1" "$quelle/dists/$suite/InRelease"
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
    deb=$(schluesselpaket_bauen "$version" "${pakete[0]}" "$schluessel")
    schluesselpaket_pruefen "$deb"
    for architektur in "${architekturen[@]}"; do packages_schreiben "$architektur"; done
    release_schreiben
    release_signieren "$schluessel"
    echo "Paketquelle für $uri: $quelle (Version $version, ${architekturen[*]})"
}

main "$@"
