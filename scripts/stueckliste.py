#!/usr/bin/env python3
"""The bill of materials of a release: an SPDX 2.3 document in JSON, written from the release
itself and from the data that fills its licence folder, and its check against what is shipped.

  stueckliste.py deb DEB OUT.spdx.json [--eingebaut PAKET]...
      the Debian package: its files, the packages it depends on (their versions as installed
      here, where dpkg-shlibdeps found them) and the header-only libraries compiled into it
  stueckliste.py windows ZIP SETUP OUT.spdx.json [--eingebaut PAKET]...
      the Windows release: the zip's files, each given to one component (Quentor, Qt, the third-
      party code in Qt named by the qt_attribution.json files in lizenzen/qt, Qt's catalogue and
      MinGW's runtime DLLs by the Debian packages they come from); the installer holds the same
  stueckliste.py pruefen OUT.spdx.json ARCHIVE...
      fails when a shipped file is missing from the document or listed but not shipped, when a
      checksum differs, or when a component of lizenzen/qt is not in the document

The time is SOURCE_DATE_EPOCH, so that the document is as reproducible as what it describes.
"""
import hashlib
import io
import json
import os
import re
import subprocess
import sys
import tarfile
import time
import zipfile

MINGW_CXX = "x86_64-w64-mingw32-g++-posix"
HERSTELLER = "Organization: Quentor-Team (team@quentor.example)"
QUENTOR_LIZENZ = "MIT"
# Licences as SPDX expressions of the Debian packages whose files (or code) a release ships, as
# their copyright files in /usr/share/doc say; a package not named here is NOASSERTION.
DEBIAN_LIZENZEN = {
    "gcc-mingw-w64-x86-64-posix-runtime": "GPL-3.0-or-later WITH GCC-exception-3.1",
    "mingw-w64-x86-64-dev": "MIT",  # what is shipped of it: winpthreads
    "qt6-translations-l10n": "GPL-3.0-only WITH Qt-GPL-exception-1.0",
    "nlohmann-json3-dev": "MIT",
}
# Qt as Qt offers it, and the licence under which the release passes it on (lizenzen/qt).
QT_LIZENZ_ANGEBOTEN = "LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only"
QT_LIZENZ = "LGPL-3.0-only"


def fehler(text):
    sys.exit(f"stueckliste: {text}")


def spdx_id(*teile):
    return "SPDXRef-" + "-".join(re.sub(r"[^A-Za-z0-9.]+", "-", t).strip("-") for t in teile)


def zeit():
    epoche = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoche:
        fehler("SOURCE_DATE_EPOCH ist nicht gesetzt")
    return time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(int(epoche)))


def sha(daten, art):
    return hashlib.new(art, daten).hexdigest()


def datei_sha256(pfad):
    with open(pfad, "rb") as f:
        return sha(f.read(), "sha256")


def dpkg(*argumente):
    return subprocess.run(["dpkg-query", *argumente], check=True, capture_output=True,
                          text=True).stdout.strip()


def debian_paket(name, architektur=None):
    """Version and maintainer of an installed Debian package: the one of the given architecture
    where a library is installed for several (multiarch), else the one installed."""
    format_ = "-f=${Version}\t${Maintainer}"
    try:
        angabe = dpkg("-W", format_, f"{name}:{architektur}") if architektur else None
    except subprocess.CalledProcessError:  # not installed for it, such as a package for all
        angabe = None
    version, betreuer = (angabe or dpkg("-W", format_, name)).split("\t")
    return version, betreuer


def debian_herkunft(pfad):
    """The Debian package that installed a file."""
    return dpkg("-S", pfad).split(":")[0].split(",")[0].strip()


def lizenz_ausdruck(text):
    """An SPDX licence expression as given, or NOASSERTION where it is none."""
    woerter = re.sub(r"([()])", r" \1 ", text or "").split()
    woerter = [w.upper() if w.upper() in ("AND", "OR", "WITH") else w for w in woerter]
    # Licence identifiers and operators in turn, brackets anywhere.
    kette = [w for w in woerter if w not in "()"]
    operatoren = ("AND", "OR", "WITH")
    if len(kette) % 2 == 1 and all(
            (w in operatoren) if i % 2 else
            (w not in operatoren and re.fullmatch(r"[A-Za-z0-9][A-Za-z0-9.\-]*\+?", w))
            for i, w in enumerate(kette)):
        return re.sub(r"\( | \)", lambda m: m.group(0).strip(), " ".join(woerter))
    return "NOASSERTION"


def dateien_eintraege(dateien, lizenz):
    """SPDX file entries of {name: bytes}, sorted, with SHA1 (required) and SHA256."""
    eintraege = []
    for name in sorted(dateien):
        daten = dateien[name]
        eintraege.append({
            "fileName": "./" + name,
            "SPDXID": spdx_id("Datei", name),
            "checksums": [{"algorithm": "SHA1", "checksumValue": sha(daten, "sha1")},
                          {"algorithm": "SHA256", "checksumValue": sha(daten, "sha256")}],
            "licenseConcluded": lizenz,
            "copyrightText": "NOASSERTION",
        })
    return eintraege


def paket(ident, name, version, lieferant, lizenz, angeboten=None, herkunft="NOASSERTION",
          zweck="LIBRARY", dateien=None, kommentar=None, purl=None):
    eintrag = {
        "SPDXID": ident,
        "name": name,
        "versionInfo": version,
        "supplier": lieferant,
        "downloadLocation": herkunft,
        "primaryPackagePurpose": zweck,
        "licenseConcluded": lizenz,
        "licenseDeclared": angeboten or lizenz,
        "copyrightText": "NOASSERTION",
        "filesAnalyzed": dateien is not None,
    }
    if dateien is not None:
        eintrag["_dateien"] = [d["SPDXID"] for d in dateien]
        # Its files are named by CONTAINS relationships (dateien_beziehungen). The verification code of SPDX 2.3 (7.9): SHA1 over the sorted SHA1s of its files.
        sha1s = sorted(d["checksums"][0]["checksumValue"] for d in dateien)
        eintrag["packageVerificationCode"] = {
            "packageVerificationCodeValue": sha("".join(sha1s).encode(), "sha1")}
    if kommentar:
        eintrag["comment"] = kommentar
    if purl:
        eintrag["externalRefs"] = [{"referenceCategory": "PACKAGE-MANAGER",
                                    "referenceType": "purl", "referenceLocator": purl}]
    return eintrag


def debian_eintrag(name, zweck="LIBRARY", dateien=None, kommentar=None, lizenz=None,
                   architektur=None):
    version, betreuer = debian_paket(name, architektur)
    lizenz = lizenz or DEBIAN_LIZENZEN.get(name, "NOASSERTION")
    return paket(spdx_id("Debian", name), name, version, "Organization: " + betreuer, lizenz,
                 zweck=zweck, dateien=dateien, kommentar=kommentar,
                 purl=f"pkg:deb/debian/{name}@{version}")


def freigabe_eintrag(pfad, zweck):
    name = os.path.basename(pfad)
    return paket(spdx_id("Freigabe", name), name, VERSION, HERSTELLER, "NOASSERTION", zweck=zweck,
                 kommentar="The file this document is published beside.") | {
        "packageFileName": name,
        "checksums": [{"algorithm": "SHA256", "checksumValue": datei_sha256(pfad)}]}


def dateien_beziehungen(pakete):
    """A package CONTAINS each of its files (SPDX 2.3 prefers this to hasFiles)."""
    return [enthaelt(p["SPDXID"], d) for p in pakete for d in p.pop("_dateien", [])]


def dokument(name, beschreibt, pakete, dateien, beziehungen, kennung):
    beziehungen = [{"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                    "relatedSpdxElement": p} for p in beschreibt] + beziehungen + \
        dateien_beziehungen(pakete)
    return {
        "spdxVersion": "SPDX-2.3",
        "dataLicense": "CC0-1.0",
        "SPDXID": "SPDXRef-DOCUMENT",
        "name": name,
        "documentNamespace": f"https://quentor.example/spdx/{name}-{kennung}",
        "creationInfo": {"created": zeit(),
                         "creators": ["Tool: quentor-stueckliste", HERSTELLER]},
        "packages": pakete,
        "files": dateien,
        "relationships": beziehungen,
    }


def enthaelt(a, b, art="CONTAINS", kommentar=None):
    beziehung = {"spdxElementId": a, "relationshipType": art, "relatedSpdxElement": b}
    if kommentar:
        beziehung["comment"] = kommentar
    return beziehung


def deb_dateien(deb):
    tar = subprocess.run(["dpkg-deb", "--fsys-tarfile", deb], check=True, capture_output=True).stdout
    dateien = {}
    with tarfile.open(fileobj=io.BytesIO(tar)) as archiv:
        for eintrag in archiv:
            if eintrag.isfile():
                dateien[os.path.normpath(eintrag.name)] = archiv.extractfile(eintrag).read()
            elif not eintrag.isdir():
                fehler(f"{eintrag.name}: weder Datei noch Ordner")
    return dateien


def zip_dateien(pfad):
    dateien = {}
    with zipfile.ZipFile(pfad) as archiv:
        for eintrag in archiv.infolist():
            if not eintrag.is_dir():
                # Without the release's top folder, as the installer installs it.
                dateien[eintrag.filename.split("/", 1)[1]] = archiv.read(eintrag)
    return dateien


def eingebaut(namen, programme):
    """Header-only libraries compiled into the programs."""
    pakete, beziehungen = [], []
    for name in namen:
        eintrag = debian_eintrag(name, kommentar="Header-only, compiled into " + programme)
        pakete.append(eintrag)
        beziehungen.append(enthaelt("SPDXRef-Quentor", eintrag["SPDXID"]))
    return pakete, beziehungen


def stueckliste_deb(deb, ausgabe, eingebaute):
    global VERSION
    felder = {}
    for feld in ("Package", "Version", "Architecture", "Depends"):
        felder[feld] = subprocess.run(["dpkg-deb", "-f", deb, feld], check=True,
                                      capture_output=True, text=True).stdout.strip()
    VERSION = felder["Version"]
    dateien = dateien_eintraege(deb_dateien(deb), QUENTOR_LIZENZ)
    freigabe = freigabe_eintrag(deb, "INSTALL")
    quentor = paket("SPDXRef-Quentor", felder["Package"], VERSION, HERSTELLER, QUENTOR_LIZENZ,
                    zweck="APPLICATION", dateien=dateien)
    pakete = [freigabe, quentor]
    beziehungen = [enthaelt(freigabe["SPDXID"], "SPDXRef-Quentor")]
    dazu, dazu_beziehungen = eingebaut(eingebaute, "usr/bin/quentor-skript")
    pakete += dazu
    beziehungen += dazu_beziehungen
    # What the package depends on: not shipped in it, named with the version installed here.
    for angabe in felder["Depends"].split(","):
        for alternative in angabe.split("|"):
            name = alternative.split("(")[0].strip()
            eintrag = debian_eintrag(name, kommentar="Depends: " + angabe.strip(),
                                     architektur=felder["Architecture"])
            eintrag["licenseConcluded"] = eintrag["licenseDeclared"] = "NOASSERTION"
            pakete.append(eintrag)
            beziehungen.append(enthaelt("SPDXRef-Quentor", eintrag["SPDXID"], "DEPENDS_ON"))
    name = os.path.basename(deb).removesuffix(".deb")
    schreibe(ausgabe, dokument(name, [freigabe["SPDXID"]], pakete, dateien, beziehungen,
                               freigabe["checksums"][0]["checksumValue"]))


def qt_attributionen(dateien):
    """The third-party code in Qt, from the qt_attribution.json files of lizenzen/qt."""
    eintraege = []
    for name in sorted(dateien):
        if name.startswith("lizenzen/qt/") and name.endswith("/qt_attribution.json"):
            daten = json.loads(dateien[name], strict=False)  # some hold raw line breaks
            for teil in daten if isinstance(daten, list) else [daten]:
                eintraege.append((name, teil))
    return eintraege


def stueckliste_windows(zip_pfad, setup, ausgabe, eingebaute):
    global VERSION
    VERSION = re.fullmatch(r"quentor-(.+)-win64\.zip", os.path.basename(zip_pfad)).group(1)
    alle = zip_dateien(zip_pfad)
    herkunft = alle.get("lizenzen/qt/HERKUNFT.txt", b"").decode()
    treffer = re.search(r"qt6-base=([^\s),]+)", herkunft)
    if not treffer:
        fehler("lizenzen/qt/HERKUNFT.txt nennt keine Version von qt6-base")
    qt_version = treffer.group(1)

    # Each shipped file to one component: Quentor, Qt, or the Debian package it comes from.
    teile = {}
    for name in alle:
        basis = os.path.basename(name)
        if name in ("quentor.exe", "quentor-skript.exe", "LICENSE"):
            teil = "quentor"
        elif (re.fullmatch(r"Qt6\w+\.dll", name) or re.fullmatch(r"(platforms|styles)/\w+\.dll", name)
              or name.startswith("lizenzen/qt/")):
            teil = "qt6-base"
        elif name.startswith("translations/"):
            teil = debian_herkunft("/usr/share/qt6/translations/" + basis)
        elif re.fullmatch(r"lib[\w+-]+\.dll", name):
            pfad = subprocess.run([MINGW_CXX, "-print-file-name=" + name], check=True,
                                  capture_output=True, text=True).stdout.strip()
            teil = debian_herkunft(os.path.realpath(pfad))
        elif name.startswith("lizenzen/mingw-w64/") and basis.endswith("-copyright.txt"):
            teil = basis.removesuffix("-copyright.txt")
        else:
            fehler(f"{name}: keinem Teil zugeordnet (scripts/stueckliste.py)")
        teiles = teile.setdefault(teil, {})
        teiles[name] = alle[name]

    freigaben = [freigabe_eintrag(zip_pfad, "ARCHIVE"), freigabe_eintrag(setup, "INSTALL")]
    for f in freigaben[1:]:
        f["comment"] = "The installer of the same files as the zip (and its uninstaller)."
    pakete, dateien, beziehungen = list(freigaben), [], []
    for teil in sorted(teile):
        if teil == "quentor":
            eintraege = dateien_eintraege(teile[teil], QUENTOR_LIZENZ)
            eintrag = paket("SPDXRef-Quentor", "quentor", VERSION, HERSTELLER, QUENTOR_LIZENZ,
                            zweck="APPLICATION", dateien=eintraege)
        elif teil == "qt6-base":
            eintraege = dateien_eintraege(teile[teil], QT_LIZENZ)
            eintrag = paket("SPDXRef-Qt", "Qt (qtbase)", qt_version,
                            "Organization: The Qt Company", QT_LIZENZ, QT_LIZENZ_ANGEBOTEN,
                            herkunft="NOASSERTION", dateien=eintraege,
                            kommentar="Built for Windows by scripts/qt-windows.sh from Debian's "
                            f"source package qt6-base {qt_version}; see lizenzen/qt/HERKUNFT.txt.",
                            purl=f"pkg:deb/debian/qt6-base@{qt_version}?arch=source")
        else:
            eintraege = dateien_eintraege(teile[teil], DEBIAN_LIZENZEN.get(teil, "NOASSERTION"))
            eintrag = debian_eintrag(teil, dateien=eintraege)
        pakete.append(eintrag)
        dateien += eintraege
        for f in freigaben:
            beziehungen.append(enthaelt(f["SPDXID"], eintrag["SPDXID"]))
        if teil in ("gcc-mingw-w64-x86-64-posix-runtime", "mingw-w64-x86-64-dev"):
            beziehungen.append(enthaelt("SPDXRef-Quentor", eintrag["SPDXID"], "STATIC_LINK",
                                        "quentor.exe and quentor-skript.exe link it statically"))

    # The third-party code inside Qt's DLLs.
    for nummer, (quelle, teil) in enumerate(qt_attributionen(alle), 1):
        name = teil.get("Name") or teil.get("Id") or quelle
        eintrag = paket(spdx_id("Qt-Teil", str(nummer), teil.get("Id", name)), name,
                        teil.get("Version") or "NOASSERTION", "NOASSERTION",
                        lizenz_ausdruck(teil.get("LicenseId")),
                        herkunft=teil.get("DownloadLocation") or teil.get("Homepage")
                        or "NOASSERTION",
                        kommentar=f"Compiled into Qt's DLLs; attribution: ./{quelle}")
        if teil.get("License"):
            eintrag["licenseComments"] = "As Qt's attribution names it: " + teil["License"]
        if teil.get("Homepage"):
            eintrag["homepage"] = teil["Homepage"]
        eintrag["copyrightText"] = teil.get("Copyright") or "NOASSERTION"
        if isinstance(eintrag["copyrightText"], list):
            eintrag["copyrightText"] = "\n".join(eintrag["copyrightText"])
        pakete.append(eintrag)
        beziehungen.append(enthaelt("SPDXRef-Qt", eintrag["SPDXID"]))
    dazu, dazu_beziehungen = eingebaut(eingebaute, "quentor-skript.exe")
    pakete += dazu
    beziehungen += dazu_beziehungen
    name = os.path.basename(zip_pfad).removesuffix(".zip")
    schreibe(ausgabe, dokument(name, [f["SPDXID"] for f in freigaben], pakete, dateien,
                               beziehungen, freigaben[0]["checksums"][0]["checksumValue"]))


def schreibe(ausgabe, daten):
    with open(ausgabe, "w", encoding="utf-8") as f:
        json.dump(daten, f, indent=1, ensure_ascii=False, sort_keys=True)
        f.write("\n")
    print(f"Stückliste: {ausgabe} ({len(daten['packages'])} Pakete, {len(daten['files'])} Dateien)")


def pruefen(ausgabe, archive):
    with open(ausgabe, encoding="utf-8") as f:
        doc = json.load(f)
    probleme = []
    if doc.get("spdxVersion") != "SPDX-2.3" or doc.get("dataLicense") != "CC0-1.0":
        probleme.append("kein SPDX-2.3-Dokument")
    gelistet = {d["fileName"].removeprefix("./"): d for d in doc["files"]}
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
    pruefsummen = {p["packageFileName"]: p["checksums"][0]["checksumValue"]
                   for p in doc["packages"] if "packageFileName" in p}
    for archiv in archive:
        name = os.path.basename(archiv)
        if pruefsummen.get(name) != datei_sha256(archiv):
            probleme.append(f"{name}: nicht oder mit anderer Prüfsumme im Dokument")
        if name.endswith(".deb"):
            geliefert = deb_dateien(archiv)
        elif name.endswith(".zip"):
            geliefert = zip_dateien(archiv)
            namen = {p["name"] for p in doc["packages"]}
            for quelle, teil in qt_attributionen(geliefert):
                if (teil.get("Name") or teil.get("Id") or quelle) not in namen:
                    probleme.append(f"Teil aus ./{quelle} fehlt: {teil.get('Name')}")
        else:
            continue
        for datei in sorted(geliefert.keys() - gelistet.keys()):
            probleme.append(f"ausgeliefert, aber nicht im Dokument: {datei}")
        for datei in sorted(gelistet.keys() - geliefert.keys()):
            probleme.append(f"im Dokument, aber nicht ausgeliefert: {datei}")
        for datei in sorted(geliefert.keys() & gelistet.keys()):
            summe = {c["algorithm"]: c["checksumValue"] for c in gelistet[datei]["checksums"]}
            if summe.get("SHA256") != sha(geliefert[datei], "sha256"):
                probleme.append(f"{datei}: andere Prüfsumme als im Dokument")
    for p in probleme:
        print("FEHLER: " + p, file=sys.stderr)
    if probleme:
        sys.exit(f"stueckliste: {ausgabe} passt nicht zu {' '.join(archive)}")
    print(f"Stückliste geprüft: {ausgabe} nennt genau die {len(gelistet)} ausgelieferten Dateien "
          f"mit ihren Prüfsummen, {len(doc['packages'])} Pakete")


def main(argumente):
    eingebaute = []
    while "--eingebaut" in argumente:
        i = argumente.index("--eingebaut")
        eingebaute.append(argumente[i + 1])
        del argumente[i:i + 2]
    if argumente[:1] == ["deb"] and len(argumente) == 3:
        stueckliste_deb(argumente[1], argumente[2], eingebaute)
    elif argumente[:1] == ["windows"] and len(argumente) == 4:
        stueckliste_windows(argumente[1], argumente[2], argumente[3], eingebaute)
    elif argumente[:1] == ["pruefen"] and len(argumente) >= 3:
        pruefen(argumente[1], argumente[2:])
    else:
        sys.exit(__doc__)


VERSION = ""
if __name__ == "__main__":
    main(sys.argv[1:])
