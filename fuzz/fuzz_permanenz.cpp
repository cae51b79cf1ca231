// Arbitrary bytes as a permanence file, loaded through the "Datei" command from an in-memory file.
// Whatever the bytes, loading ends in file mode with at most 3599 values, the count shown matches,
// and a message is shown only for a rejected file.

#include "speicherdatei.h"
#include "speichertisch.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void pruefe(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    quentor::Speichertisch speicher;
    speicher.lade(
        quentor::speicherdatei(std::string_view(reinterpret_cast<const char*>(daten), groesse)));

    const quentor::Sitzung& sitzung = speicher.sitzung();
    const quentor::Speicheroberflaeche& oberflaeche = speicher.oberflaeche();
    pruefe(sitzung.dateimodus == 1);
    pruefe(sitzung.dateianzahl() >= 0 && sitzung.dateianzahl() <= quentor::permanenzgrenze);
    const bool abgelehnt = oberflaeche.gezeigteKaesten().size() == 2;
    pruefe(abgelehnt ? oberflaeche.text(quentor::Feld::Textanzahl).empty()
                     : oberflaeche.text(quentor::Feld::Textanzahl) ==
                           std::to_string(sitzung.dateianzahl()));
    pruefe(!abgelehnt || sitzung.dateianzahl() == 0);
    return 0;
}
