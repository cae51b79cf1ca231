"""The rules of freigabe/stueckliste that decide what a release's bill of materials claims: licence
expressions, the component of each shipped file, the version of a multiarch package, and the
check against the shipped files. No dpkg needed."""
import contextlib
import io
import json
import os
import subprocess
import sys
import tarfile
import tempfile
import unittest
import zipfile
from unittest import mock

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "freigabe",
                                "stueckliste"))

from debianpakete import debian_paket  # noqa: E402
from archive import tar_dateien  # noqa: E402
from dokument import Inhalt, dokument  # noqa: E402
from eintraege import dateien_eintraege  # noqa: E402
from fehler import Fehler  # noqa: E402
from freigabe import freigabe_paket, quentor_paket  # noqa: E402
from lizenzen import lizenz_ausdruck  # noqa: E402
from pruefen import pruefen  # noqa: E402
from zuordnung import teil_von  # noqa: E402


class LizenzAusdruck(unittest.TestCase):
    def test_ausdruecke(self):
        for text, erwartet in [
            ("MIT", "MIT"),
            ("GPL-3.0-or-later WITH GCC-exception-3.1", "GPL-3.0-or-later WITH GCC-exception-3.1"),
            ("(MIT OR Apache-2.0) AND BSD-3-Clause", "(MIT OR Apache-2.0) AND BSD-3-Clause"),
            ("( Zlib and Libpng )", "(Zlib AND Libpng)"),
            ("BSD-2-Clause or MIT with Foo-exception", "BSD-2-Clause OR MIT WITH Foo-exception"),
            ("LGPL-2.1+", "LGPL-2.1+"),
            ("MIT OR", "NOASSERTION"),
            ("AND MIT", "NOASSERTION"),
            ("Public Domain", "NOASSERTION"),
            ("BSD/MIT", "NOASSERTION"),
            ("MIT OR OR BSD-3-Clause", "NOASSERTION"),
            ("-MIT", "NOASSERTION"),
            ("()", "NOASSERTION"),
            ("", "NOASSERTION"),
            (None, "NOASSERTION"),
        ]:
            with self.subTest(text=text):
                self.assertEqual(lizenz_ausdruck(text), erwartet)


class TeilVon(unittest.TestCase):
    HERKUNFT = {
        "/usr/share/qt6/translations/qtbase_de.qm": "qt6-translations-l10n",
        "/mingw/libstdc++-6.dll": "gcc-mingw-w64-x86-64-posix-runtime",
        "/mingw/libwinpthread-1.dll": "mingw-w64-x86-64-dev",
    }

    def teil(self, name):
        return teil_von(name, self.HERKUNFT.__getitem__, lambda dll: "/mingw/" + dll)

    def test_teile(self):
        for name, erwartet in [
            ("quentor.exe", "quentor"),
            ("quentor-skript.exe", "quentor"),
            ("LICENSE", "quentor"),
            ("Anleitung.html", "quentor"),
            ("anleitung/anleitung.html", "quentor"),
            ("anleitung/bilder/frage-ende.png", "quentor"),
            ("Qt6Core.dll", "qt6-base"),
            ("platforms/qwindows.dll", "qt6-base"),
            ("styles/qwindowsvistastyle.dll", "qt6-base"),
            ("lizenzen/qt/src/3rdparty/zlib/qt_attribution.json", "qt6-base"),
            ("translations/qtbase_de.qm", "qt6-translations-l10n"),
            ("libstdc++-6.dll", "gcc-mingw-w64-x86-64-posix-runtime"),
            ("libwinpthread-1.dll", "mingw-w64-x86-64-dev"),
            ("lizenzen/mingw-w64/mingw-w64-x86-64-dev-copyright.txt", "mingw-w64-x86-64-dev"),
        ]:
            with self.subTest(name=name):
                self.assertEqual(self.teil(name), erwartet)

    def test_unbekannte_dateien(self):
        for name in ["README.txt", "bin/quentor.exe", "anleitung/notizen.txt", "imageformats/qico.dll", "sub/Qt6Core.dll",
                     "lizenzen/mingw-w64/NOTES.txt", "lizenzen/quentor.txt", "plugins/libfoo.dll"]:
            with self.subTest(name=name), self.assertRaises(Fehler):
                self.teil(name)


class DebianPaket(unittest.TestCase):
    def test_architektur_zuerst(self):
        for architektur, installiert, erwartet in [
            ("arm64", {"libc6:arm64": "2.41-1\tA", "libc6": "2.40-9\tB"}, ("2.41-1", "A")),
            ("arm64", {"libc6": "2.40-9\tB"}, ("2.40-9", "B")),
            ("arm64", {"libc6:arm64": "", "libc6": "2.40-9\tB"}, ("2.40-9", "B")),
            (None, {"libc6:arm64": "2.41-1\tA", "libc6": "2.40-9\tB"}, ("2.40-9", "B")),
        ]:
            def abfrage(*argumente, installiert=installiert):
                if argumente[-1] not in installiert:
                    raise subprocess.CalledProcessError(1, "dpkg-query")
                return installiert[argumente[-1]]
            with self.subTest(architektur=architektur, installiert=installiert):
                self.assertEqual(debian_paket("libc6", architektur, abfrage), erwartet)


class TarDateien(unittest.TestCase):
    """A package's tree: its files, and links only to what it holds."""

    @staticmethod
    def baum(*eintraege):
        daten = io.BytesIO()
        with tarfile.open(fileobj=daten, mode="w") as archiv:
            for name, art, ziel in eintraege:
                info = tarfile.TarInfo(name)
                info.type, info.linkname = art, ziel
                archiv.addfile(info, io.BytesIO(b"") if art == tarfile.REGTYPE else None)
        daten.seek(0)
        with tarfile.open(fileobj=daten) as archiv:
            return tar_dateien(archiv)

    def test_verweise(self):
        ordner = ("./usr/share/quentor/a", tarfile.DIRTYPE, "")
        seite = ("./usr/share/quentor/a/s.html", tarfile.REGTYPE, "")
        for verweis, fehler in [
            (("./usr/share/doc/q/a", tarfile.SYMTYPE, "../../quentor/a"), None),
            (("./usr/share/doc/q/s", tarfile.SYMTYPE, "/usr/share/quentor/a/s.html"), None),
            (("./usr/share/doc/q/b", tarfile.SYMTYPE, "../../quentor/b"), "nicht im Paket"),
            (("./usr/share/doc/q/f", tarfile.FIFOTYPE, ""), "weder Datei"),
        ]:
            with self.subTest(verweis=verweis):
                if fehler:
                    with self.assertRaisesRegex(Fehler, fehler):
                        self.baum(ordner, seite, verweis)
                else:
                    self.assertEqual(list(self.baum(ordner, seite, verweis)),
                                     ["usr/share/quentor/a/s.html"])


class Pruefen(unittest.TestCase):
    """The check against a small zip, of its own document and of ones made wrong."""

    def setUp(self):
        ordner = tempfile.TemporaryDirectory()
        self.addCleanup(ordner.cleanup)
        self.zip = os.path.join(ordner.name, "quentor-1-win64.zip")
        with zipfile.ZipFile(self.zip, "w") as archiv:
            archiv.writestr("quentor-1-win64/quentor.exe", b"exe")
            archiv.writestr("quentor-1-win64/LICENSE", b"MIT")
        inhalt = Inhalt()
        inhalt.paket(freigabe_paket(self.zip, "1", "ARCHIVE"))
        inhalt.paket(quentor_paket("quentor", "1"),
                     dateien_eintraege({"quentor.exe": b"exe", "LICENSE": b"MIT"}, "MIT"))
        with mock.patch.dict(os.environ, {"SOURCE_DATE_EPOCH": "0"}):
            self.doc = dokument("quentor-1-win64", [], inhalt, "x")
        self.ausgabe = os.path.join(ordner.name, "doc.spdx.json")

    def befund(self, doc):
        with open(self.ausgabe, "w", encoding="utf-8") as f:
            json.dump(doc, f)
        fehler = io.StringIO()
        with contextlib.redirect_stderr(fehler), contextlib.redirect_stdout(io.StringIO()):
            try:
                pruefen(self.ausgabe, [self.zip])
            except Fehler:
                return fehler.getvalue()
        return None

    def test_befunde(self):
        def datei(doc, name):
            return next(d for d in doc["files"] if d["fileName"] == "./" + name)

        for fall, aendern, erwartet in [
            ("passend", lambda doc: None, None),
            ("nicht ausgeliefert", lambda doc: doc["files"].append(
                dict(datei(doc, "LICENSE"), fileName="./weg.txt")), "nicht ausgeliefert: weg.txt"),
            ("nicht gelistet", lambda doc: doc["files"].remove(datei(doc, "LICENSE")),
             "nicht im Dokument: LICENSE"),
            ("Prüfsumme", lambda doc: datei(doc, "quentor.exe")["checksums"][1].update(
                checksumValue="0" * 64), "quentor.exe: andere Prüfsumme"),
            ("Freigabe", lambda doc: doc["packages"][0]["checksums"][0].update(
                checksumValue="0" * 64), "quentor-1-win64.zip: nicht oder mit anderer Prüfsumme"),
        ]:
            with self.subTest(fall=fall):
                doc = json.loads(json.dumps(self.doc))
                aendern(doc)
                befund = self.befund(doc)
                if erwartet is None:
                    self.assertIsNone(befund)
                else:
                    self.assertIn(erwartet, befund or "")


if __name__ == "__main__":
    unittest.main()
