#!/usr/bin/env bash
# The deeper checks CI runs after the tests: the whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (preset san, window tests included, offscreen), clang-tidy, cppcheck
# and the formatting of every source file.
# Usage: bash scripts/pruefen.sh [san|tidy|cppcheck|format ...]   (default: all four)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh

# The whole test suite with the sanitizers.
sanitizer() {
    bauen san >/dev/null
    ctest --preset san -j "$(nproc)"
}

# clang-tidy on the compile commands of the sanitizer build; configuring is enough for them.
tidy() {
    [ -f build-san/compile_commands.json ] || konfigurieren san >/dev/null
    local log=build-san/clang-tidy.log
    run-clang-tidy -p build-san -quiet "$PWD/(core|import|speichertisch|skript|ui|anleitung|werkzeuge|tests)/.*\.cpp$" >"$log" 2>&1 || true
    if sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E "(warning|error):"; then
        echo "clang-tidy: Befunde (siehe $log)"
        return 1
    fi
    echo "clang-tidy: sauber"
}

# cppcheck on the sources, any finding an error; not on the tests, whose GoogleTest macros it
# does not expand.
cppcheck_lauf() {
    cppcheck --enable=warning,performance,portability --std=c++20 --error-exitcode=1 \
        --inline-suppr --quiet -I core -I import -I speichertisch -I skript \
        -i anleitung/anleitung_test.cpp core import speichertisch skript ui anleitung werkzeuge
    echo "cppcheck: sauber"
}

# Every C++ source file formatted as .clang-format says.
format() {
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    echo "clang-format: sauber"
}

# The steps named, in their order (all four when none is named).
main() {
    local schritte=("$@") schritt
    [ ${#schritte[@]} -gt 0 ] || schritte=(san tidy cppcheck format)
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PRUEF_PAKETE[@]}"
    for schritt in "${schritte[@]}"; do
        case "$schritt" in
            san) sanitizer ;;
            tidy) tidy ;;
            cppcheck) cppcheck_lauf ;;
            format) format ;;
            *) echo "unbekannter Schritt: $schritt" >&2; return 2 ;;
        esac
    done
}

main "$@"
