#!/usr/bin/env bash
# Builds Quentor for 64-bit ARM Linux (arm64: Raspberry Pi OS, ARM Chromebooks, ARM laptops) on
# this machine, with Debian's cross compilers and arm64's libraries installed beside the host's
# (multiarch; CMake preset `arm64`, folder build-arm64/, freigabe/linux/aarch64-linux-gnu.cmake), and
# proves it as the amd64 build is proven:
#   - every test runs under qemu-user, warnings are errors;
#   - the window, run under qemu on a virtual X server, is the amd64 window's picture;
#   - the package quentor_VERSION_arm64.deb is built with Debian's build flags and checked, with
#     its bill of materials and SHA256SUMS beside it (freigabe/linux/paket-pruefen.sh);
#   - it is installed with apt in a fresh Debian 12 arm64 root (mmdebstrap, freigabe/gemeinsam/wurzel.sh)
#     and the window it installed is the amd64 window's picture too.
# Needs root or sudo (the architecture, binfmt_misc, the root). With --paket only the package is
# built and checked (freigabe/gemeinsam/nachbauen.sh builds it so a second time). The release's
# settings (freigabe_umgebung: its time, umask and time zone) hold for the package alone, not for
# the build and the tests.
# Usage: bash freigabe/linux/arm64.sh [--paket]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source scripts/hilfen/programme.sh
source freigabe/gemeinsam/freigabe.sh
source freigabe/gemeinsam/wurzel.sh

# The Debian 12 arm64 root the package is installed in, made afresh each time.
probe="$(wurzel_cache)/arm64-probe"
# Set by main: the build folder (the preset's), the window pictures in it, the tests' count.
bau=""
bilder=""
zaehlung=""

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

# Configures the preset arm64 with the given settings; sets bau, its build folder as the configure
# step names it, relative to the tree.
konfigurieren() {
    local ordner
    ordner=$(cmake --preset arm64 "$@" | sed -n 's/^-- Build files have been written to: //p')
    bau=$(realpath --relative-to=. "$ordner")
}

# Every test under qemu, its output shown; sets zaehlung, the count, and fails as ctest does.
tests_unter_qemu() {
    local status=0
    protokoll=$(mktemp) || return
    trap 'rm -f "$protokoll"' EXIT
    ctest --preset arm64 -j "$(nproc)" 2>&1 | tee "$protokoll" || status=$?
    zaehlung="ctest unter qemu (arm64): $(bash scripts/hilfen/ctest-zaehlung.sh "$protokoll" || echo "?")"
    rm -f "$protokoll"
    trap - EXIT
    return "$status"
}

# The package from the build folder, with the release's settings, checked; its path on the last
# line of the output, everything else (cpack's log when it fails, the checks) on stderr.
paket_bauen() {
    rm -f "$bau"/quentor_*.deb "$bau"/quentor_*.spdx.json "$bau"/SHA256SUMS "$bau"/SHA256SUMS.asc
    local protokoll pakete
    protokoll=$(mktemp) || return
    if ! (freigabe_umgebung && cpack --preset arm64) >"$protokoll" 2>&1; then
        cat "$protokoll" >&2
        rm -f "$protokoll"
        echo "Der Paketbau ist fehlgeschlagen." >&2
        return 1
    fi
    rm -f "$protokoll"
    pakete=("$bau"/quentor_*_arm64.deb)
    bash freigabe/linux/paket-pruefen.sh "${pakete[0]}" >&2 || return
    echo "${pakete[0]}"
}

# Saves the picture of the window a command starts, on a virtual X server; the window is found by
# its title (FORM_TITEL, form_masse).
# Usage: formbild BILD.png PROGRAMM [ARGUMENTE...]
formbild() {
    local bild=$1 laufzeit status=0
    shift
    laufzeit=$(mktemp -d)
    XDG_RUNTIME_DIR=$laufzeit xvfb-run -a -s "-screen 0 1024x768x24" \
        bash scripts/hilfen/formbild.sh "$bild" "$FORM_TITEL" "$@" || status=$?
    rm -rf "$laufzeit"
    return "$status"
}

# Compares a picture with the amd64 window's; says how many pixels differ.
# Usage: gleiches_bild NAME BILD.png
gleiches_bild() {
    local unterschied
    unterschied=$(compare -metric AE "$bilder/amd64.png" "$2" null: 2>&1 || true)
    echo "$1 gegen das amd64-Fenster: $unterschied Pixel verschieden"
    [ "$unterschied" = 0 ]
}

# An empty folder for the window pictures, in the build folder.
bilder_leeren() {
    bilder="$bau/bilder"
    rm -rf "$bilder"
    mkdir -p "$bilder"
}

# The amd64 window of the Linux preset in use (dev, or ci in CI), drawn as a reference; its
# picture tool gives the window's title.
amd64_bild() {
    local preset=${QUENTOR_PRESET:-dev} ordner
    ordner=$(cmake --preset "$preset" | sed -n 's/^-- Build files have been written to: //p')
    cmake --build --preset "$preset" --target quentor quentor_bildvergleich -j "$(nproc)" >/dev/null
    form_masse "$(programm "$ordner" quentor_bildvergleich)"
    formbild "$bilder/amd64.png" "$(programm "$ordner" quentor)"
}

# A fresh Debian 12 arm64 root with the package installed by apt. What the package depends on
# comes with the root: mmdebstrap's apt runs on the host, only dpkg and the packages' scripts run
# under qemu (apt inside, emulated, would take minutes to read Debian's package lists); apt
# inside then installs the package itself against those lists, without its recommendations. Its
# window's picture is taken; the root is removed afterwards.
# Usage: installiert_bild PAKET.deb
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
    formbild "$bilder/installiert.png" \
        bash -c 'source freigabe/gemeinsam/wurzel.sh && wurzel_starten "$@"' _ "$probe" /usr/bin/quentor
    wurzel_entfernen "$probe"
    trap - EXIT
}

# The packages a package depends on, comma-separated, without versions and alternatives.
# Usage: abhaengigkeiten PAKET.deb
abhaengigkeiten() {
    dpkg-deb -f "$1" Depends | sed -E 's/ *\([^)]*\)//g; s/ *\|[^,]*//g; s/ //g'
}

# The package alone, without the tests (--paket).
nur_das_paket() {
    konfigurieren -DBUILD_TESTING=OFF
    cmake --build --preset arm64 -j "$(nproc)"
    paket_bauen >/dev/null
}

main() {
    vorbereiten
    if [ "${1:-}" = "--paket" ]; then
        nur_das_paket
        return
    fi
    local status=0 deb
    konfigurieren
    cmake --build --preset arm64 -j "$(nproc)"
    tests_unter_qemu || status=$?
    bilder_leeren
    amd64_bild
    formbild "$bilder/arm64.png" "$(programm "$bau" quentor)"
    gleiches_bild "Das arm64-Fenster (unter qemu)" "$bilder/arm64.png" || status=1
    deb=$(paket_bauen)
    installiert_bild "$deb"
    gleiches_bild "Das installierte arm64-Paket" "$bilder/installiert.png" || status=1
    echo "$zaehlung"
    return "$status"
}

main "$@"
