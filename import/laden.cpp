#include "laden.h"

#include "itemleser.h"
#include "texte.h"

#include <string>
#include <string_view>

namespace quentor {

namespace {

constexpr std::string_view kennung = "Spielbank";
constexpr int kopfitems = 3;

void liesDaten(Itemleser& leser, std::vector<double>& werte) {
    while (static_cast<int>(werte.size()) < permanenzgrenze && !leser.amEnde()) {
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

Leseergebnis pruefeUndLies(Bytequelle& quelle, std::vector<double>& werte) {
    Itemleser leser(quelle);
    leser.ueberspringeBom();
    if (leser.amEnde() || !leser.lies().anfang.starts_with(kennung)) {
        return quelle.fehler() ? Leseergebnis::lesefehler : Leseergebnis::formatUngueltig;
    }
    for (int i = 0; i < kopfitems && !leser.amEnde(); ++i) {
        leser.lies();
    }
    liesDaten(leser, werte);
    return quelle.fehler() ? Leseergebnis::lesefehler : Leseergebnis::gelesen;
}

void ablehnen(Anzeige& anzeige, Meldungen& meldungen, std::string_view text) {
    meldungen.warnung(texte::fehlertitel, text);
    anzeige.setzeText(Feld::Textanzahl, "");
}

} // namespace

Leseergebnis liesPermanenz(Bytequelle& quelle, std::vector<double>& werte) {
    werte.clear();
    const Leseergebnis ergebnis = pruefeUndLies(quelle, werte);
    if (ergebnis != Leseergebnis::gelesen) {
        werte.clear();
    }
    return ergebnis;
}

void laden(Sitzung& sitzung, Anzeige& anzeige, Dateidialog& dialog, Meldungen& meldungen) {
    sitzung.dateimodus = 0;
    sitzung.dateianzahl = 0;
    sitzung.permanenz.clear();

    const std::string name = dialog.oeffnen(texte::dialogtitel, texte::dialogfilter);
    if (name.empty()) {
        return;
    }
    anzeige.setzeText(Feld::Label7, name);

    const auto datei = Dateiquelle::oeffne(name);
    const Leseergebnis ergebnis =
        datei ? liesPermanenz(*datei, sitzung.permanenz) : Leseergebnis::lesefehler;
    switch (ergebnis) {
    case Leseergebnis::formatUngueltig:
        ablehnen(anzeige, meldungen, texte::ungueltigesFormat);
        break;
    case Leseergebnis::lesefehler:
        ablehnen(anzeige, meldungen, texte::nichtLesbar);
        break;
    case Leseergebnis::gelesen:
        sitzung.dateianzahl = static_cast<std::int16_t>(sitzung.permanenz.size());
        anzeige.setzeText(Feld::Textanzahl, std::to_string(sitzung.dateianzahl));
        break;
    }
    sitzung.dateimodus = 1;
}

} // namespace quentor
