"""Qt as the Windows release ships it: the version it was built from and the third-party code
compiled into it, as lizenzen/qt names them."""
import json
import re

from eintraege import Paket, purl_verweis, spdx_id
from fehler import Fehler
from lizenzen import QT_LIZENZ, QT_LIZENZ_ANGEBOTEN, lizenz_ausdruck

QT = "SPDXRef-Qt"


def qt_version(dateien):
    """The version of Debian's qt6-base that Qt was built from (lizenzen/qt/HERKUNFT.txt)."""
    herkunft = dateien.get("lizenzen/qt/HERKUNFT.txt", b"").decode()
    treffer = re.search(r"qt6-base=([^\s),]+)", herkunft)
    if not treffer:
        raise Fehler("lizenzen/qt/HERKUNFT.txt nennt keine Version von qt6-base")
    return treffer.group(1)


def qt_paket(version):
    kommentar = ("Built for Windows by freigabe/windows/qt-windows.sh from Debian's source package "
                 f"qt6-base {version}; see lizenzen/qt/HERKUNFT.txt.")
    return Paket(QT, "Qt (qtbase)", version, "Organization: The Qt Company", QT_LIZENZ,
                 kommentar=kommentar, mehr={"licenseDeclared": QT_LIZENZ_ANGEBOTEN} | purl_verweis(
                     f"pkg:deb/debian/qt6-base@{version}?arch=source"))


def qt_attributionen(dateien):
    """The third-party code in Qt: (file, entry) of the qt_attribution.json files of lizenzen/qt."""
    eintraege = []
    for name in sorted(dateien):
        if name.startswith("lizenzen/qt/") and name.endswith("/qt_attribution.json"):
            daten = json.loads(dateien[name], strict=False)  # some hold raw line breaks
            eintraege += [(name, teil) for teil in (daten if isinstance(daten, list) else [daten])]
    return eintraege


def teil_name(quelle, teil):
    return teil.get("Name") or teil.get("Id") or quelle


def qt_teil_paket(nummer, quelle, teil):
    """The nummer-th part of third-party code in Qt, as its attribution in the file quelle says."""
    name = teil_name(quelle, teil)
    urheber = teil.get("Copyright") or "NOASSERTION"
    mehr = {"downloadLocation": teil.get("DownloadLocation") or teil.get("Homepage")
            or "NOASSERTION",
            "copyrightText": "\n".join(urheber) if isinstance(urheber, list) else urheber}
    if teil.get("License"):
        mehr["licenseComments"] = "As Qt's attribution names it: " + teil["License"]
    if teil.get("Homepage"):
        mehr["homepage"] = teil["Homepage"]
    return Paket(spdx_id("Qt-Teil", str(nummer), teil.get("Id", name)), name,
                 teil.get("Version") or "NOASSERTION", "NOASSERTION",
                 lizenz_ausdruck(teil.get("LicenseId")),
                 kommentar=f"Compiled into Qt's DLLs; attribution: ./{quelle}", mehr=mehr)


def qt_teile(inhalt, dateien):
    """The third-party code inside Qt's DLLs, each part contained in Qt."""
    for nummer, (quelle, teil) in enumerate(qt_attributionen(dateien), 1):
        eintrag = inhalt.paket(qt_teil_paket(nummer, quelle, teil))
        inhalt.beziehung(QT, eintrag["SPDXID"])
