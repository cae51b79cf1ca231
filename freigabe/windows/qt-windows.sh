#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) from Debian's source package of Qt's base module, the
# same version as the host's Qt, whose moc, rcc and uic then serve the cross build. The result is
# kept in a cache folder outside the tree, named by Qt's version and a short hash of the options,
# and reused while both stay the same. Installs what is missing, like the other scripts. Two runs
# at once build it once: the second waits for the first and takes its Qt from the cache.
# Usage: bash freigabe/windows/qt-windows.sh          build if needed, then say where Qt is
#        bash freigabe/windows/qt-windows.sh --ordner only print the folder (whether built or not)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/pakete.sh
source freigabe/gemeinsam/wurzel.sh

mingw=x86_64-w64-mingw32
cache="${XDG_CACHE_HOME:-$HOME/.cache}/quentor"
# The cross compilers, as the project's builds have them; its settings name the cache folder.
werkzeugdatei="$PWD/freigabe/windows/mingw-w64-x86_64-werkzeuge.cmake"
# Our one change to Debian's source, applied after Debian's own patches.
patch_datei="$PWD/freigabe/windows/qt-windows-ohne-einstellungen.patch"

# What the window (ui/) and its tests (tests/ui/) need: Core, Gui, Widgets and Test, the platform
# plugins windows (the program), offscreen (the tests) and minimal, the Windows styles. The
# third-party libraries come from Qt's own copies.
optionen=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    # One compiler run for several source files: builds in about half the time.
    -DQT_UNITY_BUILD=ON
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    # OpenGL off as a whole: FEATURE_opengl alone leaves dynamic OpenGL on, which the windows
    # plugin then does not compile.
    -DINPUT_opengl=no
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_testlib=ON
    # Image formats the window does not use.
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    # Debian's source leaves out the Windows tablet header, without which the windows plugin does
    # not build.
    -DFEATURE_tabletevent=OFF
    # The fonts come from GDI, as Qt's default font database for MinGW has them: DirectWrite 3
    # would make DirectWrite's the default. (Qt 6.8 does not build without DirectWrite.)
    -DFEATURE_directwrite3=OFF
    # No Direct2D platform plugin: not needed (and with these options it failed to build).
    -DFEATURE_direct2d1_1=OFF
    # No QSettings: Qt's file dialog would keep its folders and view in the registry
    # (HKCU\Software\QtProject), read them back when it is built and share them with every other
    # Qt program of the user; the program keeps nothing between runs. The patch lets the Windows
    # code build without it.
    -DFEATURE_settings=OFF
)

# Reproducible: the same DLLs from the same source in any folder at any time. The work folder
# (sources and build) is written as `.` into macros and any debug information, and the time of
# Debian's changelog entry (SOURCE_DATE_EPOCH) stands for the build's: Qt's resource compiler
# gives it to the files it embeds, Debian's MinGW linker writes it into the PE headers in place
# of the link time. The flags name the work folder, so they are added when configuring
# (konfigurieren); this text stands for them in the folder's hash.
reproduzierbar="-ffile-prefix-map=ARBEIT=. -Wl,--no-insert-timestamp SOURCE_DATE_EPOCH=changelog"
# What the folder holds besides Qt itself; a change here builds it afresh, like another option.
inhalt="DLLs ohne Symbole; Lizenzen und Herkunft des Ausgelieferten in lizenzen/; $reproduzierbar"

# Sets paketversion and version from the host's Qt: its version is the one built, its tools are
# used through QT_HOST_PATH.
qt_version_lesen() {
    paketversion=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    version=${paketversion%%+*}
    version=${version%%-*}
}

# Sets the cache folder (ordner), its marker (marke) and the work folder (arbeit), named by Qt's
# version and a hash of the compilers' settings, the options, the folder's content and the patch.
ordner_bestimmen() {
    local werkzeugkette kennung
    qt_version_lesen
    werkzeugkette=$(grep '^set(' "$werkzeugdatei")
    kennung=$(printf '%s\n' "$paketversion" "$werkzeugkette" "${optionen[@]}" "$inhalt" |
        cat - "$patch_datei" | sha256sum | cut -c1-10)
    ordner="$cache/qt-$version-windows-$kennung"
    marke="$ordner/quentor-fertig"
    arbeit="$cache/arbeit-$version-$kennung"
}

# True (and says so) when the cache folder holds a finished build.
im_cache() {
    [ -f "$marke" ] || return 1
    echo "Qt $version für Windows aus dem Cache: $ordner (entfernen: rm -rf $cache)"
}

# Takes the lock beside the cache folder, waiting while another run holds it: that run is building
# this Qt into the same work and cache folders, which this one would otherwise delete. The lock
# ends with the process holding it, however it ends; a build interrupted leaves no marker and is
# built afresh by the next run.
sperren() {
    local sperre
    mkdir -p "$cache"
    exec {sperre}>"$ordner.sperre"
    if ! flock -n "$sperre"; then
        echo "Ein anderer Lauf baut gerade Qt $version für Windows; warte auf ihn."
        flock "$sperre"
    fi
}

# Starts afresh in an empty work folder (what an interrupted build left is removed) with its log.
arbeit_beginnen() {
    protokoll="$arbeit/bau.log"
    rm -rf "$arbeit" "$ordner"
    mkdir -p "$arbeit"
    : >"$protokoll"
    beginn=$SECONDS
    echo "Baue Qt $version für Windows (auf zwei Kernen etwa eine halbe Stunde)."
    echo "Protokoll: $protokoll"
}

# Ends the script after a failed step, with the end of the log.
fehlschlag() {
    echo "Qt für Windows: $1 ist fehlgeschlagen. Protokoll: $protokoll" >&2
    tail -n 30 "$protokoll" >&2
    exit 1
}

# Debian's source package is fetched with apt from the archive this machine already uses: its
# enabled binary entries, as deb-src, in an apt state of our own (a temporary folder, apt_ordner),
# so the system's apt configuration stays as it is. apt checks the Release files' signatures with
# the system's keyrings and the downloaded files' checksums. Sets apt, the apt-get call using it.
apt_anlegen() {
    apt_ordner=$(mktemp -d)
    trap 'rm -rf "$apt_ordner"' EXIT
    # Readable for apt's unprivileged download user, so that apt downloads sandboxed as usual.
    chmod 755 "$apt_ordner"
    mkdir -p "$apt_ordner/quellen.d" "$apt_ordner/listen/partial" \
        "$apt_ordner/cache/archives/partial" "$apt_ordner/paket"
    # apt's download user writes the source package too.
    if [ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1; then
        chown _apt "$apt_ordner/paket"
    fi
    quellen_eintragen
    apt=(apt-get -q -o Dir::Etc::SourceList="$apt_ordner/quellen.list"
         -o Dir::Etc::SourceParts="$apt_ordner/quellen.d" -o Dir::State::Lists="$apt_ordner/listen"
         -o Dir::Cache="$apt_ordner/cache")
}

# Every enabled binary entry becomes the same entry for sources. An entry whose archive offers no
# sources only costs a failed index, which apt then leaves out. Ends the script when there is none.
quellen_eintragen() {
    local datei
    for datei in /etc/apt/sources.list.d/*.sources; do
        [ -f "$datei" ] || continue
        # deb822 paragraphs: types that name deb, not switched off by "Enabled: no".
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
        /(^|\n)Types:([^\n]*[ \t])?deb([ \t]|\n|$)/ && !/(^|\n)Enabled:[ \t]*[Nn]o/ {
            if (!sub(/^Types:[^\n]*/, "Types: deb-src")) sub(/\nTypes:[^\n]*/, "\nTypes: deb-src")
            print
        }' "$datei"
    done >"$apt_ordner/quellen.d/debian.sources"
    for datei in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$datei" ]; then sed -n 's/^deb\([[:space:]]\)/deb-src\1/p' "$datei"; fi
    done >"$apt_ordner/quellen.list"
    if ! grep -qE '^(Types: )?deb-src' "$apt_ordner/quellen.list" \
        "$apt_ordner/quellen.d/debian.sources"; then
        echo "Keine Debian-Paketquelle in /etc/apt gefunden." >&2
        exit 1
    fi
}

# Fetches Debian's source package of the host's Qt, unpacks it into the work folder (quellen) and
# applies our patch after Debian's own.
quellen_holen() {
    echo "Lade die Quellen von qt6-base $paketversion"
    quellen="$arbeit/qt6-base"
    if ! "${apt[@]}" update >>"$protokoll" 2>&1; then
        echo "Hinweis: nicht jede Paketquelle ließ sich laden (siehe Protokoll), weiter ohne sie."
    fi
    (cd "$apt_ordner/paket" && "${apt[@]}" source --download-only "qt6-base=$paketversion") \
        >>"$protokoll" 2>&1 || fehlschlag "das Laden der Quellen"
    dpkg-source --no-copy -x "$apt_ordner"/paket/qt6-base_*.dsc "$quellen" >>"$protokoll" 2>&1 ||
        fehlschlag "das Auspacken der Quellen"
    patch -p1 -d "$quellen" <"$patch_datei" >>"$protokoll" 2>&1 ||
        fehlschlag "das Anwenden des Patches"
}

# Configures the cross build with the options and the reproducible flags, installing into the
# cache folder; exports SOURCE_DATE_EPOCH, the time of Debian's changelog entry.
konfigurieren() {
    local ohne_pfade="-ffile-prefix-map=$arbeit=." ohne_zeit=-Wl,--no-insert-timestamp
    # A copy in the work folder: Qt records the toolchain file it was built with.
    cp "$werkzeugdatei" "$arbeit/mingw.cmake"
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$quellen/debian/changelog" -STimestamp)
    export SOURCE_DATE_EPOCH
    echo "Konfiguriere"
    cmake -S "$quellen" -B "$arbeit/bau" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$arbeit/mingw.cmake" \
        -DCMAKE_INSTALL_PREFIX="$ordner" "${optionen[@]}" -DCMAKE_C_FLAGS="$ohne_pfade" \
        -DCMAKE_CXX_FLAGS="$ohne_pfade" -DCMAKE_SHARED_LINKER_FLAGS="$ohne_zeit" \
        -DCMAKE_MODULE_LINKER_FLAGS="$ohne_zeit" -DCMAKE_EXE_LINKER_FLAGS="$ohne_zeit" \
        >>"$protokoll" 2>&1 || fehlschlag "das Konfigurieren"
}

# Builds with ninja, its output in the log and its progress on the terminal.
bauen() {
    local status
    echo "Baue"
    set +e
    NINJA_STATUS='[%f/%t] ' ninja -C "$arbeit/bau" 2>&1 | fortschritt
    status=${PIPESTATUS[0]}
    set -e
    [ "$status" -eq 0 ] || fehlschlag "der Bau"
}

# Copies ninja's lines into the log; its status lines give the progress: one line every 5 % and at
# least one a minute.
fortschritt() {
    local zeile fertig gesamt prozent zuletzt_prozent=-5 zuletzt_zeit=$SECONDS
    while IFS= read -r zeile; do
        printf '%s\n' "$zeile" >>"$protokoll"
        if [[ $zeile =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
            fertig=${BASH_REMATCH[1]} gesamt=${BASH_REMATCH[2]}
            prozent=$((100 * fertig / gesamt))
            if ((prozent >= zuletzt_prozent + 5 || SECONDS - zuletzt_zeit >= 60)); then
                echo "  $fertig/$gesamt Schritte ($prozent %), $(((SECONDS - beginn) / 60)) min"
                zuletzt_prozent=$prozent zuletzt_zeit=$SECONDS
            fi
        fi
    done
}

# Installs the build into the cache folder, without symbols.
installieren() {
    echo "Installiere nach $ordner"
    cmake --install "$arbeit/bau" --strip >>"$protokoll" 2>&1 || fehlschlag "die Installation"
}

# What whoever passes Qt on must hand on with it, into lizenzen/: Qt's licence (LGPL-3.0, and the
# GPL-3.0 it builds on), the licences and attributions of the third-party code compiled into it,
# Debian's copyright file, and where the source comes from (herkunft_schreiben).
lizenzen_sammeln() {
    lizenzen="$ordner/lizenzen"
    mkdir -p "$lizenzen"
    cp "$quellen/LICENSES/LGPL-3.0-only.txt" "$quellen/LICENSES/GPL-3.0-only.txt" "$lizenzen/"
    cp "$quellen/debian/copyright" "$lizenzen/debian-copyright.txt"
    cp "$patch_datei" "$lizenzen/"
    benutzte_ordner >"$arbeit/benutzt.txt"
    fremde_lizenzen_kopieren
}

# Prints the source folders used by the objects of what the release ships. Which third-party code
# went in, the build itself records: the sources and headers of every object (ninja -t deps). Qt
# Test, which only the tests use, is not shipped.
benutzte_ordner() {
    ninja -C "$arbeit/bau" -t deps |
        awk '/^[^ ]/ { ausgeliefert = $1 !~ /^src\/testlib\// } ausgeliefert && /^ / { print $1 }' |
        sed -n "s|^$quellen/||p" | xargs -r dirname | sort -u
}

# Copies the licences and attributions of every folder with a qt_attribution.json that counts: a
# file of it was used by an object of what the release ships (benutzt.txt).
fremde_lizenzen_kopieren() {
    local teil
    (cd "$quellen" && find src -name qt_attribution.json) | xargs -r dirname | sort |
        while read -r teil; do
            grep -q -e "^$teil\$" -e "^$teil/" "$arbeit/benutzt.txt" || continue
            mkdir -p "$lizenzen/$teil"
            (cd "$quellen/$teil" && find . -maxdepth 2 \( -name qt_attribution.json \
                -o -iname '*licen[cs]e*' -o -iname 'copying*' -o -name FTL.TXT \) \
                -exec cp --parents {} "$lizenzen/$teil/" \;)
        done
}

# Prints HERKUNFT.txt: what Qt ships, under which licence, and how it was built from where.
herkunft_schreiben() {
    echo "Qt $version für Windows, wie es Quentor mitbringt: Qt Core, Gui, Widgets, die Plattform-"
    echo "Plugins windows, offscreen und minimal und die Windows-Stile. Qt steht unter der"
    echo "GNU LGPL 3 (LGPL-3.0-only.txt, mit der GPL 3, auf der sie aufbaut: GPL-3.0-only.txt);"
    echo "die Teile anderer Herkunft, die darin stecken, nennt src/ mit ihren Lizenzen."
    echo
    echo "Gebaut auf Debian $(cat /etc/debian_version) aus Debians Quellpaket qt6-base, Version"
    echo "$paketversion (der Quelltext: apt-get source qt6-base=$paketversion) und dem Patch"
    echo "$(basename "$patch_datei"), mit MinGW-w64 ($mingw, POSIX-Threads, GCC"
    echo "$("$mingw-gcc-posix" -dumpfullversion)) und diesen CMake-Optionen:"
    printf '  %s\n' "${optionen[@]}"
    echo "Reproduzierbar: SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH (Debians Changelog), Compiler mit"
    echo "-ffile-prefix-map=<Arbeitsordner>=., Linker mit -Wl,--no-insert-timestamp."
}

# Keeps the log in the cache folder, removes the work folder and marks the build finished.
abschliessen() {
    local dauer=$((SECONDS - beginn))
    echo "Laden, Konfigurieren, Bauen und Installieren: $((dauer / 60)) min $((dauer % 60)) s" \
        >>"$protokoll"
    mv "$protokoll" "$ordner/bau.log"
    rm -rf "$arbeit"
    # Written last: a folder without it is an interrupted build and is built again.
    echo "$paketversion" >"$marke"
    echo "Qt $version für Windows gebaut in $((dauer / 60)) min $((dauer % 60)) s: $ordner" \
        "($(du -sh "$ordner" | cut -f1); entfernen: rm -rf $cache)"
}

main() {
    # Built on Debian 13, whose Qt 6.8 it builds (on an older host inside a Debian 13 root).
    wurzel_windows_oder_weiter freigabe/windows/qt-windows.sh "${1:-}" "${QT_WINDOWS_PAKETE[@]}"
    if [ "${1:-}" = --ordner ]; then
        ordner_bestimmen
        echo "$ordner"
        return
    fi
    bash scripts/hilfen/abhaengigkeiten.sh "${QT_WINDOWS_PAKETE[@]}"
    ordner_bestimmen
    im_cache && return
    sperren
    im_cache && return
    arbeit_beginnen
    apt_anlegen
    quellen_holen
    konfigurieren
    bauen
    installieren
    lizenzen_sammeln
    herkunft_schreiben >"$lizenzen/HERKUNFT.txt"
    abschliessen
}

main "$@"
