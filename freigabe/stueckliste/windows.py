"""The bill of materials of the Windows release: the zip and the installer that holds the same
files."""
import os

from archive import zip_dateien
from debianpakete import debian_teil
from dokument import Inhalt, dokument, schreibe
from eintraege import dateien_eintraege
from freigabe import QUENTOR, eingebaut, freigabe_paket, quentor_paket
from qt import qt_paket, qt_teile, qt_version
from zuordnung import teile_ordnen

# MinGW's runtime, which both programs also link statically.
STATISCH_GELINKT = ("gcc-mingw-w64-x86-64-posix-runtime", "mingw-w64-x86-64-dev")
SETUP_KOMMENTAR = "The installer of the same files as the zip (and its uninstaller)."


def stueckliste_windows(zip_pfad, setup, ausgabe, version, eingebaute):
    """The zip's files by component, the third-party code in Qt and the libraries eingebaute
    compiled into the programs, of the release of that version, written to ausgabe."""
    dateien = zip_dateien(zip_pfad)
    qt = qt_version(dateien)
    teile = teile_ordnen(dateien)
    inhalt = Inhalt()
    freigaben = [inhalt.paket(freigabe_paket(zip_pfad, version, "ARCHIVE")),
                 inhalt.paket(freigabe_paket(setup, version, "INSTALL", SETUP_KOMMENTAR))]
    for teil in sorted(teile):
        teil_eintragen(inhalt, teil_paket(teil, version, qt), teile[teil],
                       [f["SPDXID"] for f in freigaben])
    qt_teile(inhalt, dateien)
    eingebaut(inhalt, eingebaute, "quentor-skript.exe")
    name = os.path.basename(zip_pfad).removesuffix(".zip")
    schreibe(ausgabe, dokument(name, [f["SPDXID"] for f in freigaben], inhalt,
                               freigaben[0]["checksums"][0]["checksumValue"]))


def teil_paket(teil, version, qt):
    if teil == "quentor":
        return quentor_paket("quentor", version)
    if teil == "qt6-base":
        return qt_paket(qt)
    return debian_teil(teil)


def teil_eintragen(inhalt, paket, dateien, freigaben):
    """A component with its files {name: bytes} under its licence, contained in each release
    file."""
    inhalt.paket(paket, dateien_eintraege(dateien, paket.lizenz))
    for freigabe in freigaben:
        inhalt.beziehung(freigabe, paket.ident)
    if paket.name in STATISCH_GELINKT:
        inhalt.beziehung(QUENTOR, paket.ident, "STATIC_LINK",
                         "quentor.exe and quentor-skript.exe link it statically")
