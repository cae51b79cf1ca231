#!/usr/bin/env bash
# Reads what ctest printed and says how it ended in one line, "N passed, M failed, K skipped"
# (ctest's own summary counts the skipped tests as passed). Prints nothing, and fails, when the log
# holds no summary.
# Usage: bash scripts/hilfen/ctest-zaehlung.sh PROTOKOLL
set -euo pipefail
zeile=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$1" | tail -1) || exit 1
gesamt=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$zeile")
fehler=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$zeile")
uebersprungen=$(grep -cE "^\s+[0-9]+ - .*\(Skipped\)" "$1" || true)
echo "$((gesamt - fehler - uebersprungen)) passed, $fehler failed, $uebersprungen skipped"
