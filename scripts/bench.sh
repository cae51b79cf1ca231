#!/usr/bin/env bash
# Builds optimised and runs the benchmarks (medians of 10 repetitions), measures the peak memory of
# loading a 200 MB permanence file of one line, and times the program's start-up up to the first
# paint of its window beside the same window in a bare Qt application, on a virtual X server
# (medians of 51 runs each, alternating, and instructions counted with callgrind).
# Usage: bash scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${BENCH_PAKETE[@]}" "${START_PAKETE[@]}"

bau=build-bench
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null

echo "Maschine: $(nproc) Kerne, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
wiederholt=(--benchmark_repetitions=10 --benchmark_report_aggregates_only=true)
"$bau/bench/quentor_bench" "${wiederholt[@]}" 2>/dev/null | grep -E "median|Benchmark|---"
if [ -x "$bau/bench/quentor_form_bench" ]; then
    QT_QPA_PLATFORM=offscreen "$bau/bench/quentor_form_bench" "${wiederholt[@]}" 2>/dev/null |
        grep -E "median|erstes Fenster"
fi

gross=$(mktemp --suffix=.txt)
trap 'rm -f "$gross"' EXIT
{ printf 'Spielbank\na\nb\nc\n1'; head -c 200000000 /dev/zero | tr '\0' '7'; printf ',5\n'; } >"$gross"
kib=$(printf 'datei %s\nzeige\n' "$gross" | /usr/bin/time -f '%M' "$bau/skript/quentor-skript" 2>&1 >/dev/null | tail -1)
echo "200-MB-Datei in einer Zeile laden: Spitzenspeicher ${kib} KiB"

# Start-up: each run is a whole process up to the first paint (bench/startzeit.cpp): as the program
# starts, and the same window without the application's set-up (catalogue, desktop file name,
# icon). The ratio is what the set-up adds.
startzeit() {
    set -euo pipefail
    local programm=$1 runden=${2:-15} nackt=() quentor=()
    ms() { local a b; a=$(date +%s%N); "$programm" "$1"; b=$(date +%s%N); echo $(((b - a) / 1000)); }
    median() { printf '%s\n' "$@" | sort -n | awk '{ w[NR] = $1 } END { print w[int((NR + 1) / 2)] }'; }
    ms nackt >/dev/null; ms quentor >/dev/null # warm the file cache
    for ((i = 0; i < runden; i++)); do
        nackt+=("$(ms nackt)")
        quentor+=("$(ms quentor)")
    done
    local l q
    l=$(median "${nackt[@]}"); q=$(median "${quentor[@]}")
    awk -v n="$runden" -v l="$l" -v q="$q" 'BEGIN { printf "Start bis zum ersten Zeichnen (Median von %d): ohne Einrichtung %.1f ms, Quentor %.1f ms, Verhältnis %.2f\n", n, l / 1000, q / 1000, q / l }'
    # The same in instructions (callgrind, the main process): not shaken by the machine's load.
    zaehle() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$programm" "$1" 2>&1 |
            sed -nE 's/^==([0-9]+)== Collected : ([0-9]+)/\1 \2/p' | sort -n | head -1 | cut -d' ' -f2
    }
    l=$(zaehle nackt); q=$(zaehle quentor)
    awk -v l="$l" -v q="$q" 'BEGIN { printf "Instruktionen bis zum ersten Zeichnen: ohne Einrichtung %.1f M, Quentor %.1f M, Verhältnis %.3f\n", l / 1e6, q / 1e6, q / l }'
}
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -f "$gross"; rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    bash -c "$(declare -f startzeit); startzeit $PWD/$bau/bench/quentor_startzeit 51"
