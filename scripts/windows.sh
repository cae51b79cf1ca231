#!/usr/bin/env bash
# Builds the part without Qt for 64-bit Windows (MinGW-w64, CMake preset `windows`, folder
# build-windows/) with warnings as errors and runs its tests under Wine. Installs what is missing,
# like the other scripts. Usage: bash scripts/windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
bash scripts/abhaengigkeiten.sh "${WINDOWS_PAKETE[@]}"

# As in the test preset: a Wine prefix of our own in the build folder, no debug output, no offer to
# install Mono or Gecko; without a display Wine opens no window of its own either.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Lege das Wine-Präfix an: $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # A crashing test reports on its output instead of waiting in a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
fi
# One wineserver for the whole run instead of one per test process (once the one of the prefix's
# set-up has ended), and Wine's own services started now: started by a test, they would keep its
# output pipe open and ctest would wait for them.
wineserver -w
wineserver -p
wineboot >/dev/null 2>&1
protokoll=$(mktemp)
trap 'wineserver -k || true; rm -f "$protokoll"' EXIT
status=0
ctest --preset windows -j "$(nproc)" 2>&1 | tee "$protokoll" || status=$?

zeile=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$protokoll" | tail -1 || true)
if [ -n "$zeile" ]; then
    gesamt=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$zeile")
    fehler=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$zeile")
    uebersprungen=$(grep -cE "^\s+[0-9]+ - .*\(Skipped\)" "$protokoll" || true)
    echo "ctest unter Wine: $((gesamt - fehler - uebersprungen)) passed, $fehler failed," \
        "$uebersprungen skipped"
fi
exit "$status"
