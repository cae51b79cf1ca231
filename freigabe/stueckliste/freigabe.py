"""The release's own packages: its files as published, Quentor, and the libraries compiled into
Quentor's programs."""
import os

from debianpakete import debian_teil
from eintraege import HERSTELLER, Paket, datei_sha256, spdx_id
from lizenzen import QUENTOR_LIZENZ

QUENTOR = "SPDXRef-Quentor"


def freigabe_paket(pfad, version, zweck, kommentar="The file this document is published beside."):
    """A file of the release as published, with its SHA256."""
    name = os.path.basename(pfad)
    pruefsumme = {"algorithm": "SHA256", "checksumValue": datei_sha256(pfad)}
    return Paket(spdx_id("Freigabe", name), name, version, HERSTELLER, "NOASSERTION", zweck,
                 kommentar, {"packageFileName": name, "checksums": [pruefsumme]})


def quentor_paket(name, version):
    return Paket(QUENTOR, name, version, HERSTELLER, QUENTOR_LIZENZ, "APPLICATION")


def eingebaut(inhalt, namen, programme):
    """Header-only libraries compiled into the programs."""
    for name in namen:
        kommentar = "Header-only, compiled into " + programme
        eintrag = inhalt.paket(debian_teil(name, kommentar=kommentar))
        inhalt.beziehung(QUENTOR, eintrag["SPDXID"])
