// Arbitrary bytes as a permanence file, loaded through the "Datei" command from an in-memory file.
// Whatever the bytes, loading ends in file mode with at most 3599 values, the count shown matches,
// and a message is shown only for a rejected file.

#include "speichertisch.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

int speicherdatei() {
    static const int fd = ::memfd_create("permanenz.txt", 0);
    return fd;
}

void pruefe(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const int fd = speicherdatei();
    pruefe(fd >= 0 && ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0);
    pruefe(::write(fd, daten, groesse) == static_cast<ssize_t>(groesse));

    quentor::Speichertisch speicher;
    speicher.lade("/proc/self/fd/" + std::to_string(fd));

    const quentor::Sitzung& sitzung = speicher.tisch.sitzung();
    const quentor::Speicherfenster& fenster = speicher.fenster;
    pruefe(sitzung.dateimodus == 1);
    pruefe(sitzung.dateianzahl() >= 0 && sitzung.dateianzahl() <= quentor::permanenzgrenze);
    const bool abgelehnt = fenster.ereignisse.size() == 2;
    pruefe(abgelehnt
               ? fenster.text(quentor::Feld::Textanzahl).empty()
               : fenster.text(quentor::Feld::Textanzahl) == std::to_string(sitzung.dateianzahl()));
    pruefe(!abgelehnt || sitzung.dateianzahl() == 0);
    return 0;
}
