#!/usr/bin/env bash
# The one recipe of the Windows release: for the release itself (freigabe/windows/windows.sh, whose
# tests then run on the same build), its second build (freigabe/gemeinsam/nachbauen.sh) and the
# installer's test version of a later number. Configures the preset windows with Qt for Windows
# (freigabe/windows/qt-windows.sh, which must have built it) and the cmake arguments given
# (-B FOLDER for another folder than build-windows; -DQUENTOR_ANLEITUNG_BILDER=FOLDER, the guide's
# pictures), builds it and makes quentor-VERSION-win64.zip and quentor-VERSION-win64-setup.exe
# (CPack; reproducible, see freigabe/gemeinsam/freigabe.sh), beside them the bill of materials
# quentor-VERSION-win64.spdx.json (freigabe/stueckliste, checked against the zip) and SHA256SUMS
# of all three, signed. The names come from the build (freigabe.txt). Every program and DLL in
# them, the installer and its uninstaller are signed (freigabe/windows/signieren.sh: with the
# maintainer's key, or with a throwaway authority whose certificate is left in
# FOLDER/signatur/wegwerf-ca.pem); the signatures are kept in FOLDER/signatur/signaturen, from
# where the second build attaches them. Runs on Debian 13, as windows.sh does. Prints the zip, the
# installer and the bill of materials, one a line; everything else goes to stderr.
# Usage: bash freigabe/windows/windows-freigabe.sh [CMAKE_ARGUMENT...]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/freigabe.sh

# Prints the build folder that the cmake ARGUMENTS name with -B, or build-windows.
# Usage: genannter_ordner ARGUMENT...
genannter_ordner() {
    local ordner=build-windows
    while [ $# -gt 0 ]; do
        if [ "$1" = -B ] && [ $# -gt 1 ]; then ordner=$2; fi
        shift
    done
    printf '%s\n' "$ordner"
}

# Prints --fresh when FOLDER was configured with another Qt than QT (other options, another
# version): configured afresh, so that no package of the old one is left in its cache.
# Usage: frisch_wahl FOLDER QT
frisch_wahl() {
    if [ -f "$1/CMakeCache.txt" ] && ! grep -qxF "QUENTOR_QT_WINDOWS:PATH=$2" "$1/CMakeCache.txt"; then
        echo --fresh
    fi
}

# The zip and the installer of the built FOLDER (CPack, which signs what it packs), CPack's output
# shown only when it fails; the release's files of an earlier run and its signatures removed
# first (each file is signed afresh; the authority stays).
# Usage: packen FOLDER ZIP SETUP STUECKLISTE
packen() {
    rm -f "$2" "$3" "$4" "$1/SHA256SUMS" "$1/SHA256SUMS.asc"
    rm -rf "$1/signatur/signaturen"
    if ! (cd "$1" && leise cpack); then
        echo "CPack ist fehlgeschlagen." >&2
        return 1
    fi
    echo "Pakete: $2 ($(du -h "$2" | cut -f1)), $3 ($(du -h "$3" | cut -f1))"
}

# The bill of materials of ZIP and SETUP of VERSION, checked against both, and SHA256SUMS of all
# three, signed.
# Usage: veroeffentlichen VERSION ZIP SETUP STUECKLISTE
veroeffentlichen() {
    local version=$1
    shift
    python3 -B freigabe/stueckliste windows "$1" "$2" "$3" --version "$version" \
        --eingebaut nlohmann-json3-dev
    python3 -B freigabe/stueckliste pruefen "$3" "$1" "$2"
    freigabe_pruefsummen "$(dirname "$1")" "${1##*/}" "${2##*/}" "${3##*/}"
}

main() {
    local qt bau dateien
    bash scripts/hilfen/abhaengigkeiten.sh "${FREIGABE_PAKETE[@]}" "${SIGNATUR_PAKETE[@]}" >&2
    qt=$(bash freigabe/windows/qt-windows.sh --ordner)
    bau=$(genannter_ordner "$@")
    # shellcheck disable=SC2046 # no option or one
    bau=$(bauen windows $(frisch_wahl "$bau" "$qt") -DQUENTOR_QT_WINDOWS:PATH="$qt" "$@")
    # The build's bytes do not depend on them; the release's files do.
    freigabe_umgebung
    dateien=("$(freigabe_datei "$bau" zip)" "$(freigabe_datei "$bau" installationsprogramm)"
             "$(freigabe_datei "$bau" stueckliste)")
    packen "$bau" "${dateien[@]}" >&2
    veroeffentlichen "$(freigabe_wert "$bau" version)" "${dateien[@]}" >&2
    printf '%s\n' "${dateien[@]}"
}

main "$@"
