# A Debian 13 system in a folder (a root made with mmdebstrap from Debian's archive), for work that
# needs Debian 13's packages on an older host: the Windows release, built on Qt 6.8, and CI's proof
# that the project builds and runs on Debian 13. Sourced by the scripts that use it. Needs root or
# sudo (mmdebstrap, mount and chroot). The packages it downloads are kept in a cache folder and
# reused by the next root.
# shellcheck shell=bash

WURZEL_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/quentor"
WURZEL_APT="$WURZEL_CACHE/debian13-apt"
WURZEL_SUITE=trixie

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

# Makes a fresh Debian 13 root in FOLDER (removed first): the apt variant with git and the CA
# certificates, its sources the release, its updates and its security updates. Downloaded
# packages come from and go back to the cache.
# Usage: wurzel_anlegen FOLDER
wurzel_anlegen() {
    local ziel=$1 archiv=http://deb.debian.org/debian
    bash scripts/abhaengigkeiten.sh mmdebstrap
    wurzel_als_root rm -rf "$ziel"
    mkdir -p "$WURZEL_APT"
    echo "Lege ein Debian 13 in $ziel an (mmdebstrap)"
    wurzel_als_root mmdebstrap --quiet --variant=apt --include=ca-certificates,git \
        --skip=download/empty \
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
        bash -c 'cd "$1" && shift && bash scripts/abhaengigkeiten.sh "$@"' _ "$PWD" "$@"
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
