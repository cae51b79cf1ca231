#!/usr/bin/env bash
# Makes the Windows release from a built folder (freigabe/windows/windows.sh): quentor-VERSION-win64.zip and
# quentor-VERSION-win64-setup.exe (CPack; reproducible, see freigabe/gemeinsam/freigabe.sh), beside them the
# bill of materials quentor-VERSION-win64.spdx.json (freigabe/stueckliste, checked against the
# zip) and SHA256SUMS of all three. Every program and DLL in them, the installer and its uninstaller
# are signed (freigabe/windows/signieren.sh: with the maintainer's key, or with a throwaway
# authority whose certificate is left in BUILD_DIR/signatur/wegwerf-ca.pem); the signatures are
# kept in BUILD_DIR/signatur/signaturen, from where freigabe/gemeinsam/nachbauen.sh attaches them
# to its rebuild.
# Usage: bash freigabe/windows/windows-freigabe.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source freigabe/gemeinsam/freigabe.sh
freigabe_umgebung
bash scripts/hilfen/abhaengigkeiten.sh "${FREIGABE_PAKETE[@]}" "${SIGNATUR_PAKETE[@]}"
bau=${1:-build-windows}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bau/CMakeCache.txt")
name=quentor-$version-win64
rm -f "$bau/$name.zip" "$bau/$name-setup.exe" "$bau/$name.spdx.json" "$bau/SHA256SUMS"
# Each file is signed afresh; the authority stays.
rm -rf "$bau/signatur/signaturen"
protokoll=$(mktemp)
trap 'rm -f "$protokoll"' EXIT
if ! (cd "$bau" && cpack >"$protokoll" 2>&1); then
    cat "$protokoll"
    echo "CPack ist fehlgeschlagen." >&2
    exit 1
fi
for paket in "$bau/$name.zip" "$bau/$name-setup.exe"; do
    echo "Paket: $paket ($(du -h "$paket" | cut -f1))"
done
python3 -B freigabe/stueckliste windows "$bau/$name.zip" "$bau/$name-setup.exe" \
    "$bau/$name.spdx.json" --eingebaut nlohmann-json3-dev
python3 -B freigabe/stueckliste pruefen "$bau/$name.spdx.json" "$bau/$name.zip" \
    "$bau/$name-setup.exe"
freigabe_pruefsummen "$bau" "$name.zip" "$name-setup.exe" "$name.spdx.json"
