#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
# Usage: bash scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
bash scripts/abhaengigkeiten.sh "${BAU_PAKETE[@]}"

bau=${QUENTOR_BAU:-build}
cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENTOR_WERROR=ON "$@" >/dev/null
cmake --build "$bau" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen LC_ALL=C
ctest --test-dir "$bau" --output-on-failure -j "$(nproc)"
