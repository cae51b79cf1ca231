# What the release steps share (freigabe/linux/paket.sh, freigabe/linux/arm64.sh, freigabe/gemeinsam/nachbauen.sh,
# freigabe/windows/windows-freigabe.sh and paket-pruefen.sh), as functions: the release's time and
# settings, and its checksums with their OpenPGP signature (freigabe/gemeinsam/openpgp.sh, sourced
# here too). Sourcing it defines them and changes nothing else. The release's bill of materials
# comes from freigabe/stueckliste.
# shellcheck shell=bash
# shellcheck source=freigabe/gemeinsam/openpgp.sh
source "$(dirname "${BASH_SOURCE[0]}")/openpgp.sh"

# Exports SOURCE_DATE_EPOCH, the time of every file and archive header of a release: the last
# commit's (as Debian does) unless it is given, and without git (a source tarball) it must be
# given; fails when it is neither.
# Usage: freigabe_zeit
freigabe_zeit() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ] && ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
        echo "Kein git-Verlauf: SOURCE_DATE_EPOCH muss gesetzt sein (Sekunden seit 1970)." >&2
        return 1
    fi
    export SOURCE_DATE_EPOCH
}

# Sets what every file of a release depends on besides its sources, for the calling shell and what
# it starts (so a release step calls it in a subshell of its own or as a script): the time
# (freigabe_zeit); the umask of a release, whatever the builder's, as dpkg-buildpackage does (CPack
# gives the members of the .deb's ar container the modes of the files it wrote); UTC, since a zip
# entry's time is a local time without zone and CPack writes it in the builder's zone.
# Usage: freigabe_umgebung
freigabe_umgebung() {
    freigabe_zeit || return
    umask 022
    export TZ=UTC
}

# Writes FOLDER/SHA256SUMS for the named files in FOLDER, as `sha256sum -c` reads it, and checks it;
# then signs it (SHA256SUMS.asc, with the public key beside it: openpgp_pruefsummen_signieren) and
# checks the signature. Signature and key are not listed in SHA256SUMS, which stays the same bytes
# whoever signs.
# Usage: freigabe_pruefsummen FOLDER FILE...
freigabe_pruefsummen() {
    local ordner=$1
    shift
    (cd "$ordner" && sha256sum -- "$@" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS) || return
    echo "Prüfsummen: $ordner/SHA256SUMS"
    sed 's/^/  /' "$ordner/SHA256SUMS"
    openpgp_pruefsummen_signieren "$ordner"
}
