#include "speichertisch.h"

#include <utility>

namespace quentor {

Permanenzdaten Vorgabeleser::lies(const std::string& pfad, std::size_t hoechstens) {
    if (!vorgabe) {
        return datei_.lies(pfad, hoechstens);
    }
    Permanenzdaten daten = *vorgabe;
    if (daten.werte.size() > hoechstens) {
        daten.werte.resize(hoechstens);
    }
    return daten;
}

Speichertisch::Speichertisch() {
    tisch.start();
}

void Speichertisch::tippe(std::string_view text) {
    fenster.setzeText(Feld::zahl, text);
}

void Speichertisch::klickeHaken(int index) {
    fenster.setzeHaken(index, 1 - fenster.haken(index));
    tisch.optionen();
}

void Speichertisch::lade(std::string pfad) {
    fenster.waehle(std::move(pfad));
    tisch.laden();
}

void Speichertisch::ladeAbgebrochen() {
    fenster.abbrechen();
    tisch.laden();
}

void Speichertisch::neu(bool ja) {
    fenster.antworte(ja);
    tisch.neuanfang();
}

bool Speichertisch::ende(bool ja) {
    fenster.antworte(ja);
    return tisch.beenden();
}

} // namespace quentor
