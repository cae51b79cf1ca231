#include "speichertisch.h"

#include <utility>

namespace quentor {

Speichertisch::Speichertisch() : eigenes_(std::in_place), oberflaeche_(*eigenes_) {
    spieltisch_.start();
}

Speichertisch::Speichertisch(Speicheroberflaeche& fenster) : oberflaeche_(fenster) {
    spieltisch_.start();
}

WurfErgebnis Speichertisch::wurf() {
    return spieltisch_.wurf();
}

void Speichertisch::ganzerotation() {
    spieltisch_.ganzerotation();
}

void Speichertisch::tippe(std::string_view text) {
    oberflaeche_.setzeText(Feld::zahl, text);
}

void Speichertisch::klickeHaken(int index) {
    oberflaeche_.setzeHaken(index, 1 - oberflaeche_.haken(index));
    spieltisch_.optionen();
}

void Speichertisch::lade(std::string pfad) {
    oberflaeche_.waehle(std::move(pfad));
    spieltisch_.laden();
}

void Speichertisch::ladeAbgebrochen() {
    oberflaeche_.abbrechen();
    spieltisch_.laden();
}

void Speichertisch::neu(bool ja) {
    oberflaeche_.antworte(ja);
    spieltisch_.neuanfang();
}

bool Speichertisch::ende(bool ja) {
    oberflaeche_.antworte(ja);
    return spieltisch_.beenden();
}

void Speichertisch::beobachte(std::function<void(const Kasten&)> beobachter) {
    oberflaeche_.beobachter = std::move(beobachter);
}

} // namespace quentor
