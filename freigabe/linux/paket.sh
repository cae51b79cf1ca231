#!/usr/bin/env bash
# The amd64 release: the Debian package of the build the tests ran against (the preset in use,
# QUENTOR_PRESET: dev, or ci in CI; built here when it is not), made by the recipe of every
# package (freigabe/linux/deb-freigabe.sh: the package, its bill of materials and SHA256SUMS in
# the build folder), then checked: the icons against their SVG, the package as shipped and its
# programs those the tests ran (freigabe/linux/paket-pruefen.sh). The package is reproducible (its
# time is the last commit's, SOURCE_DATE_EPOCH; see freigabe/gemeinsam/freigabe.sh). Prints the
# package and its bill of materials, one a line.
# Usage: bash freigabe/linux/paket.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh

main() {
    local dateien deb
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PAKET_PAKETE[@]}" "${SYMBOL_PAKETE[@]}"
    dateien=$(bash freigabe/linux/deb-freigabe.sh "${QUENTOR_PRESET:-dev}")
    deb=$(sed -n 1p <<<"$dateien")
    bash scripts/symbole.sh --pruefen >&2
    # CPack leaves the package in the build folder it packed.
    bash freigabe/linux/paket-pruefen.sh "$deb" "$(dirname "$deb")" >&2
    printf '%s\n' "$dateien"
}

main "$@"
