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
freigabe_umgebung
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PAKET_PAKETE[@]}" "${FREIGABE_PAKETE[@]}"

bau=build-paket
protokoll=$(mktemp)
trap 'rm -f "$protokoll"' EXIT

rm -f "$bau"/quentor_*.deb "$bau"/quentor_*.spdx.json "$bau"/SHA256SUMS
if ! CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset paket >"$protokoll" 2>&1; then
    cat "$protokoll"
    echo "Der Paketbau ist fehlgeschlagen." >&2
    exit 1
fi
pakete=("$bau"/quentor_*.deb)
deb=${pakete[0]}
echo "Paket: $deb"

bash scripts/symbole.sh --pruefen

bash freigabe/linux/paket-pruefen.sh "$deb"
