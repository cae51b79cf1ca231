#!/usr/bin/env bash
# Builds a release a second time from the same commit and compares the two byte for byte: the
# sources of HEAD (git archive) in another folder, with another umask, locale and time zone, the
# time SOURCE_DATE_EPOCH taken over (the copy has no git history), and without ccache
# (CCACHE_DISABLE), so that nothing the first build compiled reaches the second. The second build
# is made by the release's own recipe (freigabe/linux/deb-freigabe.sh, freigabe/windows/windows-freigabe.sh),
# without the tests. The first release must be there (freigabe/linux/paket.sh, freigabe/linux/arm64.sh,
# freigabe/windows/windows.sh); the second Windows build takes Qt from the same cache and signs
# nothing itself: it attaches the first build's signatures (freigabe/windows/signieren.sh), so its
# bytes are the first's only when its unsigned files are too. Only the time is taken from the
# release's settings here: the release steps of the second build set the rest themselves.
# Usage: bash freigabe/gemeinsam/nachbauen.sh deb|arm64|windows
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/hilfen/gemeinsam.sh
source freigabe/gemeinsam/freigabe.sh
source freigabe/gemeinsam/wurzel.sh

# Prints the build folder of the release ART, as its preset names it (the amd64 package's: the
# tested preset in use, QUENTOR_PRESET, dev or ci); fails (status 2) for any other ART.
# Usage: bauordner ART
bauordner() {
    case "$1" in
        deb) konfigurieren "${QUENTOR_PRESET:-dev}" ;;
        arm64) echo build-arm64 ;;
        windows) echo build-windows ;;
        *) echo "Aufruf: bash freigabe/gemeinsam/nachbauen.sh deb|arm64|windows" >&2; return 2 ;;
    esac
}

# The first release must be there; changes not committed are not in the second build.
# Usage: vorher_pruefen BUILD_FOLDER
vorher_pruefen() {
    if [ ! -f "$1/SHA256SUMS" ]; then
        echo "$1/SHA256SUMS fehlt: erst die Freigabe bauen." >&2
        return 1
    fi
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "Hinweis: Änderungen ohne Commit; nachgebaut wird HEAD." >&2
    fi
}

# The sources of HEAD (git archive) in FOLDER, made for them.
# Usage: quelle_auspacken FOLDER
quelle_auspacken() {
    mkdir -p "$1"
    git archive HEAD | tar -x -C "$1"
}

# The second build of the release ART from the sources in QUELLE, in a subshell with another
# umask, locale and time zone; its output goes to PROTOKOLL and is shown only when it fails.
# Usage: zweiter_bau ART QUELLE PROTOKOLL
zweiter_bau() {
    local art=$1 quelle=$2 protokoll=$3 beginn=$SECONDS
    echo "Baue $art ein zweites Mal in $quelle (umask 0002, LANG=de_DE.UTF-8, TZ=Pacific/Kiritimati)"
    if ! (
        cd "$quelle"
        umask 0002
        unset LC_ALL
        export LANG=de_DE.UTF-8 TZ=Pacific/Kiritimati CCACHE_DISABLE=1
        freigabe_bauen "$art"
    ) >"$protokoll" 2>&1; then
        cat "$protokoll"
        echo "Der zweite Bau ist fehlgeschlagen." >&2
        return 1
    fi
    echo "Zweiter Bau: $((SECONDS - beginn)) s"
}

# The release ART built in the current folder by its recipe, without tests. (set -e does not hold
# inside the condition of an if, where zweiter_bau runs this: each step joined with &&.)
# Usage: freigabe_bauen ART
freigabe_bauen() {
    local bilder
    if [ "$1" = deb ]; then
        bash freigabe/linux/deb-freigabe.sh "${QUENTOR_PRESET:-dev}" -DBUILD_TESTING=OFF
    elif [ "$1" = arm64 ]; then
        bash freigabe/linux/arm64.sh --paket
    else
        bilder=$(bash freigabe/windows/anleitungsbilder.sh build-windows) &&
            bash freigabe/windows/windows-freigabe.sh -DBUILD_TESTING=OFF \
                -DQUENTOR_ANLEITUNG_BILDER:PATH="$bilder"
    fi
}

# Compares the checksums of the two builds in BUILD_FOLDER and QUELLE/BUILD_FOLDER; when they
# differ, the second build's files are kept in BUILD_FOLDER/nachbau.
# Usage: vergleichen BUILD_FOLDER QUELLE
vergleichen() {
    local bau=$1 quelle=$2
    if ! diff -u "$bau/SHA256SUMS" "$quelle/$bau/SHA256SUMS"; then
        echo "Nicht reproduzierbar: der zweite Bau gibt andere Bytes (oben: erster - und zweiter +)." >&2
        nachbau_behalten "$bau" "$quelle"
        return 1
    fi
    echo "Reproduzierbar: beide Bauten geben dieselben Bytes:"
    sed 's/^/  /' "$bau/SHA256SUMS"
}

# Keep both for a look (diffoscope, cmp -l): the second build's files in BUILD_FOLDER/nachbau.
# Usage: nachbau_behalten BUILD_FOLDER QUELLE
nachbau_behalten() {
    local bau=$1 quelle=$2 ziel="$PWD/$1/nachbau" datei
    rm -rf "$ziel"
    mkdir -p "$ziel"
    cp "$quelle/$bau/SHA256SUMS" "$ziel/"
    while read -r _ datei; do
        cp "$quelle/$bau/$datei" "$ziel/"
    done <"$quelle/$bau/SHA256SUMS"
    echo "Der zweite Bau liegt in $ziel." >&2
}

# The signatures of the first build in BUILD_FOLDER, to be attached by the second, checked against
# its authority (the throwaway one when it signed with it).
# Usage: signaturen_mitgeben BUILD_FOLDER
signaturen_mitgeben() {
    export QUENTOR_SIGNATUREN="$PWD/$1/signatur/signaturen"
    echo "Der zweite Bau hängt die $(find "$QUENTOR_SIGNATUREN" -name '*.p7s' | wc -l) Signaturen" \
        "des ersten an ($1/signatur/signaturen)"
    if [ -f "$1/signatur/wegwerf-ca.pem" ] && [ -z "${QUENTOR_SIGNATUR_CA:-}" ]; then
        export QUENTOR_SIGNATUR_CA="$PWD/$1/signatur/wegwerf-ca.pem"
    fi
}

main() {
    local art=${1:-} bau quelle
    freigabe_zeit
    bau=$(bauordner "$art")
    # The Windows release is built on Debian 13, as freigabe/windows/windows.sh does.
    if [ "$art" = windows ]; then
        wurzel_windows_oder_weiter freigabe/gemeinsam/nachbauen.sh windows
        signaturen_mitgeben "$bau"
    fi
    vorher_pruefen "$bau"
    zweit=$(mktemp -d)
    trap 'rm -rf "$zweit"' EXIT
    quelle="$zweit/ein anderer Ordner/quentor"
    quelle_auspacken "$quelle"
    zweiter_bau "$art" "$quelle" "$zweit/bau.log"
    vergleichen "$bau" "$quelle"
}

main "$@"
