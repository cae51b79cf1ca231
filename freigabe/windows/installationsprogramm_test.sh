#!/usr/bin/env bash
# The Windows installer under Wine, as a player would use it silently, for all users and for the
# current user: installs the release (for all users into a folder of the test, /D=...), finds its
# files with valid signatures (the uninstaller's too), the Start-menu entry and the entry in the
# list of installed programs, starts the installed quentor.exe (with no display) and
# quentor-skript.exe --version. A player's own file is put into the folder; the installer of a
# later version (a test build without quentor-skript.exe, signed by authority NEWER-CA) must stop
# with a message while the installed quentor.exe runs, and leave that version as it was; then
# the installed uninstaller is replaced by a program that leaves a mark when it runs, and the
# later version is installed over it, in the same folder: the mark must not appear, and exactly
# the later version's files must be there, validly signed, with one entry in the list and one in
# the Start menu. Its uninstaller must remove what was installed and leave the player's file,
# and no key or value of it may be left in the registry.
# Usage: bash freigabe/windows/installationsprogramm_test.sh SETUP.exe VERSION NEWER-SETUP.exe NEWER.zip NEWER-VERSION CA.pem NEWER-CA.pem
#        (WINEPREFIX set, no DISPLAY)
set -euo pipefail

eintrag='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quentor'
spielerdatei="Meine Permanenz.txt"
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

# Prints the registry hive of MODE (AllUsers, CurrentUser).
hive() { if [ "$1" = AllUsers ]; then echo HKLM; else echo HKCU; fi; }

# Prints the value NAME of the entry in the list of installed programs in HIVE; fails without it.
# Usage: eintragswert HIVE NAME
eintragswert() {
    wine reg query "$1\\$eintrag" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .
}

# The Start-menu entries of Quentor, in every user's and the all-users' Start menu: the entries
# named Quentor and those in a folder Quentor, one a line as "Quentor/Anleitung.lnk".
startmenue_eintraege() {
    find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' \( -iname 'Quentor*' -o -ipath '*/Quentor/*' \) |
        sed 's|.*/Start Menu/Programs/||' | sort
}

# All keys and values of the registry that name Quentor, one a line with its key (HKLM and HKCU
# as reg exports them, in UTF-16); but not Wine's own bookkeeping under Software\Wine (the menu
# entries it makes for the Linux desktop from the Start menu's), which Windows does not have.
registry_spuren() {
    local hive datei
    datei=$(mktemp --suffix=.reg)
    for hive in HKLM HKCU; do
        wine reg export "$hive" "$(winepath -w "$datei")" /y >/dev/null 2>&1
        iconv -f UTF-16 -t UTF-8 "$datei" | tr -d '\r' | awk '
            /^\[/ { schluessel = $0; if (tolower($0) ~ /quentor/) print; next }
            tolower($0) ~ /quentor/ { print schluessel " " $0 }' |
            grep -v '^\[HKEY_[A-Z_]*\\Software\\Wine\\' || true
    done
    rm -f "$datei"
}

# Every program and DLL in FOLDER, the uninstaller included, is validly signed by authority CA.
# Usage: signaturen_pruefen FOLDER CA
signaturen_pruefen() {
    local datei anzahl=0
    while IFS= read -r -d '' datei; do
        osslsigncode verify -CAfile "$2" -in "$datei" >/dev/null 2>&1 ||
            falsch "${datei#"$1/"} ist nicht gültig signiert"
        anzahl=$((anzahl + 1))
    done < <(find "$1" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    echo "  $anzahl installierte Programme und DLLs gültig signiert"
}

# Installs SETUP silently in MODE (and OPTIONS); sets ordner, the folder it names in its entry.
# Usage: installieren SETUP MODE OPTION...
installieren() {
    local setup=$1 modus=$2 ort
    shift 2
    ordner=""
    wine "$setup" /S "/$modus" "$@" || falsch "${setup##*/} endet mit Status $?"
    ort=$(eintragswert "$(hive "$modus")" InstallLocation) || { falsch "kein Eintrag in $(hive "$modus")"; return; }
    ordner=$(realpath -m "$(winepath -u "$ort")")
}

# The release's files, the Start-menu folder and its entry in the list of programs (in HIVE, with
# VERSION).
# Usage: installation_pruefen HIVE VERSION
installation_pruefen() {
    dateien_pruefen
    eintraege_pruefen "$@"
}

# The release's programs, its licence, its guide with every picture the guide shows and the page
# beside the programs that leads to it.
dateien_pruefen() {
    local datei bilder
    bilder=$(anleitungsbilder)
    [ -n "$bilder" ] || falsch "die installierte Anleitung zeigt keine Bilder"
    for datei in quentor.exe quentor-skript.exe Qt6Core.dll platforms/qwindows.dll \
        translations/qtbase_de.qm LICENSE Deinstallieren.exe Anleitung.html anleitung/anleitung.html \
        $bilder; do
        [ -f "$ordner/$datei" ] || falsch "$datei ist nicht installiert"
    done
}

# The Start-menu folder with its two entries, and the entry in the list of programs in HIVE with
# VERSION.
# Usage: eintraege_pruefen HIVE VERSION
eintraege_pruefen() {
    local wert
    [ "$(startmenue_eintraege | tr '\n' ' ')" = "Quentor Quentor/Anleitung.lnk Quentor/Quentor.lnk " ] ||
        falsch "im Startmenü: $(startmenue_eintraege | tr '\n' ' ')"
    for wert in "DisplayName=Quentor" "DisplayVersion=$2" "Publisher=Quentor-Team"; do
        [ "$(eintragswert "$1" "${wert%%=*}")" = "${wert#*=}" ] ||
            falsch "in der Liste der Programme ($1) fehlt: $wert"
    done
}

# The pictures the installed guide shows, one a line as paths in the folder.
anleitungsbilder() {
    local seite="$ordner/anleitung/anleitung.html"
    [ -f "$seite" ] || return 0
    sed -n 's|.*<img [^>]*src="\([^"]*\)".*|anleitung/\1|p' "$seite"
}

# The window starts, with no display (Wine's null display): a missing DLL or plugin ends it at
# once; still running after five seconds, it has opened its window.
fenster_startet() {
    local programm status
    wine "$ordner/quentor.exe" >/dev/null 2>&1 &
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

# The installed quentor-skript.exe names VERSION.
# Usage: skript_antwortet VERSION
skript_antwortet() {
    local antwort
    antwort=$(wine "$ordner/quentor-skript.exe" --version 2>/dev/null | tr -d '\r' || true)
    [ "$antwort" = "quentor-skript $1" ] || falsch "quentor-skript.exe --version antwortet '$antwort'"
}

# The files in the folder are exactly the newer zip's, its uninstaller and the player's file.
genau_die_neuen() {
    local erwartet
    erwartet=$( (python3 -c 'import sys, zipfile
for n in zipfile.ZipFile(sys.argv[1]).namelist():
    if not n.endswith("/"): print(n.split("/", 1)[1])' "$neu_zip"
        printf '%s\n' Deinstallieren.exe "$spielerdatei") | sort)
    diff <(echo "$erwartet") <(cd "$ordner" && find . -type f | sed 's|^\./||' | sort) ||
        falsch "nach der Aktualisierung andere Dateien als die der neuen Version (oben: erwartet -)"
}

# The newer installer, started while the installed quentor.exe runs, stops with a message (status
# 2) and leaves the installed version of MODE as it was.
# Usage: besetzt_pruefen MODE
besetzt_pruefen() {
    local programm status=0
    wine "$ordner/quentor.exe" >/dev/null 2>&1 &
    programm=$!
    sleep 3
    wine "$neu_setup" /S "/$1" || status=$?
    kill "$programm" 2>/dev/null || true
    wait "$programm" 2>/dev/null || true
    [ "$status" -eq 2 ] || falsch "neben dem laufenden quentor.exe endet das neue Installationsprogramm mit Status $status"
    [ "$(eintragswert "$(hive "$1")" DisplayVersion)" = "$version" ] && [ -f "$ordner/quentor.exe" ] ||
        falsch "neben dem laufenden quentor.exe ist die installierte Version nicht mehr, wie sie war"
    echo "  neben dem laufenden Programm: abgebrochen (Status $status), die Version $version bleibt"
}

# Replaces the installed uninstaller by a program that, when it runs, writes the mark file.
marke_pflanzen() {
    local quelle
    quelle=$(mktemp --suffix=.c)
    printf '%s\n' '#include <stdio.h>' \
        'int main(void) { FILE *f = fopen("C:\\quentor-marke.txt", "w"); if (f) fclose(f); return 0; }' >"$quelle"
    x86_64-w64-mingw32-gcc-posix -O2 -o "$ordner/Deinstallieren.exe" "$quelle"
    rm -f "$quelle" "$marke"
}

# After the newer version: exactly its files (the older one's quentor-skript.exe gone), its version,
# one entry in the list, none in the other hive, one folder in the Start menu; the player's file
# kept.
# Usage: aktualisierung_pruefen MODE
aktualisierung_pruefen() {
    local andere=HKLM
    [ "$1" = CurrentUser ] || andere=HKCU
    [ ! -e "$marke" ] || falsch "die Aktualisierung hat das Programm im alten Ordner ausgeführt"
    genau_die_neuen
    signaturen_pruefen "$ordner" "$neu_ca"
    eintraege_pruefen "$(hive "$1")" "$neu_version"
    ! eintragswert "$andere" DisplayName >/dev/null || falsch "ein zweiter Eintrag in $andere"
}

# Uninstalls silently in MODE: the player's file stays alone, no Start-menu entry, no trace in the
# registry beyond those of BEFORE (the registry's lines naming Quentor before the test).
# Usage: deinstallieren MODE BEFORE
deinstallieren() {
    wine "$ordner/Deinstallieren.exe" /S "/$1" || falsch "das Deinstallationsprogramm endet mit Status $?"
    warte fehlt "$ordner/Deinstallieren.exe" || falsch "das Deinstallationsprogramm bleibt"
    [ "$(cd "$ordner" && find . -mindepth 1 | sed 's|^\./||')" = "$spielerdatei" ] ||
        falsch "nach der Deinstallation bleibt mehr als die Datei des Spielers: $(ls -A "$ordner")"
    [ -z "$(startmenue_eintraege)" ] || falsch "im Startmenü bleibt: $(startmenue_eintraege | tr '\n' ' ')"
    comm -13 <(echo "$2" | sort) <(registry_spuren | sort) | grep . &&
        falsch "in der Registry bleibt, was oben steht"
    # What is left goes, whatever the checks found, so that the next round starts clean.
    rm -rf -- "${ordner:?}"
}

# The whole round in MODE: the release, the newer version over it, uninstalled.
# Usage: runde MODE OPTION...
runde() {
    local modus=$1 vorher
    shift
    echo "Installationsprogramm für $modus:"
    vorher=$(registry_spuren)
    installieren "$setup" "$modus" "$@"
    [ -n "${ordner:-}" ] || return 0
    installation_pruefen "$(hive "$modus")" "$version"
    signaturen_pruefen "$ordner" "$ca"
    fenster_startet
    skript_antwortet "$version"
    echo "Eine Datei des Spielers" >"$ordner/$spielerdatei"
    besetzt_pruefen "$modus"
    marke_pflanzen
    installieren "$neu_setup" "$modus"
    aktualisierung_pruefen "$modus"
    deinstallieren "$modus" "$vorher"
}

main() {
    setup=$1 version=$2 neu_setup=$3 neu_zip=$4 neu_version=$5 ca=$6 neu_ca=$7
    marke="$WINEPREFIX/drive_c/quentor-marke.txt"
    rm -rf "$WINEPREFIX/drive_c/quentor-test"
    runde AllUsers '/D=C:\quentor-test\Quentor'
    [ "${ordner:-}" = "$(realpath -m "$WINEPREFIX/drive_c/quentor-test/Quentor")" ] ||
        falsch "für alle Benutzer nicht in den gewählten Ordner installiert: ${ordner:-}"
    ordner=""
    runde CurrentUser
    [ "$fehler" -eq 0 ] || exit 1
    echo "Installationsprogramm geprüft: installiert, gestartet, auf $neu_version aktualisiert," \
        "deinstalliert; für alle Benutzer und für den Benutzer"
}

main "$@"
