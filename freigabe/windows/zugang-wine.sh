#!/usr/bin/env bash
# What a Windows screen reader gets from the real window under Wine: the window on a virtual X
# server with Qt's windows platform, and beside it quentor_uia_leser (tests/zugang/uia_leser.cpp),
# a UI Automation client in a process of its own that reads the controls' names and the grid's
# cells, presses "Wurf" and "Rotat" and waits for each one's notification. Prints what it got,
# and what Wine's UI Automation reported as unimplemented on the way. Where the client cannot
# listen for notifications (Wine 10 has a stub there, and another for raising them, which names
# the text it was given), the window must have given UI Automation exactly the spin's message and
# then the rotation's. Expects windows.sh's prefix (WINEPREFIX) with no Wine running.
# Usage: bash freigabe/windows/zugang-wine.sh BUILD_FOLDER
set -euo pipefail
selbst=$(realpath "$0")
cd "$(dirname "$0")/../.."
source scripts/hilfen/programme.sh

# On the virtual display (the script run again by scripts/hilfen/anzeige.sh): the window, and the client beside it,
# which waits for the window; both ended afterwards. Their messages from Wine's UI Automation go
# to LOG.
# Usage: auf_der_anzeige WINDOW CLIENT LOG CLIENT_OUTPUT
auf_der_anzeige() {
    local status=0
    wine "$1" >/dev/null 2>>"$3" &
    wine "$2" 30 2>>"$3" | tr -d '\r' | tee "$4" || status=$?
    wineserver -k || true
    return "$status"
}

# When the client could not listen: the notifications the window raised, as Wine's stub of
# UiaRaiseNotificationEvent names them; exactly the spin's message and then the rotation's.
# Usage: gegebene_benachrichtigungen LOG CLIENT_OUTPUT
gegebene_benachrichtigungen() {
    local texte
    grep -qx "Benachrichtigungen nicht zu hören." "$2" || return 0
    texte=$(sed -n 's/.*:uiautomation:UiaRaiseNotificationEvent (.*, L"\(.*\)", L"[^"]*"): stub$/\1/p' "$1")
    printf 'Das Fenster gab UI Automation die Benachrichtigungen:\n%s\n' "${texte:-(keine)}"
    printf '%s\n' "$texte" | awk '
        NR == 1 && /^[0-9]+, Rotation 1 \/ 1, frei 36, belegt 1$/ { wurf = 1 }
        NR == 2 && /^[0-9]+, Rotation 2 \/ 1, frei [0-9]+, belegt [0-9]+$/ { rotat = 1 }
        END { exit !(NR == 2 && wurf && rotat) }'
}

# What Wine's UI Automation left unimplemented or failed at, once each.
# Usage: wines_meldungen LOG
wines_meldungen() {
    local zeilen
    zeilen=$(grep -E '^[0-9a-f]+:(fixme|err):uiautomation' "$1" | sed 's/^[0-9a-f]*://' |
        sort | uniq -c | sort -rn || true)
    [ -z "$zeilen" ] || printf 'Wines UI Automation meldet:\n%s\n' "$zeilen"
}

main() {
    local bau=$1 status=0 protokoll ausgabe
    protokoll=$(mktemp)
    ausgabe=$(mktemp)
    trap 'rm -f "$protokoll" "$ausgabe"' EXIT
    wineserver -k || true
    wineserver -w
    WINEDEBUG=fixme+uiautomation,err+uiautomation bash scripts/hilfen/anzeige.sh "-screen 0 1280x1024x24" \
        bash "$selbst" --auf-der-anzeige "$(programm "$bau" quentor)" \
        "$(programm "$bau" quentor_uia_leser)" "$protokoll" "$ausgabe" || status=$?
    wines_meldungen "$protokoll"
    gegebene_benachrichtigungen "$protokoll" "$ausgabe" || status=1
    exit "$status"
}

if [ "${1:-}" = --auf-der-anzeige ]; then
    shift
    auf_der_anzeige "$@"
else
    main "$@"
fi
