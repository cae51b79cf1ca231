"""The document: its packages, files and relationships gathered, dated and written."""
import dataclasses
import json
import os
import time

from eintraege import HERSTELLER, beziehung
from fehler import Fehler


@dataclasses.dataclass
class Inhalt:
    """What a document lists, in order. The packages' CONTAINS of their files come last."""
    pakete: list = dataclasses.field(default_factory=list)
    dateien: list = dataclasses.field(default_factory=list)
    beziehungen: list = dataclasses.field(default_factory=list)
    datei_beziehungen: list = dataclasses.field(default_factory=list)

    def paket(self, paket, dateien=None):
        """Adds a package, with the entries of its files; returns its entry."""
        eintrag = paket.eintrag(dateien)
        self.pakete.append(eintrag)
        # SPDX 2.3 prefers CONTAINS to hasFiles.
        for datei in dateien or []:
            self.dateien.append(datei)
            self.datei_beziehungen.append(beziehung(paket.ident, datei["SPDXID"]))
        return eintrag

    def beziehung(self, a, b, art="CONTAINS", kommentar=None):
        self.beziehungen.append(beziehung(a, b, art, kommentar))


def zeit():
    """SOURCE_DATE_EPOCH, so that the document is as reproducible as what it describes."""
    epoche = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoche:
        raise Fehler("SOURCE_DATE_EPOCH ist nicht gesetzt")
    return time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(int(epoche)))


def dokument(name, beschreibt, inhalt, kennung):
    """The document of what inhalt lists, describing the packages beschreibt; kennung makes its
    namespace unique."""
    beschreibungen = [beziehung("SPDXRef-DOCUMENT", p, "DESCRIBES") for p in beschreibt]
    return {
        "spdxVersion": "SPDX-2.3",
        "dataLicense": "CC0-1.0",
        "SPDXID": "SPDXRef-DOCUMENT",
        "name": name,
        "documentNamespace": f"https://quentor.example/spdx/{name}-{kennung}",
        "creationInfo": {"created": zeit(),
                         "creators": ["Tool: quentor-stueckliste", HERSTELLER]},
        "packages": inhalt.pakete,
        "files": inhalt.dateien,
        "relationships": beschreibungen + inhalt.beziehungen + inhalt.datei_beziehungen,
    }


def schreibe(ausgabe, daten):
    with open(ausgabe, "w", encoding="utf-8") as f:
        json.dump(daten, f, indent=1, ensure_ascii=False, sort_keys=True)
        f.write("\n")
    print(f"Stückliste: {ausgabe} ({len(daten['packages'])} Pakete, {len(daten['files'])} Dateien)")
