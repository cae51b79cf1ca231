#!/usr/bin/env bash
# Builds the Debian package with the preset `paket` (Debian's build flags, no tests), checks the
# icons against their SVG and the package as shipped, and writes its bill of materials and
# SHA256SUMS beside it (freigabe/linux/paket-pruefen.sh). The package is reproducible (its time is the
# last commit's, SOURCE_DATE_EPOCH; see freigabe/gemeinsam/freigabe.sh).
# Usage: bash freigabe/linux/paket.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source freigabe/gemeinsam/freigabe.sh

bau=build-paket

# The package, built by the preset's workflow with the release's settings (freigabe_umgebung, in a
# subshell of its own); the build's output (in protokoll) is shown only when it fails.
paket_bauen() {
    rm -f "$bau"/quentor_*.deb "$bau"/quentor_*.spdx.json "$bau"/SHA256SUMS "$bau"/SHA256SUMS.asc
    if ! (freigabe_umgebung && CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset paket \
        >"$protokoll" 2>&1); then
        cat "$protokoll"
        echo "Der Paketbau ist fehlgeschlagen." >&2
        return 1
    fi
}

# Prints the path of the package in the build folder.
das_paket() {
    local pakete=("$bau"/quentor_*.deb)
    printf '%s\n' "${pakete[0]}"
}

main() {
    local deb
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PAKET_PAKETE[@]}" "${FREIGABE_PAKETE[@]}"
    protokoll=$(mktemp)
    trap 'rm -f "$protokoll"' EXIT
    paket_bauen
    deb=$(das_paket)
    echo "Paket: $deb"
    bash scripts/symbole.sh --pruefen
    bash freigabe/linux/paket-pruefen.sh "$deb"
}

main "$@"
