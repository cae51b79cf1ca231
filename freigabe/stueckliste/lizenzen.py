"""The licences of the release's components, and SPDX licence expressions."""
import re

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

OPERATOREN = ("AND", "OR", "WITH")
KENNUNG = re.compile(r"[A-Za-z0-9][A-Za-z0-9.\-]*\+?")


def debian_lizenz(name):
    return DEBIAN_LIZENZEN.get(name, "NOASSERTION")


def lizenz_ausdruck(text):
    """An SPDX licence expression as given, its operators in capitals, or NOASSERTION where it is
    none: licence identifiers and operators in turn, brackets anywhere."""
    woerter = re.sub(r"([()])", r" \1 ", text or "").split()
    woerter = [w.upper() if w.upper() in OPERATOREN else w for w in woerter]
    kette = [w for w in woerter if w not in "()"]
    if len(kette) % 2 == 1 and all(
            (w in OPERATOREN) if i % 2 else (w not in OPERATOREN and KENNUNG.fullmatch(w))
            for i, w in enumerate(kette)):
        return re.sub(r"\( | \)", lambda m: m.group(0).strip(), " ".join(woerter))
    return "NOASSERTION"
