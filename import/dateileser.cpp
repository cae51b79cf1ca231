#include "dateileser.h"

#include "itemleser.h"

#include <string_view>

namespace quentor {

namespace {

constexpr std::string_view kennung = "Spielbank";
constexpr int kopfitems = 3;

void liesDaten(Itemleser& leser, std::vector<double>& werte, std::size_t hoechstens) {
    while (werte.size() < hoechstens && !leser.amEnde()) {
        const Item item = leser.lies();
        const char erstes = item.anfang.empty() ? '\0' : item.anfang.front();
        if (erstes == '-') {
            continue;
        }
        if (erstes == '=') {
            return;
        }
        werte.push_back(item.zahl.wert());
    }
}

Leseergebnis pruefeUndLies(Bytequelle& quelle, std::vector<double>& werte, std::size_t hoechstens) {
    Itemleser leser(quelle);
    leser.ueberspringeBom();
    if (leser.amEnde() || !leser.lies().anfang.starts_with(kennung)) {
        return quelle.fehler() ? Leseergebnis::lesefehler : Leseergebnis::formatUngueltig;
    }
    for (int i = 0; i < kopfitems && !leser.amEnde(); ++i) {
        leser.lies();
    }
    liesDaten(leser, werte, hoechstens);
    return quelle.fehler() ? Leseergebnis::lesefehler : Leseergebnis::gelesen;
}

} // namespace

Leseergebnis liesPermanenz(Bytequelle& quelle, std::vector<double>& werte, std::size_t hoechstens) {
    werte.clear();
    const Leseergebnis ergebnis = pruefeUndLies(quelle, werte, hoechstens);
    if (ergebnis != Leseergebnis::gelesen) {
        werte.clear();
    }
    return ergebnis;
}

Permanenzdaten Dateileser::lies(const std::string& pfad, std::size_t hoechstens) {
    Permanenzdaten daten;
    if (const auto datei = Dateiquelle::oeffne(pfad)) {
        daten.ergebnis = liesPermanenz(*datei, daten.werte, hoechstens);
    }
    return daten;
}

} // namespace quentor
