#!/usr/bin/env bash
# The Windows installer under Wine, as a user would use it silently: installs into a folder of the
# test (/S /D=...), starts the installed quentor.exe (with no display) and quentor-skript.exe
# --version, finds the Start-menu entry and the entry in the list of installed programs, then
# uninstalls silently and finds the folder, the entry and the Start-menu entry gone.
# Usage: bash freigabe/windows/installationsprogramm_test.sh SETUP.exe VERSION   (WINEPREFIX set, no DISPLAY)
set -euo pipefail

ziel_windows='C:\quentor-test\Quentor'
ziel="$WINEPREFIX/drive_c/quentor-test/Quentor"
eintrag='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quentor'
startmenue="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quentor.lnk"
# The number of failed checks.
fehler=0

# Reports a failed check and counts it.
falsch() {
    echo "FEHLER: $*" >&2
    fehler=$((fehler + 1))
}

# Waits up to 30 s for a condition (the uninstaller finishes from a copy of itself, after it has
# returned).
warte() {
    for _ in $(seq 150); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# True when the path does not exist.
fehlt() { [ ! -e "$1" ]; }

# Installs silently into the test's folder and finds the files, the Start-menu entry and the
# entry in the list of installed programs.
installieren() {
    local datei registrierung wert
    wine "$setup" /S "/D=$ziel_windows" || falsch "das Installationsprogramm endet mit Status $?"
    for datei in quentor.exe quentor-skript.exe Qt6Core.dll platforms/qwindows.dll \
        translations/qtbase_de.qm LICENSE Deinstallieren.exe; do
        [ -f "$ziel/$datei" ] || falsch "$datei ist nicht installiert"
    done
    [ -f "$startmenue" ] || falsch "kein Eintrag Quentor im Startmenü"
    registrierung=$(wine reg query "$eintrag" 2>/dev/null | tr -d '\r' || true)
    for wert in "DisplayName    REG_SZ    Quentor" "DisplayVersion    REG_SZ    $version" \
        "Publisher    REG_SZ    Quentor-Team"; do
        grep -qF "$wert" <<<"$registrierung" || falsch "in der Liste der Programme fehlt: $wert"
    done
}

# The window starts, with no display (Wine's null display): a missing DLL or plugin ends it at
# once; still running after five seconds, it has opened its window.
fenster_startet() {
    local programm status
    wine "$ziel/quentor.exe" >/dev/null 2>&1 &
    programm=$!
    sleep 5
    if kill -0 "$programm" 2>/dev/null; then
        kill "$programm"
        wait "$programm" 2>/dev/null || true
    else
        wait "$programm" && status=0 || status=$?
        falsch "das installierte quentor.exe endet gleich nach dem Start (Status $status)"
    fi
}

# The installed quentor-skript.exe names its version.
skript_antwortet() {
    local antwort
    antwort=$(wine "$ziel/quentor-skript.exe" --version 2>/dev/null | tr -d '\r' || true)
    [ "$antwort" = "quentor-skript $version" ] ||
        falsch "quentor-skript.exe --version antwortet '$antwort'"
}

# Uninstalls silently and finds the folder, the Start-menu entry and the entry in the list of
# installed programs gone.
deinstallieren() {
    wine "$ziel/Deinstallieren.exe" /S || falsch "das Deinstallationsprogramm endet mit Status $?"
    warte fehlt "$ziel" || falsch "der Ordner $ziel_windows bleibt nach der Deinstallation"
    fehlt "$startmenue" || falsch "der Eintrag im Startmenü bleibt nach der Deinstallation"
    if wine reg query "$eintrag" >/dev/null 2>&1; then
        falsch "der Eintrag in der Liste der Programme bleibt nach der Deinstallation"
    fi
}

main() {
    setup=$1 version=$2
    rm -rf "$WINEPREFIX/drive_c/quentor-test"
    installieren
    fenster_startet
    skript_antwortet
    deinstallieren
    [ "$fehler" -eq 0 ] || exit 1
    echo "Installationsprogramm geprüft: installiert, gestartet, deinstalliert"
}

main "$@"
