#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet; a machine that has
# them all is not slowed down (no apt-get call at all).
set -euo pipefail

fehlend=()
for paket in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$paket")
    fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${fehlend[*]}"
als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)
"${als_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq "${fehlend[@]}" >/dev/null
