# A Debian system in a folder (a root made with mmdebstrap from Debian's archive), for work that
# needs another Debian than the host's: the Windows release, built on Debian 13's Qt 6.8; CI's
# proof that the project builds and runs on Debian 13; the arm64 package installed and started on
# an arm64 Debian (through qemu-user and binfmt_misc). Sourced by the scripts that use it. Needs
# root or sudo (mmdebstrap, mount and chroot). The packages it downloads are kept in a cache folder
# and reused by the next root of the same release and architecture.
#
# Which Debian: WURZEL_SUITE (default trixie, Debian 13), WURZEL_ARCHITEKTUR (default the host's)
# and WURZEL_DAZU, the packages it gets beyond apt (default git and the CA certificates, for a
# clone inside), set before this file is sourced.
# shellcheck shell=bash

WURZEL_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/quentor"
WURZEL_SUITE=${WURZEL_SUITE:-trixie}
WURZEL_ARCHITEKTUR=${WURZEL_ARCHITEKTUR:-}
WURZEL_DAZU=${WURZEL_DAZU-ca-certificates,git}
if [ "$WURZEL_SUITE" = trixie ] && [ -z "$WURZEL_ARCHITEKTUR" ]; then
    WURZEL_APT="$WURZEL_CACHE/debian13-apt"
else
    WURZEL_APT="$WURZEL_CACHE/apt-$WURZEL_SUITE-${WURZEL_ARCHITEKTUR:-$(dpkg --print-architecture)}"
fi

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

# Makes a fresh root in FOLDER (removed first): the apt variant with WURZEL_DAZU, its sources the
# release, its updates and its security updates, whose package lists it keeps. Downloaded packages
# come from and go back to the cache.
# Usage: wurzel_anlegen FOLDER
wurzel_anlegen() {
    local ziel=$1 archiv=http://deb.debian.org/debian wahl=()
    [ -z "$WURZEL_ARCHITEKTUR" ] || wahl+=(--architectures="$WURZEL_ARCHITEKTUR")
    [ -z "$WURZEL_DAZU" ] || wahl+=(--include="$WURZEL_DAZU")
    bash scripts/hilfen/abhaengigkeiten.sh mmdebstrap
    wurzel_als_root rm -rf "$ziel"
    mkdir -p "$WURZEL_APT"
    echo "Lege Debian $WURZEL_SUITE${WURZEL_ARCHITEKTUR:+ ($WURZEL_ARCHITEKTUR)} in $ziel an (mmdebstrap)"
    wurzel_als_root mmdebstrap --quiet --variant=apt "${wahl[@]}" --skip=download/empty \
        --skip=cleanup/apt/lists \
        --setup-hook='mkdir -p "$1"/var/cache/apt/archives' \
        --setup-hook="sync-in '$WURZEL_APT' /var/cache/apt/archives/" \
        --customize-hook="sync-out /var/cache/apt/archives '$WURZEL_APT'" \
        "$WURZEL_SUITE" "$ziel" \
        "deb $archiv $WURZEL_SUITE main" "deb $archiv $WURZEL_SUITE-updates main" \
        "deb $archiv-security $WURZEL_SUITE-security main"
}

# Runs a command inside the root, as root, with /proc, /sys and /dev of the host and the given
# host folders (one a line) mounted at the same path, in a mount namespace of its own: the mounts
# are seen by this command alone and vanish with it, however it ends, and several commands can
# use one root at a time. The host's name servers serve apt. The packages apt downloads inside go
# to the cache afterwards.
# Usage: wurzel_ausfuehren FOLDER "HOST_FOLDERS" COMMAND...
wurzel_ausfuehren() {
    local ziel=$1 ordner=$2 status=0
    shift 2
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
    ' wurzel "$ziel" "$ordner" "$@" || status=$?
    wurzel_als_root find "$ziel/var/cache/apt/archives" -maxdepth 1 -name '*.deb' \
        -exec cp -u -t "$WURZEL_APT" {} + 2>/dev/null || true
    return "$status"
}

# The Windows release is built on Debian 13 (its Qt 6.8 and MinGW-w64 GCC 14): on an older host the
# calling script runs again inside a Debian 13 root kept in the cache, with the source tree (and
# its git folder) mounted at their paths, as the caller, after the named packages were installed
# there. On Debian 13 it returns and the script goes on.
# Usage: wurzel_windows_oder_weiter SCRIPT "ARGUMENTS" PACKAGE...
wurzel_windows_oder_weiter() {
    wurzel_ist_debian13 && return 0
    local skript=$1 argumente=$2 ziel="$WURZEL_CACHE/debian13" git_ordner heim
    shift 2
    if [ ! -f "$ziel/quentor-fertig" ]; then
        wurzel_anlegen "$ziel"
        wurzel_als_root touch "$ziel/quentor-fertig"
    fi
    local ordner=$PWD
    git_ordner=$(git rev-parse --path-format=absolute --git-common-dir 2>/dev/null || true)
    case "$git_ordner" in "" | "$PWD"/*) ;; *) ordner+=$'\n'$git_ordner ;; esac
    echo "Weiter in Debian 13 ($ziel): $skript $argumente" >&2
    wurzel_ausfuehren "$ziel" "$ordner" \
        bash -c 'cd "$1" && shift && bash scripts/hilfen/abhaengigkeiten.sh "$@"' _ "$PWD" "$@"
    # The caller's own user inside, so that what the script writes into the tree is the caller's.
    heim=/root
    if [ "$(id -u)" -ne 0 ]; then
        heim=/home/quentor-$(id -u)
        wurzel_als_root install -d -o "$(id -u)" -g "$(id -g)" "$ziel$heim"
    fi
    local status=0
    wurzel_ausfuehren "$ziel" "$ordner" \
        setpriv --reuid="$(id -u)" --regid="$(id -g)" --clear-groups \
        env HOME="$heim" SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-}" \
        bash -c 'cd "$1" && eval "exec bash $2 $3"' _ "$PWD" "$skript" "$argumente" || status=$?
    exit "$status"
}

# Starts a program of the root on the host's display (DISPLAY, XAUTHORITY and XDG_RUNTIME_DIR
# taken over; the host's /tmp, which holds the X server's socket and key, mounted in the root) in
# place of the calling process: whoever started it ends it with a signal to that process.
# Usage: bash -c 'source freigabe/gemeinsam/wurzel.sh && wurzel_starten "$@"' _ FOLDER PROGRAM [ARGUMENTS...]
wurzel_starten() {
    local ziel=$1 als_root=()
    shift
    [ "$(id -u)" -eq 0 ] || als_root=(sudo)
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
