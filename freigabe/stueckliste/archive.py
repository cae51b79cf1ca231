"""The files a release ships, read from its archives as {path: bytes}."""
import io
import os
import subprocess
import tarfile
import zipfile

from fehler import Fehler


def deb_felder(deb, felder):
    """Fields of a Debian package's control data, such as its Version."""
    return {feld: subprocess.run(["dpkg-deb", "-f", deb, feld], check=True, capture_output=True,
                                 text=True).stdout.strip() for feld in felder}


def deb_dateien(deb):
    """The files a Debian package installs, by their paths without the leading ./."""
    tar = subprocess.run(["dpkg-deb", "--fsys-tarfile", deb], check=True,
                         capture_output=True).stdout
    dateien = {}
    with tarfile.open(fileobj=io.BytesIO(tar)) as archiv:
        for eintrag in archiv:
            if eintrag.isfile():
                dateien[os.path.normpath(eintrag.name)] = archiv.extractfile(eintrag).read()
            elif not eintrag.isdir():
                raise Fehler(f"{eintrag.name}: weder Datei noch Ordner")
    return dateien


def zip_dateien(pfad):
    """The files of a zip without the release's top folder, as the installer installs them."""
    with zipfile.ZipFile(pfad) as archiv:
        return {eintrag.filename.split("/", 1)[1]: archiv.read(eintrag)
                for eintrag in archiv.infolist() if not eintrag.is_dir()}
