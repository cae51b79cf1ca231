"""The entries of an SPDX 2.3 document: identifiers, checksums, packages, files, relationships."""
import dataclasses
import hashlib
import re

HERSTELLER = "Organization: Quentor-Team (team@quentor.example)"


def spdx_id(*teile):
    return "SPDXRef-" + "-".join(re.sub(r"[^A-Za-z0-9.]+", "-", t).strip("-") for t in teile)


def sha(daten, art):
    return hashlib.new(art, daten).hexdigest()


def datei_sha256(pfad):
    with open(pfad, "rb") as f:
        return sha(f.read(), "sha256")


@dataclasses.dataclass
class Paket:
    """A package of the document. mehr holds further SPDX fields and those that replace the
    defaults: the declared licence is the concluded one, origin and copyright NOASSERTION."""
    ident: str
    name: str
    version: str
    lieferant: str
    lizenz: str
    zweck: str = "LIBRARY"
    kommentar: str | None = None
    mehr: dict = dataclasses.field(default_factory=dict)

    def eintrag(self, dateien=None):
        """Its SPDX entry; given the entries of its files, their analysis is part of it."""
        eintrag = {
            "SPDXID": self.ident,
            "name": self.name,
            "versionInfo": self.version,
            "supplier": self.lieferant,
            "downloadLocation": "NOASSERTION",
            "primaryPackagePurpose": self.zweck,
            "licenseConcluded": self.lizenz,
            "licenseDeclared": self.lizenz,
            "copyrightText": "NOASSERTION",
            "filesAnalyzed": dateien is not None,
        }
        if dateien is not None:
            eintrag["packageVerificationCode"] = verifikationscode(dateien)
        if self.kommentar:
            eintrag["comment"] = self.kommentar
        return eintrag | self.mehr


def verifikationscode(dateien):
    """SHA1 over the sorted SHA1s of a package's files."""
    sha1s = sorted(d["checksums"][0]["checksumValue"] for d in dateien)
    return {"packageVerificationCodeValue": sha("".join(sha1s).encode(), "sha1")}


def purl_verweis(purl):
    return {"externalRefs": [{"referenceCategory": "PACKAGE-MANAGER", "referenceType": "purl",
                              "referenceLocator": purl}]}


def dateien_eintraege(dateien, lizenz):
    """SPDX file entries of {name: bytes}, sorted, with SHA1 (required) and SHA256."""
    return [{
        "fileName": "./" + name,
        "SPDXID": spdx_id("Datei", name),
        "checksums": [{"algorithm": "SHA1", "checksumValue": sha(dateien[name], "sha1")},
                      {"algorithm": "SHA256", "checksumValue": sha(dateien[name], "sha256")}],
        "licenseConcluded": lizenz,
        "copyrightText": "NOASSERTION",
    } for name in sorted(dateien)]


def beziehung(a, b, art="CONTAINS", kommentar=None):
    eintrag = {"spdxElementId": a, "relationshipType": art, "relatedSpdxElement": b}
    if kommentar:
        eintrag["comment"] = kommentar
    return eintrag
