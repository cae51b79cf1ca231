#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet; a machine that has
# them all is not slowed down (no apt-get call at all). Where there is no apt (another
# distribution, a container without it) it names the packages and goes on with the tools that are
# there; the build then says what is really missing.
set -euo pipefail

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "Kein apt-get auf diesem System. Benötigt werden (Debian-Namen): $*" >&2
    echo "Weiter mit den vorhandenen Werkzeugen." >&2
    exit 0
fi

fehlend=()
for paket in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$paket")
    fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

als_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Es fehlen Pakete, und ohne root oder sudo kann ich sie nicht installieren: ${fehlend[*]}" >&2
        echo "Weiter mit den vorhandenen Werkzeugen." >&2
        exit 0
    fi
    als_root=(sudo)
fi
echo "Installiere fehlende Pakete: ${fehlend[*]}"
# apt's own output is shown only when it fails.
protokoll=$(mktemp)
trap 'rm -f "$protokoll"' EXIT
# Another apt at work holds the lock for a while: wait for it instead of failing at once.
warten=(-o DPkg::Lock::Timeout=300)
if ! { "${als_root[@]}" apt-get "${warten[@]}" update -qq &&
       DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get "${warten[@]}" install -y -qq \
           "${fehlend[@]}"; } \
       >"$protokoll" 2>&1; then
    cat "$protokoll" >&2
    echo "Die Pakete konnten nicht installiert werden: ${fehlend[*]}" >&2
    exit 1
fi
