#include "speicheroberflaeche.h"

#include "tabelle.h"

#include <utility>

namespace quentor {

void Speicheroberflaeche::setzeText(Feld feld, std::string_view text) {
    felder_[index(feld)] = text;
}

std::string Speicheroberflaeche::text(Feld feld) const {
    return felder_[index(feld)];
}

void Speicheroberflaeche::neuZeichnen(Feld feld) {
    neuGezeichnet_.push_back(name(feld));
}

void Speicheroberflaeche::tabelleGeaendert() {
    neuGezeichnet_.push_back(tabellenname);
}

int Speicheroberflaeche::haken(int index) const {
    return haken_.at(static_cast<std::size_t>(index));
}

void Speicheroberflaeche::setzeHaken(int index, int zustand) {
    haken_.at(static_cast<std::size_t>(index)) = zustand;
}

void Speicheroberflaeche::vergiss() {
    kaesten_.clear();
    neuGezeichnet_.clear();
}

void Speicheroberflaeche::zeige(Kasten kasten) {
    kaesten_.push_back(std::move(kasten));
    if (beobachter) {
        beobachter(kaesten_.back());
    }
}

void Speicheroberflaeche::warnung(std::string_view titel, std::string_view text) {
    zeige({Kastenart::warnung, std::string(titel), std::string(text)});
}

bool Speicheroberflaeche::frage(std::string_view titel, std::string_view text) {
    zeige({Kastenart::frage, std::string(titel), std::string(text)});
    return std::exchange(antwort_, false);
}

std::string Speicheroberflaeche::oeffnen(std::string_view titel, std::string_view filter) {
    zeige({Kastenart::dateidialog, std::string(titel), std::string(filter)});
    return letzteWahl_.nach(wahl_);
}

} // namespace quentor
