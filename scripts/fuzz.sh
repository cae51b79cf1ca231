#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them side by side, each for the given number of
# seconds (default 60), starting from the seed corpora in fuzz/korpus/; each target's summary is
# printed when all have ended. Findings are written to build-fuzz/funde/ and make the script fail.
# Usage: bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh

ziele=(permanenz zahlwert sitzung)

# Runs the target fuzz_ZIEL of the build FOLDER for SECONDS; its summary lines go to
# FOLDER/ZIEL.log.
# Usage: fuzzen FOLDER ZIEL SECONDS
fuzzen() {
    local bau=$1 ziel=$2 korpus="$1/korpus/$2" fuzzer
    mkdir -p "$korpus"
    fuzzer=$(programm "$bau" "fuzz_$ziel")
    "$fuzzer" -max_total_time="$3" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$bau/funde/$ziel-" "$korpus" "fuzz/korpus/$ziel" \
        2>&1 | grep -E "DONE|stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY|invariant" \
        >"$bau/$ziel.log" || true
}

main() {
    local sekunden=${1:-60} bau ziel
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${FUZZ_PAKETE[@]}"
    bau=$(ergebnis bauen fuzz)
    mkdir -p "$bau/funde"
    for ziel in "${ziele[@]}"; do fuzzen "$bau" "$ziel" "$sekunden" & done
    wait
    for ziel in "${ziele[@]}"; do
        echo "== fuzz_$ziel: $sekunden s"
        cat "$bau/$ziel.log"
    done
    if compgen -G "$bau/funde/*" >/dev/null; then
        echo "Fuzzing fand Fehler:"; ls "$bau/funde"
        return 1
    fi
    echo "Fuzzing ohne Befund."
}

main "$@"
