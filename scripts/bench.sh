#!/usr/bin/env bash
# Builds optimised and runs the benchmarks (medians of 10 repetitions), measures the peak memory of
# loading a 200 MB permanence file of one line, and times the program's start-up up to the first
# paint of its window beside the same window in a bare Qt application, on a virtual X server
# (medians of 51 runs each, alternating, and instructions counted with callgrind).
# Usage: bash scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh

wiederholt=(--benchmark_repetitions=10 --benchmark_report_aggregates_only=true)
# The temporary files, removed at the end: the 200 MB file and the virtual display's runtime folder.
gross=""
laufzeit=""

# The core's benchmarks, and the window's where the build has them.
# Usage: benchmarks BUILD_FOLDER
benchmarks() {
    local bench form_bench
    bench=$(programm "$1" quentor_bench)
    "$bench" "${wiederholt[@]}" 2>/dev/null | grep -E "median|Benchmark|---"
    if form_bench=$(programm "$1" quentor_form_bench 2>/dev/null) && [ -x "$form_bench" ]; then
        QT_QPA_PLATFORM=offscreen "$form_bench" "${wiederholt[@]}" 2>/dev/null |
            grep -E "median|erstes Fenster"
    fi
}

# The peak memory of quentor-skript loading a 200 MB permanence file of one line.
# Usage: grosse_datei BUILD_FOLDER
grosse_datei() {
    local skript kib
    skript=$(programm "$1" quentor-skript)
    gross=$(mktemp --suffix=.txt)
    { printf 'Spielbank\na\nb\nc\n1'; head -c 200000000 /dev/zero | tr '\0' '7'; printf ',5\n'; } >"$gross"
    kib=$(printf 'datei %s\nzeige\n' "$gross" | /usr/bin/time -f '%M' "$skript" 2>&1 >/dev/null | tail -1)
    echo "200-MB-Datei in einer Zeile laden: Spitzenspeicher ${kib} KiB"
}

# Start-up: each run is a whole process up to the first paint (bench/startzeit.cpp): as the program
# starts, and the same window without the application's set-up (catalogue, desktop file name,
# icon). The ratio is what the set-up adds. Runs on the virtual display, as its own bash
# (startzeit_auf_xvfb): set -e is set again there.
# Usage: startzeit PROGRAMM [RUNS]
startzeit() {
    set -euo pipefail
    local programm=$1 runden=${2:-15} nackt=() quentor=() l q
    mikrosekunden "$programm" nackt >/dev/null; mikrosekunden "$programm" quentor >/dev/null # warm the file cache
    for ((i = 0; i < runden; i++)); do
        nackt+=("$(mikrosekunden "$programm" nackt)")
        quentor+=("$(mikrosekunden "$programm" quentor)")
    done
    l=$(median "${nackt[@]}"); q=$(median "${quentor[@]}")
    awk -v n="$runden" -v l="$l" -v q="$q" 'BEGIN { printf "Start bis zum ersten Zeichnen (Median von %d): ohne Einrichtung %.1f ms, Quentor %.1f ms, Verhältnis %.2f\n", n, l / 1000, q / 1000, q / l }'
    # The same in instructions (callgrind, the main process): not shaken by the machine's load.
    l=$(instruktionen "$programm" nackt); q=$(instruktionen "$programm" quentor)
    awk -v l="$l" -v q="$q" 'BEGIN { printf "Instruktionen bis zum ersten Zeichnen: ohne Einrichtung %.1f M, Quentor %.1f M, Verhältnis %.3f\n", l / 1e6, q / 1e6, q / l }'
}

# Microseconds of one run of the start-up program as WAY (nackt or quentor).
# Usage: mikrosekunden PROGRAMM WAY
mikrosekunden() {
    local a b
    a=$(date +%s%N); "$1" "$2"; b=$(date +%s%N); echo $(((b - a) / 1000))
}

# The median of the numbers given.
median() { printf '%s\n' "$@" | sort -n | awk '{ w[NR] = $1 } END { print w[int((NR + 1) / 2)] }'; }

# Instructions of one run of the start-up program as WAY, in its main process (callgrind).
# Usage: instruktionen PROGRAMM WAY
instruktionen() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" "$2" 2>&1 |
        sed -nE 's/^==([0-9]+)== Collected : ([0-9]+)/\1 \2/p' | sort -n | head -1 | cut -d' ' -f2
}

# The start-up timed on a virtual X server, with a runtime folder of its own.
# Usage: startzeit_auf_xvfb BUILD_FOLDER
startzeit_auf_xvfb() {
    local programm
    programm=$(programm "$1" quentor_startzeit)
    laufzeit=$(mktemp -d)
    XDG_RUNTIME_DIR=$laufzeit bash scripts/hilfen/anzeige.sh "-screen 0 1024x768x24 -dpi 96" \
        bash -c "$(declare -f startzeit mikrosekunden median instruktionen); startzeit $(printf %q "$programm") 51"
}

main() {
    local bau
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${BENCH_PAKETE[@]}" "${START_PAKETE[@]}"
    bau=$(ergebnis bauen bench)
    echo "Maschine: $(nproc) Kerne, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
    trap 'rm -f "$gross"; rm -rf "$laufzeit"' EXIT
    benchmarks "$bau"
    grosse_datei "$bau"
    startzeit_auf_xvfb "$bau"
}

main "$@"
