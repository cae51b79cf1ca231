"""What dpkg knows of the Debian packages installed here: versions, maintainers, which package
installed a file."""
import subprocess

from eintraege import Paket, purl_verweis, spdx_id
from lizenzen import debian_lizenz

FORMAT = "-f=${Version}\t${Maintainer}"


def dpkg(*argumente):
    """dpkg-query's answer; CalledProcessError where it has none."""
    return subprocess.run(["dpkg-query", *argumente], check=True, capture_output=True,
                          text=True).stdout.strip()


def debian_paket(name, architektur=None, abfrage=dpkg):
    """Version and maintainer of an installed Debian package: the one of the given architecture
    where a library is installed for several (multiarch), else the one installed."""
    try:
        angabe = abfrage("-W", FORMAT, f"{name}:{architektur}") if architektur else None
    except subprocess.CalledProcessError:  # not installed for it, such as a package for all
        angabe = None
    version, betreuer = (angabe or abfrage("-W", FORMAT, name)).split("\t")
    return version, betreuer


def debian_herkunft(pfad, abfrage=dpkg):
    """The Debian package that installed a file."""
    return abfrage("-S", pfad).split(":")[0].split(",")[0].strip()


def debian_teil(name, *, architektur=None, lizenz=None, kommentar=None):
    """An installed Debian package as a package of the document, under the licence it is known
    to have unless lizenz says otherwise."""
    version, betreuer = debian_paket(name, architektur)
    return Paket(spdx_id("Debian", name), name, version, "Organization: " + betreuer,
                 lizenz or debian_lizenz(name), kommentar=kommentar,
                 mehr=purl_verweis(f"pkg:deb/debian/{name}@{version}"))
