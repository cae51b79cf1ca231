#!/usr/bin/env bash
# Checks a Debian package of Quentor as it is shipped (freigabe/linux/paket.sh, freigabe/linux/arm64.sh):
# the desktop entry (desktop-file-validate), the AppStream metadata (appstreamcli) and the package
# itself (lintian), any error or warning failing; and that its programs are those of the build
# folder BAU, whose tests ran them: the same GNU build ID.
# Usage: bash freigabe/linux/paket-pruefen.sh PAKET.deb BAU
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh

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
    leise appstreamcli validate-tree --no-net "$1"
}

# Prints the GNU build ID of the program FILE.
# Usage: bau_id FILE
bau_id() {
    readelf -n "$1" | awk '/Build ID:/ { print $3 }'
}

# Each program in the package (its files in FOLDER) has the build ID of the one built in BAU.
# Usage: gleiche_programme FOLDER BAU
gleiche_programme() {
    local name gebaut geliefert status=0
    for name in quentor quentor-skript; do
        gebaut=$(bau_id "$(programm "$2" "$name")")
        geliefert=$(bau_id "$1/usr/bin/$name")
        if [ -z "$gebaut" ] || [ "$gebaut" != "$geliefert" ]; then
            echo "$name im Paket ist nicht das getestete aus $2 (Build-ID ${geliefert:-keine}," \
                "gebaut ${gebaut:-keine})." >&2
            status=1
        fi
    done
    [ "$status" -ne 0 ] || echo "Die Programme im Paket sind die getesteten aus $2 (gleiche Build-ID)"
    return "$status"
}

main() {
    local deb=$1 bau=$2
    bash scripts/hilfen/abhaengigkeiten.sh "${PAKET_PAKETE[@]}"
    inhalt=$(mktemp -d)
    trap 'rm -rf "$inhalt"' EXIT
    dpkg-deb -x "$deb" "$inhalt"
    desktop_pruefen "$inhalt"
    appstream_pruefen "$inhalt"
    lintian_pruefen "$deb"
    gleiche_programme "$inhalt" "$bau"
}

main "$@"
