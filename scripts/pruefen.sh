#!/usr/bin/env bash
# The deeper checks CI runs after the tests: the whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (window tests included, offscreen), then clang-tidy and cppcheck.
# Usage: bash scripts/pruefen.sh [san|tidy|cppcheck ...]   (default: all three)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
bash scripts/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PRUEF_PAKETE[@]}"

schritte=("$@")
[ ${#schritte[@]} -gt 0 ] || schritte=(san tidy cppcheck)

sanitizer() {
    local bau=build-san
    cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENTOR_SANITIZE=ON >/dev/null
    cmake --build "$bau" -j "$(nproc)"
    QT_QPA_PLATFORM=offscreen LC_ALL=C \
    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$bau" --output-on-failure -j "$(nproc)"
}

tidy() {
    # Uses the compile commands of the normal build (scripts/test.sh).
    [ -f build/compile_commands.json ] || bash scripts/test.sh
    local log=build/clang-tidy.log
    run-clang-tidy -p build -quiet "$PWD/(core|import|tools|ui|tests)/.*\.cpp$" >"$log" 2>&1 || true
    if sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E "(warning|error):"; then
        echo "clang-tidy: Befunde (siehe $log)"
        return 1
    fi
    echo "clang-tidy: sauber"
}

cppcheck_lauf() {
    cppcheck --enable=warning,performance,portability --std=c++20 --error-exitcode=1 \
        --inline-suppr --quiet -I core -I import -I tools core import tools ui
    echo "cppcheck: sauber"
}

for schritt in "${schritte[@]}"; do
    case "$schritt" in
        san) sanitizer ;;
        tidy) tidy ;;
        cppcheck) cppcheck_lauf ;;
        *) echo "unbekannter Schritt: $schritt" >&2; exit 2 ;;
    esac
done
