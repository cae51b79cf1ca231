"""Which component each file of the Windows zip belongs to: Quentor, Qt, or the Debian package it
comes from."""
import os
import re
import subprocess

from debianpakete import debian_herkunft
from fehler import Fehler

MINGW_CXX = "x86_64-w64-mingw32-g++-posix"
QUENTOR_DATEIEN = ("quentor.exe", "quentor-skript.exe", "LICENSE", "Anleitung.html")
# The player's guide beside the program: its page, its example and its pictures.
QUENTOR_ANLEITUNG = r"anleitung/(anleitung\.html|beispiel\.txt|bilder/[\w-]+\.png)"


def mingw_dll(name):
    """The file of one of MinGW's runtime DLLs, its links resolved."""
    pfad = subprocess.run([MINGW_CXX, "-print-file-name=" + name], check=True,
                          capture_output=True, text=True).stdout.strip()
    return os.path.realpath(pfad)


def teil_von(name, herkunft=debian_herkunft, dll_datei=mingw_dll):
    """The component of a shipped file: "quentor", "qt6-base" or a Debian package's name.
    herkunft(path) names the Debian package that installed a file, dll_datei(name) the file a
    runtime DLL is copied from."""
    basis = os.path.basename(name)
    if name in QUENTOR_DATEIEN or re.fullmatch(QUENTOR_ANLEITUNG, name):
        return "quentor"
    if (re.fullmatch(r"Qt6\w+\.dll", name) or re.fullmatch(r"(platforms|styles)/\w+\.dll", name)
            or name.startswith("lizenzen/qt/")):
        return "qt6-base"
    if name.startswith("translations/"):
        return herkunft("/usr/share/qt6/translations/" + basis)
    if re.fullmatch(r"lib[\w+-]+\.dll", name):
        return herkunft(dll_datei(name))
    if name.startswith("lizenzen/mingw-w64/") and basis.endswith("-copyright.txt"):
        return basis.removesuffix("-copyright.txt")
    raise Fehler(f"{name}: keinem Teil zugeordnet (freigabe/stueckliste/zuordnung.py)")


def teile_ordnen(dateien, herkunft=debian_herkunft, dll_datei=mingw_dll):
    """The shipped files {name: bytes} by component: {component: {name: bytes}}."""
    teile = {}
    for name, daten in dateien.items():
        teile.setdefault(teil_von(name, herkunft, dll_datei), {})[name] = daten
    return teile
