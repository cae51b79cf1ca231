#!/usr/bin/env bash
# Checks a Debian package of Quentor as it is shipped and publishes it: the desktop entry
# (desktop-file-validate), the AppStream metadata (appstreamcli) and the package itself (lintian);
# any error or warning fails. Then writes beside it its bill of materials
# quentor_VERSION_ARCH.spdx.json (freigabe/stueckliste, checked against the package) and
# SHA256SUMS of both. For every architecture's package (freigabe/linux/paket.sh, freigabe/linux/arm64.sh).
# Usage: bash freigabe/linux/paket-pruefen.sh PAKET.deb
set -euo pipefail
cd "$(dirname "$0")/../.."
source freigabe/gemeinsam/freigabe.sh
freigabe_umgebung
deb=$1
inhalt=$(mktemp -d)
protokoll=$(mktemp)
trap 'rm -rf "$inhalt" "$protokoll"' EXIT
dpkg-deb -x "$deb" "$inhalt"

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
python3 -B freigabe/stueckliste deb "$deb" "$stueckliste" --eingebaut nlohmann-json3-dev
python3 -B freigabe/stueckliste pruefen "$stueckliste" "$deb"
freigabe_pruefsummen "$(dirname "$deb")" "${deb##*/}" "${stueckliste##*/}"
