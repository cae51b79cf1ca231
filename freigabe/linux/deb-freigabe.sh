#!/usr/bin/env bash
# The one recipe of a Debian package of Quentor: for the amd64 and the arm64 release
# (freigabe/linux/paket.sh, freigabe/linux/arm64.sh), their second builds
# (freigabe/gemeinsam/nachbauen.sh) and the apt repository's test version of a later number
# (freigabe/linux/paketquelle_test.sh). Configures the preset PRESET with the cmake arguments
# given (-B FOLDER for another folder than the preset's), builds it (nothing to do when the tests
# built it already), packs it with CPack with the release's settings (freigabe/gemeinsam/freigabe.sh),
# writes its bill of materials (freigabe/stueckliste, checked against the package) and SHA256SUMS
# of both, signed. The package's file names come from the build (freigabe.txt). Prints the package
# and its bill of materials, one a line; everything else goes to stderr.
# Usage: bash freigabe/linux/deb-freigabe.sh PRESET [CMAKE_ARGUMENT...]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/freigabe.sh

# The package of the built FOLDER, packed by CPack with the release's settings (in a subshell of
# their own), CPack's output shown only when it fails; the files of an earlier release removed.
# Usage: packen FOLDER PAKET.deb STUECKLISTE
packen() {
    rm -f "$2" "$3" "$1/SHA256SUMS" "$1/SHA256SUMS.asc"
    if ! (freigabe_umgebung && cd "$1" && leise cpack -G DEB); then
        echo "Der Paketbau ist fehlgeschlagen." >&2
        return 1
    fi
    [ -f "$2" ] || { echo "CPack hat $2 nicht gemacht." >&2; return 1; }
}

# The bill of materials of PAKET.deb, checked against it, and SHA256SUMS of both, signed: with the
# release's settings.
# Usage: veroeffentlichen PAKET.deb STUECKLISTE
veroeffentlichen() {
    freigabe_umgebung
    python3 -B freigabe/stueckliste deb "$1" "$2" --eingebaut nlohmann-json3-dev
    python3 -B freigabe/stueckliste pruefen "$2" "$1"
    freigabe_pruefsummen "$(dirname "$1")" "${1##*/}" "${2##*/}"
}

main() {
    local bau paket stueckliste
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${FREIGABE_PAKETE[@]}" >&2
    bau=$(bauen "$@")
    paket=$(freigabe_datei "$bau" paket)
    stueckliste=$(freigabe_datei "$bau" stueckliste)
    packen "$bau" "$paket" "$stueckliste"
    echo "Paket: $paket ($(du -h "$paket" | cut -f1))" >&2
    (veroeffentlichen "$paket" "$stueckliste") >&2
    printf '%s\n' "$paket" "$stueckliste"
}

main "$@"
