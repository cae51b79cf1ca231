"""The bill of materials of a release: an SPDX 2.3 document in JSON, written from the release
itself and from the data that fills its licence folder, and its check against what is shipped.

  python3 freigabe/stueckliste deb DEB OUT.spdx.json [--eingebaut PAKET]...
      the Debian package: its files, the packages it depends on (their versions as installed
      here, where dpkg-shlibdeps found them) and the header-only libraries compiled into it
  python3 freigabe/stueckliste windows ZIP SETUP OUT.spdx.json --version VERSION [--eingebaut PAKET]...
      the Windows release: the zip's files, each given to one component (Quentor, Qt, the third-
      party code in Qt named by the qt_attribution.json files in lizenzen/qt, Qt's catalogue and
      MinGW's runtime DLLs by the Debian packages they come from); the installer holds the same
  python3 freigabe/stueckliste pruefen OUT.spdx.json ARCHIVE...
      fails when a shipped file is missing from the document or listed but not shipped, when a
      checksum differs, or when a component of lizenzen/qt is not in the document

The time is SOURCE_DATE_EPOCH, so that the document is as reproducible as what it describes.
"""
import argparse
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree

from deb import stueckliste_deb  # noqa: E402
from fehler import Fehler  # noqa: E402
from pruefen import pruefen  # noqa: E402
from windows import stueckliste_windows  # noqa: E402


def befehlszeile():
    teiler = argparse.ArgumentParser(prog="python3 freigabe/stueckliste", description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    befehle = teiler.add_subparsers(dest="befehl", required=True,
                                    metavar="deb|windows|pruefen")
    deb = befehle.add_parser("deb")
    deb.add_argument("deb", metavar="DEB")
    windows = befehle.add_parser("windows")
    windows.add_argument("zip", metavar="ZIP")
    windows.add_argument("setup", metavar="SETUP")
    windows.add_argument("ausgabe", metavar="OUT.spdx.json")
    windows.add_argument("--version", required=True, help="the release's version, as its build names it")
    deb.add_argument("ausgabe", metavar="OUT.spdx.json")
    for befehl in (deb, windows):
        befehl.add_argument("--eingebaut", action="append", default=[], metavar="PAKET",
                            help="a header-only library compiled into the programs")
    pruefung = befehle.add_parser("pruefen")
    pruefung.add_argument("ausgabe", metavar="OUT.spdx.json")
    pruefung.add_argument("archive", nargs="+", metavar="ARCHIVE")
    return teiler


def main(argumente):
    aufruf = befehlszeile().parse_args(argumente)
    try:
        if aufruf.befehl == "deb":
            stueckliste_deb(aufruf.deb, aufruf.ausgabe, aufruf.eingebaut)
        elif aufruf.befehl == "windows":
            stueckliste_windows(aufruf.zip, aufruf.setup, aufruf.ausgabe, aufruf.version,
                                aufruf.eingebaut)
        else:
            pruefen(aufruf.ausgabe, aufruf.archive)
    except Fehler as fehler:
        sys.exit(f"stueckliste: {fehler}")


main(sys.argv[1:])
