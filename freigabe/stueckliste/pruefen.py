"""The check of a document against the release files it describes."""
import json
import os
import sys

from archive import deb_dateien, zip_dateien
from eintraege import datei_sha256, sha
from fehler import Fehler
from qt import qt_attributionen, teil_name


def pruefen(ausgabe, archive):
    """Fails when a shipped file is missing from the document or listed but not shipped, when a
    checksum differs, or when a component of lizenzen/qt is not in the document."""
    with open(ausgabe, encoding="utf-8") as f:
        doc = json.load(f)
    gelistet = gelistete(doc)
    probleme = form_probleme(doc)
    for archiv in archive:
        probleme += archiv_probleme(doc, gelistet, archiv)
    for p in probleme:
        print("FEHLER: " + p, file=sys.stderr)
    if probleme:
        raise Fehler(f"{ausgabe} passt nicht zu {' '.join(archive)}")
    print(f"Stückliste geprüft: {ausgabe} nennt genau die {len(gelistet)} ausgelieferten "
          f"Dateien mit ihren Prüfsummen, {len(doc['packages'])} Pakete")


def gelistete(doc):
    """The document's file entries by the paths of the files."""
    return {d["fileName"].removeprefix("./"): d for d in doc["files"]}


def form_probleme(doc):
    """What is wrong with the document itself: its kind, its SPDXIDs, its relationships, files
    outside exactly one package."""
    probleme = []
    if doc.get("spdxVersion") != "SPDX-2.3" or doc.get("dataLicense") != "CC0-1.0":
        probleme.append("kein SPDX-2.3-Dokument")
    ids = [p["SPDXID"] for p in doc["packages"]] + [d["SPDXID"] for d in doc["files"]]
    if len(ids) != len(set(ids)):
        probleme.append("SPDXIDs doppelt")
    bekannt = set(ids) | {"SPDXRef-DOCUMENT"}
    for b in doc["relationships"]:
        for seite in (b["spdxElementId"], b["relatedSpdxElement"]):
            if seite not in bekannt:
                probleme.append(f"Beziehung nennt Unbekanntes: {seite}")
    analysiert = {p["SPDXID"] for p in doc["packages"] if p.get("filesAnalyzed")}
    zugeordnet = [b["relatedSpdxElement"] for b in doc["relationships"]
                  if b["spdxElementId"] in analysiert and b["relationshipType"] == "CONTAINS"
                  and b["relatedSpdxElement"].startswith("SPDXRef-Datei-")]
    if sorted(zugeordnet) != sorted(d["SPDXID"] for d in doc["files"]):
        probleme.append("nicht jede Datei gehört genau einem Paket")
    return probleme


def archiv_probleme(doc, gelistet, archiv):
    """Where a release file differs from what the document says of it and of its files."""
    name = os.path.basename(archiv)
    pruefsummen = {p["packageFileName"]: p["checksums"][0]["checksumValue"]
                   for p in doc["packages"] if "packageFileName" in p}
    probleme = []
    if pruefsummen.get(name) != datei_sha256(archiv):
        probleme.append(f"{name}: nicht oder mit anderer Prüfsumme im Dokument")
    if name.endswith(".deb"):
        geliefert = deb_dateien(archiv)
    elif name.endswith(".zip"):
        geliefert = zip_dateien(archiv)
        namen = {p["name"] for p in doc["packages"]}
        probleme += [f"Teil aus ./{quelle} fehlt: {teil.get('Name')}"
                     for quelle, teil in qt_attributionen(geliefert)
                     if teil_name(quelle, teil) not in namen]
    else:
        return probleme
    return probleme + datei_probleme(gelistet, geliefert)


def datei_probleme(gelistet, geliefert):
    """Files shipped but not listed, listed but not shipped, or listed with another checksum."""
    probleme = [f"ausgeliefert, aber nicht im Dokument: {datei}"
                for datei in sorted(geliefert.keys() - gelistet.keys())]
    probleme += [f"im Dokument, aber nicht ausgeliefert: {datei}"
                 for datei in sorted(gelistet.keys() - geliefert.keys())]
    for datei in sorted(geliefert.keys() & gelistet.keys()):
        summe = {c["algorithm"]: c["checksumValue"] for c in gelistet[datei]["checksums"]}
        if summe.get("SHA256") != sha(geliefert[datei], "sha256"):
            probleme.append(f"{datei}: andere Prüfsumme als im Dokument")
    return probleme
