#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet; a machine that has
# them all is not slowed down (no apt-get call at all). Where there is no apt (another
# distribution, a container without it) it names the packages and goes on with the tools that are
# there; the build then says what is really missing.
set -euo pipefail

# Prints the packages named that are not installed, one a line (a package named twice, twice).
# Usage: fehlende PAKET...
fehlende() {
    local paket
    for paket in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
            printf '%s\n' "$paket"
        fi
    done
}

# Installs the packages with apt-get, through sudo for a caller who is not root (ALS_ROOT, the
# command before apt-get: "" or sudo). apt's own output is shown only when it fails.
# Usage: installieren ALS_ROOT PAKET...
installieren() {
    local als_root=()
    [ -z "$1" ] || als_root=("$1")
    shift
    echo "Installiere fehlende Pakete: $*"
    protokoll=$(mktemp)
    trap 'rm -f "$protokoll"' EXIT
    # Another apt at work holds the lock for a while: wait for it instead of failing at once.
    local warten=(-o DPkg::Lock::Timeout=300)
    if ! { "${als_root[@]}" apt-get "${warten[@]}" update -qq &&
           DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get "${warten[@]}" install -y -qq \
               "$@"; } \
           >"$protokoll" 2>&1; then
        cat "$protokoll" >&2
        echo "Die Pakete konnten nicht installiert werden: $*" >&2
        return 1
    fi
}

# True where there is apt; otherwise names the packages needed (PAKET...) and fails.
# Usage: apt_da PAKET...
apt_da() {
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "Kein apt-get auf diesem System. Benötigt werden (Debian-Namen): $*" >&2
        echo "Weiter mit den vorhandenen Werkzeugen." >&2
        return 1
    fi
}

# Prints what goes before apt-get for this caller: nothing for root, sudo for anyone else; fails,
# naming the missing packages (PAKET...), when there is no sudo either.
# Usage: als_root PAKET...
als_root() {
    [ "$(id -u)" -ne 0 ] || return 0
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Es fehlen Pakete, und ohne root oder sudo kann ich sie nicht installieren: $*" >&2
        echo "Weiter mit den vorhandenen Werkzeugen." >&2
        return 1
    fi
    echo sudo
}

main() {
    local fehlend=() vorher
    apt_da "$@" || return 0
    mapfile -t fehlend < <(fehlende "$@" | awk '!gesehen[$0]++')
    [ ${#fehlend[@]} -gt 0 ] || return 0
    vorher=$(als_root "${fehlend[@]}") || return 0
    installieren "$vorher" "${fehlend[@]}"
}

main "$@"
