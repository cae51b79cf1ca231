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
    with tarfile.open(fileobj=io.BytesIO(tar)) as archiv:
        return tar_dateien(archiv)


def tar_dateien(archiv):
    """The files of a package's tree {path: bytes}. A symbolic link is no file of its own: it may
    only lead to a file or folder of the tree."""
    dateien, ordner, verweise = {}, {"."}, {}
    for eintrag in archiv:
        name = os.path.normpath(eintrag.name)
        if eintrag.isfile():
            dateien[name] = archiv.extractfile(eintrag).read()
        elif eintrag.isdir():
            ordner.add(name)
        elif eintrag.issym():
            basis = "" if eintrag.linkname.startswith("/") else os.path.dirname(name)
            verweise[name] = os.path.normpath(os.path.join(basis, eintrag.linkname.lstrip("/")))
        else:
            raise Fehler(f"{eintrag.name}: weder Datei noch Ordner noch Verweis")
    for name, ziel in verweise.items():
        if ziel not in dateien and ziel not in ordner:
            raise Fehler(f"{name}: verweist auf {ziel}, das nicht im Paket ist")
    return dateien


def zip_dateien(pfad):
    """The files of a zip without the release's top folder, as the installer installs them."""
    with zipfile.ZipFile(pfad) as archiv:
        return {eintrag.filename.split("/", 1)[1]: archiv.read(eintrag)
                for eintrag in archiv.infolist() if not eintrag.is_dir()}
