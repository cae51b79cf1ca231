"""The bill of materials of the Debian package."""
import os

from archive import deb_dateien, deb_felder
from debianpakete import debian_teil
from dokument import Inhalt, dokument, schreibe
from eintraege import dateien_eintraege
from freigabe import QUENTOR, eingebaut, freigabe_paket, quentor_paket
from lizenzen import QUENTOR_LIZENZ


def stueckliste_deb(deb, ausgabe, eingebaute):
    """The package's files, the packages it depends on and the libraries eingebaute compiled
    into it, written to ausgabe."""
    felder = deb_felder(deb, ("Package", "Version", "Architecture", "Depends"))
    inhalt = Inhalt()
    freigabe = inhalt.paket(freigabe_paket(deb, felder["Version"], "INSTALL"))
    inhalt.paket(quentor_paket(felder["Package"], felder["Version"]),
                 dateien_eintraege(deb_dateien(deb), QUENTOR_LIZENZ))
    inhalt.beziehung(freigabe["SPDXID"], QUENTOR)
    eingebaut(inhalt, eingebaute, "usr/bin/quentor-skript")
    abhaengigkeiten(inhalt, felder["Depends"], felder["Architecture"])
    name = os.path.basename(deb).removesuffix(".deb")
    schreibe(ausgabe, dokument(name, [freigabe["SPDXID"]], inhalt,
                               freigabe["checksums"][0]["checksumValue"]))


def abhaengigkeiten(inhalt, depends, architektur):
    """What the package depends on: not shipped in it, named with the version installed here for
    the package's architecture, each alternative of a dependency a package of its own."""
    for angabe in depends.split(","):
        for alternative in angabe.split("|"):
            name = alternative.split("(")[0].strip()
            eintrag = inhalt.paket(debian_teil(name, architektur=architektur, lizenz="NOASSERTION",
                                               kommentar="Depends: " + angabe.strip()))
            inhalt.beziehung(QUENTOR, eintrag["SPDXID"], "DEPENDS_ON")
