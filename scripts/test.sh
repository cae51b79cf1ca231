#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test: a thin
# wrapper over the CMake preset `dev` (QUENTOR_PRESET=ci uses the CI preset instead).
# Usage: bash scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${START_PAKETE[@]}" "${DESKTOP_PAKETE[@]}" \
    "${ZUGANG_PAKETE[@]}"

preset=${QUENTOR_PRESET:-dev}
bauen "$preset" >/dev/null
ctest --preset "$preset" -j "$(nproc)"
