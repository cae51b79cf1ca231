#!/usr/bin/env bash
# Proves that the project builds, passes its tests and runs on a fresh Debian 13 (on an older
# host too, in a Debian 13 root made here with mmdebstrap, needing root or sudo): in a fresh clone
# of HEAD inside it, the README's two commands (scripts/start.sh, scripts/test.sh), then the Debian
# package PAKET.deb (default: the one freigabe/linux/paket.sh made on Debian 12, the oldest system
# supported, in the build of the preset in use) installed with apt and its window started: its
# picture must be the one start.sh saved. The root is made afresh every time and removed
# afterwards; the packages it downloads are kept for the next one.
# Usage: bash freigabe/linux/debian13.sh [PAKET.deb]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/wurzel.sh

# The root, made afresh each time.
ziel="$(wurzel_cache)/debian13-probe"

# Inside, as a new user of Debian 13 would: clone, open the window (no display: its picture is
# saved), run the tests; then install the package and start what it installed.
# Usage: im_debian13 PAKET.deb
im_debian13() {
    # shellcheck disable=SC2016 # the script is expanded by the bash inside the root
    wurzel_ausfuehren "$ziel" trixie "" "$PWD" bash -c '
        set -euo pipefail
        zeit() { local b=$SECONDS; "$@"; echo "$* in $((SECONDS - b)) s"; }
        git config --global --add safe.directory "$1"
        git clone --quiet "$1" /root/quentor
        cd /root/quentor
        zeit bash scripts/start.sh
        echo "Debian $(cat /etc/debian_version), Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev)"
        zeit bash scripts/test.sh
        echo "Installiere ${2##*/}"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/root/${2##*/}" >/dev/null
        source scripts/hilfen/gemeinsam.sh
        form_masse "$(programm build quentor_bildvergleich)"
        fensterbild /root/paket.png "" /usr/bin/quentor
        unterschied=$(compare -metric AE build/quentor-form1.png /root/paket.png null: 2>&1 || true)
        echo "Das installierte Programm gegen start.sh: $unterschied Pixel verschieden"
        [ "$unterschied" = 0 ]
    ' debian13 "$PWD" "$1"
}

main() {
    local deb beginn
    deb=${1:-$(freigabe_von "${QUENTOR_PRESET:-dev}" paket)}
    trap 'wurzel_entfernen "$ziel"' EXIT
    beginn=$SECONDS
    # git and the CA certificates, for the clone inside.
    wurzel_anlegen "$ziel" trixie "" ca-certificates,git
    wurzel_als_root cp "$deb" "$ziel/root/"
    echo "Debian 13 angelegt in $((SECONDS - beginn)) s"
    im_debian13 "$deb"
    echo "Debian 13: alles bestanden in $((SECONDS - beginn)) s"
}

main "$@"
