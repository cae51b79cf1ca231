#!/usr/bin/env bash
# Builds a release a second time from the same commit and compares the two byte for byte: the
# sources of HEAD (git archive) in another folder, with another umask, locale and time zone, the
# time SOURCE_DATE_EPOCH taken over (the copy has no git history). The first release must be there
# (freigabe/linux/paket.sh, freigabe/linux/arm64.sh, freigabe/windows/windows.sh); the second Windows build takes Qt from
# the same cache, and the second arm64 and Windows builds build no tests.
# Usage: bash freigabe/gemeinsam/nachbauen.sh deb|arm64|windows
set -euo pipefail
cd "$(dirname "$0")/../.."
source freigabe/gemeinsam/freigabe.sh
freigabe_umgebung
case "${1:-}" in
    deb) bau=build-paket ;;
    arm64) bau=build-arm64 ;;
    windows) bau=build-windows ;;
    *) echo "Aufruf: bash freigabe/gemeinsam/nachbauen.sh deb|arm64|windows" >&2; exit 2 ;;
esac
# The Windows release is built on Debian 13, as freigabe/windows/windows.sh does.
if [ "$1" = windows ]; then
    source freigabe/gemeinsam/wurzel.sh
    wurzel_windows_oder_weiter freigabe/gemeinsam/nachbauen.sh windows
fi
if [ ! -f "$bau/SHA256SUMS" ]; then
    echo "$bau/SHA256SUMS fehlt: erst die Freigabe bauen." >&2
    exit 1
fi
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "Hinweis: Änderungen ohne Commit; nachgebaut wird HEAD." >&2
fi

zweit=$(mktemp -d)
trap 'rm -rf "$zweit"' EXIT
quelle="$zweit/ein anderer Ordner/quentor"
mkdir -p "$quelle"
git archive HEAD | tar -x -C "$quelle"
protokoll="$zweit/bau.log"
beginn=$SECONDS
echo "Baue $1 ein zweites Mal in $quelle (umask 0002, LANG=de_DE.UTF-8, TZ=Pacific/Kiritimati)"
if ! (
    cd "$quelle"
    umask 0002
    unset LC_ALL
    export LANG=de_DE.UTF-8 TZ=Pacific/Kiritimati
    if [ "$1" = deb ]; then
        bash freigabe/linux/paket.sh
    elif [ "$1" = arm64 ]; then
        bash freigabe/linux/arm64.sh --paket
    else
        # (set -e does not hold inside the condition of an if: each step joined with &&.)
        qt=$(bash freigabe/windows/qt-windows.sh --ordner) &&
            cmake --preset windows -DQUENTOR_QT_WINDOWS:PATH="$qt" -DBUILD_TESTING=OFF &&
            cmake --build --preset windows -j "$(nproc)" &&
            bash freigabe/windows/windows-freigabe.sh build-windows
    fi
) >"$protokoll" 2>&1; then
    cat "$protokoll"
    echo "Der zweite Bau ist fehlgeschlagen." >&2
    exit 1
fi
echo "Zweiter Bau: $((SECONDS - beginn)) s"
if ! diff -u "$bau/SHA256SUMS" "$quelle/$bau/SHA256SUMS"; then
    echo "Nicht reproduzierbar: der zweite Bau gibt andere Bytes (oben: erster - und zweiter +)." >&2
    # Keep both for a look (diffoscope, cmp -l).
    ziel="$PWD/$bau/nachbau"
    rm -rf "$ziel"
    mkdir -p "$ziel"
    cp "$quelle/$bau/SHA256SUMS" "$ziel/"
    while read -r _ datei; do
        cp "$quelle/$bau/$datei" "$ziel/"
    done <"$quelle/$bau/SHA256SUMS"
    echo "Der zweite Bau liegt in $ziel." >&2
    exit 1
fi
echo "Reproduzierbar: beide Bauten geben dieselben Bytes:"
sed 's/^/  /' "$bau/SHA256SUMS"
