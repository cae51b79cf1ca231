#!/usr/bin/env bash
# Counts the instructions of one spin and of one loaded value with callgrind, through
# quentor-skript built with the bench preset (optimised): a permanence file of 3599 values is
# loaded (A), loaded and replayed to its end with "rotat" (B), and a file with no values is loaded
# (C). A value costs (A - C) / 3599, a spin (B - A) / 3599. Instruction counts do not depend on the
# machine's load, so they compare across runs.
# Usage: bash scripts/instruktionen.sh [PROGRAMM]   (another quentor-skript, to compare builds)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${BENCH_PAKETE[@]}"

if [ $# -gt 0 ]; then
    skript=$(realpath "$1")
else
    bau=$(ergebnis bauen --ziel quentor-skript bench)
    skript=$(programm "$bau" quentor-skript)
fi

ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
werte=3599
{ printf 'Spielbank Musterstadt\nTisch 1\n07.12.2026\nPermanenz\n'
  for ((i = 0; i < werte; i++)); do echo $((i * 13 % 37)); done; } >"$ordner/voll.txt"
printf 'Spielbank Musterstadt\nTisch 1\n07.12.2026\nPermanenz\n' >"$ordner/leer.txt"
printf 'datei %s\n' "$ordner/leer.txt" >"$ordner/c"
printf 'datei %s\n' "$ordner/voll.txt" >"$ordner/a"
# 97 whole rotations and 10 single spins: exactly the 3599 values.
{ cat "$ordner/a"; for ((i = 0; i < 97; i++)); do echo rotat; done
  for ((i = 0; i < 10; i++)); do echo wurf; done; echo zeige; } >"$ordner/b"

zaehle() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$skript" <"$ordner/$1" 2>&1 >"$ordner/$1.aus" |
        sed -nE 's/.*Collected : ([0-9]+).*/\1/p'
}
a=$(zaehle a); b=$(zaehle b); c=$(zaehle c)
grep -q '"wurfzaehler":3599' "$ordner/b.aus" || { echo "Die Wiedergabe hat nicht 3599 Würfe gemacht." >&2; exit 1; }
echo "Instruktionen je geladenem Wert: $(((a - c) / werte))"
echo "Instruktionen je Wurf:           $(((b - a) / werte))"
