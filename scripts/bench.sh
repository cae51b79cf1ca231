#!/usr/bin/env bash
# Builds optimised and runs the benchmarks (medians of 10 repetitions), then measures the peak
# memory of loading a 200 MB permanence file of one line.
# Usage: bash scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
bash scripts/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${BENCH_PAKETE[@]}"

bau=build-bench
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null

echo "Maschine: $(nproc) Kerne, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
wiederholt=(--benchmark_repetitions=10 --benchmark_report_aggregates_only=true)
"$bau/bench/quentor_bench" "${wiederholt[@]}" 2>/dev/null | grep -E "median|Benchmark|---"
if [ -x "$bau/bench/quentor_fenster_bench" ]; then
    QT_QPA_PLATFORM=offscreen "$bau/bench/quentor_fenster_bench" "${wiederholt[@]}" 2>/dev/null |
        grep -E "median|erstes Fenster"
fi

gross=$(mktemp --suffix=.txt)
trap 'rm -f "$gross"' EXIT
{ printf 'Spielbank\na\nb\nc\n1'; head -c 200000000 /dev/zero | tr '\0' '7'; printf ',5\n'; } >"$gross"
kib=$(printf 'datei %s\nzeige\n' "$gross" | /usr/bin/time -f '%M' "$bau/tools/quentor-skript" 2>&1 >/dev/null | tail -1)
echo "200-MB-Datei in einer Zeile laden: Spitzenspeicher ${kib} KiB"
