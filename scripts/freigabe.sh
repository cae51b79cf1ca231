# What the release steps (scripts/paket.sh, scripts/windows.sh) share, sourced by them: the
# release's time and its checksums. Its bill of materials comes from scripts/stueckliste.py.
# shellcheck shell=bash

# The time of every file and archive header in a release: the last commit's (as Debian does),
# unless SOURCE_DATE_EPOCH is given. Without git (a source tarball) it must be given.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
        echo "Kein git-Verlauf: SOURCE_DATE_EPOCH muss gesetzt sein (Sekunden seit 1970)." >&2
        exit 1
    fi
fi
export SOURCE_DATE_EPOCH
# Files made with the permissions of a release, whatever the builder's umask, as dpkg-buildpackage
# does: CPack gives the members of the .deb's ar container the modes of the files it wrote.
umask 022
# A zip entry's time is a local time without zone (CPack writes it in the builder's zone): UTC.
export TZ=UTC

# Writes FOLDER/SHA256SUMS for the named files in FOLDER, as `sha256sum -c` reads it, and checks it.
# Usage: freigabe_pruefsummen FOLDER FILE...
freigabe_pruefsummen() {
    local ordner=$1
    shift
    (cd "$ordner" && sha256sum -- "$@" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
    echo "Prüfsummen: $ordner/SHA256SUMS"
    sed 's/^/  /' "$ordner/SHA256SUMS"
}
