#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60), starting from the seed corpora in fuzz/korpus/. Findings are written to
# build-fuzz/funde/ and make the script fail.
# Usage: bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/programme.sh
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${FUZZ_PAKETE[@]}"

sekunden=${1:-60}
bau=$(cmake --preset fuzz | sed -n 's/^-- Build files have been written to: //p')
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

mkdir -p "$bau/funde"
for ziel in permanenz zahlwert sitzung; do
    korpus="$bau/korpus/$ziel"
    mkdir -p "$korpus"
    fuzzer=$(programm "$bau" "fuzz_$ziel")
    echo "== fuzz_$ziel: $sekunden s"
    "$fuzzer" -max_total_time="$sekunden" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$bau/funde/$ziel-" "$korpus" "fuzz/korpus/$ziel" \
        2>&1 | grep -E "DONE|stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY|invariant" || true
done
if compgen -G "$bau/funde/*" >/dev/null; then
    echo "Fuzzing fand Fehler:"; ls "$bau/funde"
    exit 1
fi
echo "Fuzzing ohne Befund."
