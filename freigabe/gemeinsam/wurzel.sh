# A Debian system in a folder (a root made with mmdebstrap from Debian's archive), for work that
# needs another Debian than the host's: the Windows release, built on Debian 13's Qt 6.8; CI's
# proof that the project builds and runs on Debian 13; the arm64 package installed and started on
# an arm64 Debian (through qemu-user and binfmt_misc). Sourced by the scripts that use it; sourcing
# defines functions and sets nothing. Needs root or sudo (mmdebstrap, mount and chroot). The
# packages it downloads are kept in a cache folder and reused by the next root of the same release
# and architecture.
#
# Which Debian: the functions that make or use a root are given its release (SUITE: trixie is
# Debian 13, bookworm Debian 12) and ARCHITECTURE ("" for the host's), and wurzel_anlegen the
# packages it gets beyond apt.
# shellcheck shell=bash
# shellcheck source=freigabe/gemeinsam/betreuer.sh
source "$(dirname "${BASH_SOURCE[0]}")/betreuer.sh"

# Prints the cache folder: the kept Debian 13 root, the roots made for a test, the packages.
# Usage: wurzel_cache
wurzel_cache() {
    printf '%s\n' "${XDG_CACHE_HOME:-$HOME/.cache}/quentor"
}

# Prints the folder of the packages downloaded for SUITE and ARCHITECTURE ("" for the host's);
# Debian 13 of the host's architecture has its own name, the folder of the kept root's packages.
# Usage: wurzel_apt SUITE ARCHITECTURE
wurzel_apt() {
    local suite=$1 architektur=$2 cache
    cache=$(wurzel_cache)
    if [ "$suite" = trixie ] && [ -z "$architektur" ]; then
        printf '%s\n' "$cache/debian13-apt"
    else
        architektur=${architektur:-$(dpkg --print-architecture)} || return
        printf '%s\n' "$cache/apt-$suite-$architektur"
    fi
}

# sudo for a caller who is not root.
wurzel_als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# True on Debian 13 or later (testing and unstable have no version number).
wurzel_ist_debian13() {
    local system
    system=$(. /etc/os-release 2>/dev/null && echo "${ID:-} ${VERSION_ID:-}")
    case "$system" in
        "debian ") return 0 ;;
        "debian "*) [ "${system#debian }" -ge 13 ] 2>/dev/null ;;
        *) return 1 ;;
    esac
}

# Makes a fresh root in FOLDER (removed first): the apt variant of SUITE for ARCHITECTURE ("" for
# the host's) with PACKAGES (comma-separated, "" for none), its sources the release, its updates
# and its security updates, whose package lists it keeps. Downloaded packages come from and go
# back to the cache.
# Usage: wurzel_anlegen FOLDER SUITE ARCHITECTURE PACKAGES
wurzel_anlegen() {
    local ziel=$1 suite=$2 architektur=$3 dazu=$4 apt archiv=http://deb.debian.org/debian wahl=()
    apt=$(wurzel_apt "$suite" "$architektur") || return
    [ -z "$architektur" ] || wahl+=(--architectures="$architektur")
    [ -z "$dazu" ] || wahl+=(--include="$dazu")
    bash scripts/hilfen/abhaengigkeiten.sh mmdebstrap || return
    wurzel_entfernen "$ziel" || return
    mkdir -p "$apt" || return
    echo "Lege Debian $suite${architektur:+ ($architektur)} in $ziel an (mmdebstrap)"
    # mmdebstrap mounts /proc, /sys and /dev in the root while it works: in a mount namespace of
    # its own, so that a killed run leaves nothing mounted on the host.
    # shellcheck disable=SC2016 # "$1" is the root's folder, expanded by mmdebstrap's hook
    wurzel_als_root unshare --mount --propagation private mmdebstrap --quiet --variant=apt "${wahl[@]}" --skip=download/empty \
        --skip=cleanup/apt/lists \
        --setup-hook='mkdir -p "$1"/var/cache/apt/archives' \
        --setup-hook="sync-in '$apt' /var/cache/apt/archives/" \
        --customize-hook="sync-out /var/cache/apt/archives '$apt'" \
        "$suite" "$ziel" \
        "deb $archiv $suite main" "deb $archiv $suite-updates main" \
        "deb $archiv-security $suite-security main"
}

# Removes the root in FOLDER. What a run killed before it ended left mounted in it is unmounted
# first, deepest first, and rm stays on the root's own file system: it never reaches into the
# host's /sys, /dev or folders, whatever is still mounted there.
# Usage: wurzel_entfernen FOLDER
wurzel_entfernen() {
    local ziel=$1 punkte punkt
    [ -e "$ziel" ] || return 0
    punkte=$(wurzel_einhaengepunkte "$ziel") || return
    while read -r punkt; do
        [ -n "$punkt" ] || continue
        echo "Hänge $punkt aus (von einem abgebrochenen Lauf)" >&2
        wurzel_als_root umount --lazy "$punkt" || return
    done <<<"$punkte"
    wurzel_als_root rm -rf --one-file-system "$ziel"
}

# Prints the mount points in FOLDER, deepest first (findmnt writes a blank in a path as \x20,
# which printf %b turns back).
# Usage: wurzel_einhaengepunkte FOLDER
wurzel_einhaengepunkte() {
    local ziel alle
    ziel=$(realpath -m "$1") || return
    alle=$(findmnt --raw --noheadings --output TARGET) || return
    printf '%b\n' "$alle" | awk -v z="$ziel/" 'index($0, z) == 1' | sort -r
}

# Runs a command inside the root, as root, with /proc, /sys and /dev of the host and the given
# host folders (one a line) mounted at the same path, in a mount namespace of its own: the mounts
# are seen by this command alone and vanish with it, however it ends, and several commands can
# use one root at a time. The host's name servers serve apt. The packages apt downloads inside go
# to the cache of SUITE and ARCHITECTURE afterwards. Returns the command's status.
# Usage: wurzel_ausfuehren FOLDER SUITE ARCHITECTURE "HOST_FOLDERS" COMMAND...
wurzel_ausfuehren() {
    local ziel=$1 suite=$2 architektur=$3 ordner=$4 status=0 apt
    shift 4
    wurzel_eingehaengt "$ziel" "$ordner" "$@" || status=$?
    apt=$(wurzel_apt "$suite" "$architektur") || return
    wurzel_als_root find "$ziel/var/cache/apt/archives" -maxdepth 1 -name '*.deb' \
        -exec cp -u -t "$apt" {} + 2>/dev/null || true
    return "$status"
}

# The command in the root with the mounts of wurzel_ausfuehren, in their own mount namespace.
# Usage: wurzel_eingehaengt FOLDER "HOST_FOLDERS" COMMAND...
wurzel_eingehaengt() {
    # shellcheck disable=SC2016 # the script is expanded by the bash inside the namespace
    wurzel_als_root unshare --mount --propagation private bash -c '
        set -euo pipefail
        ziel=$1 ordner=$2 IFS=$'"'"'\n'"'"'
        shift 2
        mount -t proc proc "$ziel/proc"
        mount --rbind /sys "$ziel/sys"
        mount --rbind /dev "$ziel/dev"
        for o in $ordner; do mkdir -p "$ziel$o"; mount --bind "$o" "$ziel$o"; done
        cp -L /etc/resolv.conf "$ziel/etc/resolv.conf"
        chroot "$ziel" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
            TERM="${TERM:-dumb}" LANG=C.UTF-8 CI="${CI:-}" "$@"
    ' wurzel "$@"
}

# The Windows release is built on Debian 13 (its Qt 6.8 and MinGW-w64 GCC 14): on an older host the
# calling script runs again inside a Debian 13 root kept in the cache, with the source tree (and
# its git folder) mounted at their paths, as the caller, after the named packages were installed
# there; then this function ends the caller (exit) with that run's status, or with the status of
# a step before it that failed. On Debian 13 it returns and the script goes on.
# Usage: wurzel_windows_oder_weiter SCRIPT "ARGUMENTS" PACKAGE...
wurzel_windows_oder_weiter() {
    wurzel_ist_debian13 && return 0
    local skript=$1 argumente=$2 ziel ordner heim status=0 schluessel
    shift 2
    ziel="$(wurzel_cache)/debian13"
    wurzel_debian13_bereit "$ziel" || exit
    ordner=$(wurzel_quellordner)$(wurzel_schluesselordner)
    echo "Weiter in Debian 13 ($ziel): $skript $argumente" >&2
    # shellcheck disable=SC2016 # expanded by the bash inside the root
    wurzel_ausfuehren "$ziel" trixie "" "$ordner" \
        bash -c 'cd "$1" && shift && bash scripts/hilfen/abhaengigkeiten.sh "$@"' _ "$PWD" "$@" ||
        exit
    # The caller's own user inside, so that what the script writes into the tree is the caller's.
    heim=$(wurzel_heim "$ziel") || exit
    mapfile -t schluessel < <(wurzel_schluesselumgebung)
    # shellcheck disable=SC2016 # expanded by the bash inside the root
    wurzel_ausfuehren "$ziel" trixie "" "$ordner" \
        setpriv --reuid="$(id -u)" --regid="$(id -g)" --clear-groups \
        env HOME="$heim" SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-}" "${schluessel[@]}" \
        bash -c 'cd "$1" && eval "exec bash $2 $3"' _ "$PWD" "$skript" "$argumente" || status=$?
    exit "$status"
}

# Makes the Debian 13 root kept in FOLDER, with git and the CA certificates for a clone inside,
# unless it was made before.
# Usage: wurzel_debian13_bereit FOLDER
wurzel_debian13_bereit() {
    local ziel=$1
    [ ! -f "$ziel/quentor-fertig" ] || return 0
    wurzel_anlegen "$ziel" trixie "" ca-certificates,git || return
    wurzel_als_root touch "$ziel/quentor-fertig"
}

# Prints the host folders a script run inside needs, one a line: the source tree (the current
# folder) and its git folder where that lies outside it.
# Usage: wurzel_quellordner
wurzel_quellordner() {
    local ordner=$PWD git_ordner
    git_ordner=$(git rev-parse --path-format=absolute --git-common-dir 2>/dev/null || true)
    case "$git_ordner" in "" | "$PWD"/*) ;; *) ordner+=$'\n'$git_ordner ;; esac
    printf '%s\n' "$ordner"
}

# Prints the maintainer's signing settings that are given (freigabe/gemeinsam/betreuer.sh),
# NAME=VALUE one a line. They are handed to the release's run in the root.
# Usage: wurzel_schluesselumgebung
wurzel_schluesselumgebung() {
    local name
    for name in "${BETREUER_EINSTELLUNGEN[@]}"; do
        [ -z "${!name:-}" ] || printf '%s=%s\n' "$name" "${!name}"
    done
}

# Prints the folders of the files those settings name, each on a line of its own after a line
# break, or nothing when none is given: they are mounted in the root. With a key on a hardware
# token, also the smart-card service's socket folder, where the host has one.
# Usage: wurzel_schluesselordner
wurzel_schluesselordner() {
    local einstellung
    while IFS= read -r einstellung; do
        [[ " ${BETREUER_OHNE_DATEI[*]} " == *" ${einstellung%%=*} "* ]] ||
            printf '\n%s' "$(dirname "$(realpath -m "${einstellung#*=}")")"
    done < <(wurzel_schluesselumgebung)
    [ -z "${QUENTOR_SIGNATUR_PKCS11_MODUL:-}" ] || [ ! -d /run/pcscd ] || printf '\n%s' /run/pcscd
}

# Prints the caller's home folder inside the root in FOLDER: root's own, or for any other user one
# made for it and owned by it.
# Usage: wurzel_heim FOLDER
wurzel_heim() {
    local ziel=$1 heim=/root
    if [ "$(id -u)" -ne 0 ]; then
        heim=/home/quentor-$(id -u)
        wurzel_als_root install -d -o "$(id -u)" -g "$(id -g)" "$ziel$heim" || return
    fi
    printf '%s\n' "$heim"
}

# Starts a program of the root on the host's display (DISPLAY, XAUTHORITY and XDG_RUNTIME_DIR
# taken over; the host's /tmp, which holds the X server's socket and key, mounted in the root) in
# place of the calling process (exec): whoever started it ends it with a signal to that process.
# Usage: bash -c 'source freigabe/gemeinsam/wurzel.sh && wurzel_starten "$@"' _ FOLDER PROGRAM [ARGUMENTS...]
wurzel_starten() {
    local ziel=$1 als_root=()
    shift
    [ "$(id -u)" -eq 0 ] || als_root=(sudo)
    # shellcheck disable=SC2016 # the script is expanded by the bash inside the namespace
    exec "${als_root[@]}" unshare --mount --propagation private bash -c '
        set -euo pipefail
        ziel=$1 anzeige=$2 schluessel=$3 laufzeit=$4
        shift 4
        mount -t proc proc "$ziel/proc"
        mount --rbind /dev "$ziel/dev"
        mount --bind /tmp "$ziel/tmp"
        exec chroot "$ziel" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
            LANG=C.UTF-8 DISPLAY="$anzeige" XAUTHORITY="$schluessel" XDG_RUNTIME_DIR="$laufzeit" "$@"
    ' wurzel "$ziel" "${DISPLAY:-}" "${XAUTHORITY:-}" "${XDG_RUNTIME_DIR:-}" "$@"
}
