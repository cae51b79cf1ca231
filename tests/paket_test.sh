#!/usr/bin/env bash
# Installs the build into a temporary root, as the package does (prefix /usr, stripped), and
# checks what lands there: exactly the expected files, named by the application ID; icons of the
# size their folder says; desktop entry, AppStream metadata and changelog that agree with each
# other, the version and the installed programs; the script driver's man page against its German
# translation, doku/aufbau.md and the driver itself; the player's guide with its pictures in the
# program's data, reached from the documentation's folder, opened by the desktop entry's action and
# named by the window's man pages and the metadata.
# Usage: bash tests/paket_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
bau=$1 id=$2 version=$3
quelle=$(cd "$(dirname "$0")/.." && pwd)
groessen=(16 22 24 32 48 64 128 256)
anleitung=share/quentor/anleitung
dokuverweis=share/doc/quentor/anleitung
# Set by main: the temporary root and its /usr; the number of failures found.
wurzel=""
usr=""
fehler=0

# Notes a failure and says what it is; the test fails at the end.
falsch() {
    echo "FEHLER: $*" >&2
    fehler=$((fehler + 1))
}

# The build installed into the temporary root.
installieren() {
    wurzel=$(mktemp -d)
    trap 'rm -rf "$wurzel"' EXIT
    DESTDIR=$wurzel cmake --install "$bau" --prefix /usr --strip >/dev/null
    usr=$wurzel/usr
}

# Prints the files an install must hold under /usr, one a line: exactly these, no more.
erwartete_dateien() {
    local erwartet n
    erwartet=(bin/quentor bin/quentor-skript "share/applications/$id.desktop"
              share/doc/quentor/changelog.gz share/doc/quentor/copyright
              "share/icons/hicolor/scalable/apps/$id.svg" share/man/man1/quentor.1.gz
              share/man/man1/quentor-skript.1.gz share/man/de/man1/quentor.1.gz
              share/man/de/man1/quentor-skript.1.gz "share/metainfo/$id.metainfo.xml"
              share/lintian/overrides/quentor)
    for n in "${groessen[@]}"; do
        erwartet+=("share/icons/hicolor/${n}x$n/apps/$id.png")
    done
    # The guide, its example and the pictures the build drew for it (named in bilder.txt).
    erwartet+=("$anleitung/anleitung.html" "$anleitung/beispiel.txt"
               share/doc-base/quentor.quentor-anleitung)
    while read -r n; do
        erwartet+=("$anleitung/bilder/$n.png")
    done <"$bau/anleitung/bilder.txt"
    printf '%s\n' "${erwartet[@]}"
}

# Exactly these files, no more.
# Usage: dateien_pruefen EXPECTED
dateien_pruefen() {
    local soll ist
    soll=$(sort <<<"$1")
    ist=$(cd "$usr" && find . -type f | sed 's|^\./||' | sort)
    [ "$soll" = "$ist" ] || falsch "installierte Dateien weichen ab:
$(diff <(echo "$soll") <(echo "$ist") || true)"
}

# A PNG's width and height are the big-endian words at bytes 16 and 20.
symbole_pruefen() {
    local n png b signatur breite hoehe
    for n in "${groessen[@]}"; do
        png=$usr/share/icons/hicolor/${n}x$n/apps/$id.png
        [ -f "$png" ] || continue
        read -r -a b < <(od -An -tu1 -w24 -N24 "$png")
        signatur="${b[*]:1:3}"
        breite=$(((b[16] << 24) + (b[17] << 16) + (b[18] << 8) + b[19]))
        hoehe=$(((b[20] << 24) + (b[21] << 16) + (b[22] << 8) + b[23]))
        [ "$signatur" = "80 78 71" ] || falsch "$png ist kein PNG"
        [ "$breite x $hoehe" = "$n x $n" ] || falsch "$png ist $breite x $hoehe statt $n x $n"
    done
}

# The stripped programs carry no compiler note either.
ohne_compilervermerk() {
    local programm
    for programm in quentor quentor-skript; do
        if readelf -S "$usr/bin/$programm" | grep -q '\.comment'; then
            falsch "$programm hat noch einen Abschnitt .comment"
        fi
    done
}

# Prints the value of KEY in the group GROUP (default: the entry itself) of the installed desktop
# entry.
# Usage: wert KEY [GROUP]
wert() {
    local gruppe=${2:-Desktop Entry}
    awk -v gruppe="[$gruppe]" -v schluessel="$1" '/^\[/ { drin = ($0 == gruppe) }
        drin && index($0, schluessel "=") == 1 { print substr($0, length(schluessel) + 2) }' \
        "$usr/share/applications/$id.desktop"
}

# The desktop entry's icon is the application ID, its programs are installed.
desktop_pruefen() {
    local schluessel programm
    [ "$(wert Icon)" = "$id" ] || falsch "Icon=$(wert Icon) statt $id"
    for schluessel in Exec TryExec; do
        programm=$(wert "$schluessel" | cut -d' ' -f1)
        [ -x "$usr/bin/$programm" ] || falsch "$schluessel=$programm ist kein installiertes Programm"
    done
}

# The metadata names the application ID, its desktop entry and the installed programs.
metainfo_pruefen() {
    local metainfo=$usr/share/metainfo/$id.metainfo.xml launchable binaries programm
    [ "$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")" = "$id" ] || falsch "<id> ist nicht $id"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [ "$launchable" = "$id.desktop" ] || falsch "launchable $launchable ist nicht $id.desktop"
    binaries=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")
    [ -n "$binaries" ] || falsch "keine <binary> in <provides>"
    for programm in $binaries; do
        [ -x "$usr/bin/$programm" ] || falsch "<binary>$programm</binary> ist nicht installiert"
    done
}

# The newest release in the metadata and the top changelog entry: this version, the same day.
release_pruefen() {
    local release release_version release_datum changelog kopf unterschrift changelog_datum
    release=$(grep -m1 '<release ' "$usr/share/metainfo/$id.metainfo.xml")
    release_version=$(sed -n 's/.*version="\([^"]*\)".*/\1/p' <<<"$release")
    release_datum=$(sed -n 's/.*date="\([^"]*\)".*/\1/p' <<<"$release")
    [ "$release_version" = "$version" ] || falsch "neueste <release> ist $release_version, nicht $version"
    changelog=$(gzip -dc "$usr/share/doc/quentor/changelog.gz")
    kopf=$(head -1 <<<"$changelog")
    [[ $kopf == "quentor ($version) "* ]] || falsch "Changelog beginnt mit '$kopf', nicht mit Version $version"
    unterschrift=$(grep -m1 '^ -- ' <<<"$changelog" | sed 's/.*>  //')
    changelog_datum=$(date -u -d "$unterschrift" +%F 2>/dev/null || echo "unlesbar: $unterschrift")
    [ "$changelog_datum" = "$release_datum" ] ||
        falsch "Changelog vom $changelog_datum, <release> vom $release_datum"
}

# Every picture the installed guide shows is installed beside it.
anleitung_pruefen() {
    local bilder bild
    bilder=$(sed -n 's/.*<img [^>]*src="\([^"]*\)".*/\1/p' "$usr/$anleitung/anleitung.html")
    [ -n "$bilder" ] || falsch "die installierte Anleitung zeigt kein Bild"
    for bild in $bilder; do
        [ -f "$usr/$anleitung/$bild" ] || falsch "die Anleitung zeigt $bild, das nicht installiert ist"
    done
}

# The ways to the guide: the documentation's folder leads to it by a relative link, and the
# desktop entry's action opens it.
anleitung_wege_pruefen() {
    local ziel aktion="Desktop Action Anleitung"
    ziel=$(readlink "$usr/$dokuverweis" || true)
    [[ -n $ziel && $ziel != /* ]] || falsch "$dokuverweis ist kein relativer Verweis ('$ziel')"
    [ "$(realpath -m "$usr/$dokuverweis")" = "$(realpath -m "$usr/$anleitung")" ] ||
        falsch "$dokuverweis führt nicht zu $anleitung"
    [ "$(wert Actions)" = "Anleitung;" ] || falsch "der Desktop-Eintrag hat die Aktion Anleitung nicht"
    [ "$(wert Exec "$aktion")" = "xdg-open /usr/$anleitung/anleitung.html" ] ||
        falsch "die Aktion Anleitung öffnet '$(wert Exec "$aktion")'"
}

# The window's man pages, in both languages, and the metadata name the guide where it lies; the
# doc-base entry, which takes only paths in /usr/share/doc, through the link.
anleitung_genannt_pruefen() {
    local seite
    for seite in "$usr"/share/man/{,de/}man1/quentor.1.gz "$usr/share/metainfo/$id.metainfo.xml"; do
        gzip -dcf "$seite" | grep -qF "/usr/$anleitung/anleitung.html" ||
            falsch "${seite#"$usr"/} nennt die Anleitung nicht"
    done
    for seite in "$usr"/share/doc-base/quentor.*; do
        grep -qF "/usr/$dokuverweis/anleitung.html" "$seite" ||
            falsch "${seite#"$usr"/} nennt die Anleitung nicht"
    done
}

# gzip -n: no name and no time stamp in the header (bytes 4 to 7 hold the time).
gzip_koepfe_pruefen() {
    local gz kopfbytes
    for gz in "$usr/share/doc/quentor/changelog.gz" "$usr"/share/man/{,de/}man1/*.gz; do
        read -r -a kopfbytes < <(od -An -tu1 -w10 -N10 "$gz")
        [ "${kopfbytes[3]}${kopfbytes[4]}${kopfbytes[5]}${kopfbytes[6]}${kopfbytes[7]}" = "00000" ] ||
            falsch "$gz trägt Name oder Zeit im gzip-Kopf"
    done
}

# The first word of each entry in section ABSCHNITT of the man page SEITE.
# Usage: befehle_seite SEITE ABSCHNITT
befehle_seite() {
    gzip -dc "$1" | sed -n "/^\.SH $2\$/,/^\.SH /p" | sed -n '/^\.TP/{n;p}' | awk '{ print $2 }' |
        sort -u
}

# The driver's commands: the man page, its German translation, doku/aufbau.md and --help name the
# same ones.
# Usage: befehle_vergleichen COMMANDS_OF_THE_MAN_PAGE
befehle_vergleichen() {
    local befehle_handbuch=$1 wo
    declare -A befehle_anderswo=(
        ["im deutschen Handbuch"]=$(befehle_seite "$usr/share/man/de/man1/quentor-skript.1.gz" BEFEHLE)
        ["in doku/aufbau.md"]=$(sed -n '/^## The script driver/,/^## /p' "$quelle/doku/aufbau.md" |
            sed -n 's/^| `\([a-z]*\).*/\1/p' | sort -u)
        ["in --help"]=$("$usr/bin/quentor-skript" --help |
            sed -n 's/^  \([a-z]\+\)\( .*\)\?$/\1/p' | sort -u))
    for wo in "${!befehle_anderswo[@]}"; do
        [ "$befehle_handbuch" = "${befehle_anderswo[$wo]}" ] ||
            falsch "Befehle im Handbuch und $wo weichen ab:
$(diff <(echo "$befehle_handbuch") <(echo "${befehle_anderswo[$wo]}") || true)"
    done
}

# The driver takes each command of the man page, given an example of it.
# Usage: befehle_ausfuehren COMMANDS_OF_THE_MAN_PAGE
befehle_ausfuehren() {
    local befehl status
    declare -A beispiel=([wurf]="wurf" [rotat]="rotat" [neu]="neu ja" [ende]="ende nein"
        [zahl]="zahl 7" [haken]="haken 1" [datei]="datei" [zufall]="zufall 0.25 0" [zeige]="zeige")
    for befehl in $1; do
        if [ -z "${beispiel[$befehl]:-}" ]; then
            falsch "kein Beispiel für den Befehl '$befehl' aus dem Handbuch"
            continue
        fi
        status=0
        printf '%s\n' "${beispiel[$befehl]}" | "$usr/bin/quentor-skript" >/dev/null 2>&1 || status=$?
        [ "$status" -eq 0 ] || falsch "quentor-skript lehnt '${beispiel[$befehl]}' ab (Status $status)"
    done
}

# The driver's version, and the status of an unknown command.
skript_pruefen() {
    local status=0
    [ "$("$usr/bin/quentor-skript" --version)" = "quentor-skript $version" ] ||
        falsch "quentor-skript --version nennt nicht die Version $version"
    printf 'wuerfeln\n' | "$usr/bin/quentor-skript" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 2 ] || falsch "ein unbekannter Befehl endet mit Status $status statt 2"
}

main() {
    local erwartet befehle
    installieren
    erwartet=$(erwartete_dateien)
    dateien_pruefen "$erwartet"
    symbole_pruefen
    ohne_compilervermerk
    desktop_pruefen
    metainfo_pruefen
    release_pruefen
    gzip_koepfe_pruefen
    anleitung_pruefen
    anleitung_wege_pruefen
    anleitung_genannt_pruefen
    befehle=$(befehle_seite "$usr/share/man/man1/quentor-skript.1.gz" COMMANDS)
    befehle_vergleichen "$befehle"
    befehle_ausfuehren "$befehle"
    skript_pruefen
    [ "$fehler" -eq 0 ] || return 1
    echo "Installation geprüft: $(wc -l <<<"$erwartet") Dateien"
}

main "$@"
