#!/usr/bin/env bash
# Builds Quentor for 64-bit ARM Linux (arm64: Raspberry Pi OS, ARM Chromebooks, ARM laptops) on
# this machine, with Debian's cross compilers and arm64's libraries installed beside the host's
# (multiarch; CMake preset `arm64`, folder build-arm64/, freigabe/linux/aarch64-linux-gnu.cmake), and
# proves it as the amd64 build is proven:
#   - every test runs under qemu-user, warnings are errors;
#   - the window, run under qemu on a virtual X server, is the amd64 window's picture;
#   - the package quentor_VERSION_arm64.deb is made from that build by the recipe of every package
#     (freigabe/linux/deb-freigabe.sh: Debian's build flags, its bill of materials and SHA256SUMS
#     beside it) and checked, its programs the tested ones (freigabe/linux/paket-pruefen.sh);
#   - it is installed with apt in a fresh Debian 12 arm64 root (mmdebstrap, freigabe/gemeinsam/wurzel.sh)
#     and the window it installed is the amd64 window's picture too.
# Needs root or sudo (the architecture, binfmt_misc, the root). With --paket only the package is
# made by the recipe, without the tests (freigabe/gemeinsam/nachbauen.sh builds it so a second
# time). Prints the package and its bill of materials, one a line.
# Usage: bash freigabe/linux/arm64.sh [--paket]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/wurzel.sh

# The Debian 12 arm64 root the package is installed in, made afresh each time.
probe="$(wurzel_cache)/arm64-probe"

# The architecture, qemu for its programs and every package the build and its checks need.
vorbereiten() {
    architektur_hinzufuegen
    binfmt_einhaengen
    bash scripts/hilfen/abhaengigkeiten.sh "${BAU_PAKETE[@]}" "${START_PAKETE[@]}" "${DESKTOP_PAKETE[@]}" \
        "${PAKET_PAKETE[@]}" "${FREIGABE_PAKETE[@]}" "${ARM64_PAKETE[@]}"
    qemu_anmelden
}

# dpkg's architecture arm64 beside the host's, for arm64's libraries.
architektur_hinzufuegen() {
    if ! dpkg --print-foreign-architectures | grep -qx arm64; then
        echo "Füge die Architektur arm64 hinzu (dpkg --add-architecture arm64)"
        wurzel_als_root dpkg --add-architecture arm64
    fi
}

# The kernel starts arm64 programs through qemu once binfmt_misc knows it; a container may
# come without binfmt_misc mounted. qemu-user-static registers itself when it is installed.
binfmt_einhaengen() {
    if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
        wurzel_als_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || true
    fi
}

# qemu-aarch64 known to binfmt_misc, or the script fails: arm64 programs cannot run here.
qemu_anmelden() {
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-aarch64 ]; then
        wurzel_als_root update-binfmts --enable qemu-aarch64 || true
    fi
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-aarch64 ]; then
        echo "binfmt_misc fehlt oder kennt qemu-aarch64 nicht: arm64-Programme laufen hier nicht." >&2
        echo "(Ein Container braucht dafür die Rechte, binfmt_misc einzuhängen.)" >&2
        return 1
    fi
}

# Every test of the preset's build under qemu, their output on stderr; prints the line with their
# count and fails as ctest does.
tests_unter_qemu() {
    local status=0 protokoll
    protokoll=$(mktemp) || return
    ctest --preset arm64 -j "$(nproc)" 2>&1 | tee "$protokoll" >&2 || status=$?
    echo "ctest unter qemu (arm64): $(bash scripts/hilfen/ctest-zaehlung.sh "$protokoll" || echo "?")"
    rm -f "$protokoll"
    return "$status"
}

# Compares the picture BILD.png with the amd64 window's REFERENZ.png; says how many pixels differ.
# Usage: gleiches_bild NAME REFERENZ.png BILD.png
gleiches_bild() {
    local unterschied
    unterschied=$(compare -metric AE "$2" "$3" null: 2>&1 || true)
    echo "$1 gegen das amd64-Fenster: $unterschied Pixel verschieden"
    [ "$unterschied" = 0 ]
}

# Prints an empty folder for the window pictures, in the build folder FOLDER.
# Usage: bilder_leeren FOLDER
bilder_leeren() {
    rm -rf "$1/bilder"
    mkdir -p "$1/bilder"
    printf '%s\n' "$1/bilder"
}

# Saves the picture of the window of the Linux preset in use (dev, or ci in CI) as BILD.png, the
# reference; its picture tool gives the window's title (form_masse, for the pictures after it).
# Usage: amd64_bild BILD.png
amd64_bild() {
    local ordner
    ordner=$(ergebnis bauen --ziel quentor --ziel quentor_bildvergleich "${QUENTOR_PRESET:-dev}")
    form_masse "$(programm "$ordner" quentor_bildvergleich)"
    fensterbild "$1" "" "$(programm "$ordner" quentor)"
}

# A fresh Debian 12 arm64 root with the package installed by apt. What the package depends on
# comes with the root: mmdebstrap's apt runs on the host, only dpkg and the packages' scripts run
# under qemu (apt inside, emulated, would take minutes to read Debian's package lists); apt
# inside then installs the package itself against those lists, without its recommendations. Its
# window's picture is taken; the root is removed afterwards.
# Usage: installiert_bild PAKET.deb BILD.png
installiert_bild() {
    local deb=$1 beginn=$SECONDS abhaengig
    abhaengig=$(abhaengigkeiten "$deb")
    trap 'wurzel_entfernen "$probe"' EXIT
    wurzel_anlegen "$probe" bookworm arm64 "$abhaengig"
    wurzel_als_root cp "$deb" "$probe/root/"
    wurzel_ausfuehren "$probe" bookworm arm64 "" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "/root/${deb##*/}" >/dev/null
    echo "Debian 12 arm64 mit dem Paket angelegt in $((SECONDS - beginn)) s"
    # shellcheck disable=SC2016 # expanded by the bash that starts the program
    fensterbild "$2" "" \
        bash -c 'source freigabe/gemeinsam/wurzel.sh && wurzel_starten "$@"' _ "$probe" /usr/bin/quentor
    wurzel_entfernen "$probe"
    trap - EXIT
}

# The packages a package depends on, comma-separated, without versions and alternatives.
# Usage: abhaengigkeiten PAKET.deb
abhaengigkeiten() {
    dpkg-deb -f "$1" Depends | sed -E 's/ *\([^)]*\)//g; s/ *\|[^,]*//g; s/ //g'
}

main() {
    local status=0 bau bilder zaehlung dateien
    vorbereiten >&2
    if [ "${1:-}" = "--paket" ]; then
        bash freigabe/linux/deb-freigabe.sh arm64 -DBUILD_TESTING=OFF
        return
    fi
    bau=$(bauen arm64)
    zaehlung=$(tests_unter_qemu) || status=1
    bilder=$(bilder_leeren "$bau")
    amd64_bild "$bilder/amd64.png" >&2
    fensterbild "$bilder/arm64.png" "" "$(programm "$bau" quentor)" >&2
    gleiches_bild "Das arm64-Fenster (unter qemu)" "$bilder/amd64.png" "$bilder/arm64.png" >&2 ||
        status=1
    dateien=$(bash freigabe/linux/deb-freigabe.sh arm64)
    bash freigabe/linux/paket-pruefen.sh "$(sed -n 1p <<<"$dateien")" "$bau" >&2
    installiert_bild "$(sed -n 1p <<<"$dateien")" "$bilder/installiert.png" >&2
    gleiches_bild "Das installierte arm64-Paket" "$bilder/amd64.png" "$bilder/installiert.png" >&2 ||
        status=1
    echo "$zaehlung" >&2
    printf '%s\n' "$dateien"
    return "$status"
}

main "$@"
