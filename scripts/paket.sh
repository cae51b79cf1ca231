#!/usr/bin/env bash
# Builds the Debian package with the preset `paket` (Debian's build flags, no tests) and checks
# what it ships: the icons against their SVG, the desktop entry (desktop-file-validate), the
# AppStream metadata (appstreamcli) and the package itself (lintian). Any error or warning fails.
# The package is reproducible (its time is the last commit's, SOURCE_DATE_EPOCH; see
# scripts/freigabe.sh); beside it the bill of materials quentor_VERSION_ARCH.spdx.json
# (scripts/stueckliste.py, checked against the package) and SHA256SUMS of both.
# Usage: bash scripts/paket.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
source scripts/freigabe.sh
bash scripts/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${PAKET_PAKETE[@]}" "${FREIGABE_PAKETE[@]}"

bau=build-paket
protokoll=$(mktemp)
inhalt=$(mktemp -d)
trap 'rm -rf "$protokoll" "$inhalt"' EXIT

rm -f "$bau"/quentor_*.deb "$bau"/quentor_*.spdx.json "$bau"/SHA256SUMS
if ! CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset paket >"$protokoll" 2>&1; then
    cat "$protokoll"
    echo "Der Paketbau ist fehlgeschlagen." >&2
    exit 1
fi
pakete=("$bau"/quentor_*.deb)
deb=${pakete[0]}
echo "Paket: $deb"
dpkg-deb -x "$deb" "$inhalt"

bash scripts/symbole.sh --pruefen

desktop=("$inhalt"/usr/share/applications/*.desktop)
if ! befund=$(desktop-file-validate "${desktop[@]}" 2>&1) || [ -n "$befund" ]; then
    echo "$befund"
    echo "desktop-file-validate: Befunde in ${desktop[*]##*/}" >&2
    exit 1
fi
echo "desktop-file-validate: ${desktop[*]##*/} ohne Befund"

# validate checks the metadata itself; validate-tree also finds its desktop entry in the package.
appstreamcli validate --no-net "$inhalt"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$inhalt" >"$protokoll" 2>&1 || { cat "$protokoll"; exit 1; }

# Informational tags are shown, errors and warnings fail.
if ! lintian --fail-on error,warning --display-info "$deb" 2>&1 |
    { grep -v "running with root privileges" || true; }; then
    echo "lintian: Fehler oder Warnungen in $deb" >&2
    exit 1
fi
echo "lintian: keine Fehler, keine Warnungen"

# The bill of materials and the checksums.
stueckliste=${deb%.deb}.spdx.json
python3 scripts/stueckliste.py deb "$deb" "$stueckliste" --eingebaut nlohmann-json3-dev
python3 scripts/stueckliste.py pruefen "$stueckliste" "$deb"
freigabe_pruefsummen "$bau" "${deb##*/}" "${stueckliste##*/}"
