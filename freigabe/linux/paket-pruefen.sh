#!/usr/bin/env bash
# Checks a Debian package of Quentor as it is shipped and publishes it: the desktop entry
# (desktop-file-validate), the AppStream metadata (appstreamcli) and the package itself (lintian);
# any error or warning fails. Then writes beside it its bill of materials
# quentor_VERSION_ARCH.spdx.json (freigabe/stueckliste, checked against the package) and
# SHA256SUMS of both. For every architecture's package (freigabe/linux/paket.sh, freigabe/linux/arm64.sh).
# A release step as a whole: it runs with the release's settings (freigabe_umgebung).
# Usage: bash freigabe/linux/paket-pruefen.sh PAKET.deb
set -euo pipefail
cd "$(dirname "$0")/../.."
source freigabe/gemeinsam/freigabe.sh

# The desktop entries of the package's files in FOLDER, without any finding.
# Usage: desktop_pruefen FOLDER
desktop_pruefen() {
    local desktop=("$1"/usr/share/applications/*.desktop) befund
    if ! befund=$(desktop-file-validate "${desktop[@]}" 2>&1) || [ -n "$befund" ]; then
        echo "$befund"
        echo "desktop-file-validate: Befunde in ${desktop[*]##*/}" >&2
        return 1
    fi
    echo "desktop-file-validate: ${desktop[*]##*/} ohne Befund"
}

# validate checks the metadata itself; validate-tree also finds its desktop entry in the package
# (its files in FOLDER).
# Usage: appstream_pruefen FOLDER
appstream_pruefen() {
    appstreamcli validate --no-net "$1"/usr/share/metainfo/*.metainfo.xml
    appstreamcli validate-tree --no-net "$1" >"$protokoll" 2>&1 || { cat "$protokoll"; return 1; }
}

# Informational tags are shown, errors and warnings fail.
# Usage: lintian_pruefen PAKET.deb
lintian_pruefen() {
    if ! lintian --fail-on error,warning --display-info "$1" 2>&1 |
        { grep -v "running with root privileges" || true; }; then
        echo "lintian: Fehler oder Warnungen in $1" >&2
        return 1
    fi
    echo "lintian: keine Fehler, keine Warnungen"
}

# The bill of materials and the checksums.
# Usage: veroeffentlichen PAKET.deb
veroeffentlichen() {
    local deb=$1 stueckliste=${1%.deb}.spdx.json
    python3 -B freigabe/stueckliste deb "$deb" "$stueckliste" --eingebaut nlohmann-json3-dev
    python3 -B freigabe/stueckliste pruefen "$stueckliste" "$deb"
    freigabe_pruefsummen "$(dirname "$deb")" "${deb##*/}" "${stueckliste##*/}"
}

main() {
    local deb=$1
    freigabe_umgebung
    inhalt=$(mktemp -d)
    protokoll=$(mktemp)
    trap 'rm -rf "$inhalt" "$protokoll"' EXIT
    dpkg-deb -x "$deb" "$inhalt"
    desktop_pruefen "$inhalt"
    appstream_pruefen "$inhalt"
    lintian_pruefen "$deb"
    veroeffentlichen "$deb"
}

main "$@"
