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

void Speicheroberflaeche::ansagen(std::string_view text) {
    letzteAnsage_ = text;
    ++ansagen_;
}

int Speicheroberflaeche::haken(int index) const {
    return haken_.at(static_cast<std::size_t>(index));
}

void Speicheroberflaeche::setzeHaken(int index, int zustand) {
    haken_.at(static_cast<std::size_t>(index)) = zustand;
}

void Speicheroberflaeche::vergiss() {
    gezeigteKaesten_.clear();
    neuGezeichnet_.clear();
    letzteAnsage_.clear();
    ansagen_ = 0;
}

void Speicheroberflaeche::zeige(Kasten kasten) {
    gezeigteKaesten_.push_back(std::move(kasten));
    if (beobachter) {
        beobachter(gezeigteKaesten_.back());
    }
}

void Speicheroberflaeche::warnung(std::string_view titel, std::string_view text) {
    zeige({Kastenart::warnung, std::string(titel), std::string(text)});
}

bool Speicheroberflaeche::frage(std::string_view titel, std::string_view text) {
    zeige({Kastenart::frage, std::string(titel), std::string(text)});
    return std::exchange(antwort_, false);
}

std::optional<std::string> Speicheroberflaeche::oeffnen(std::string_view titel,
                                                        std::string_view filter,
                                                        const std::string& /*vorgabe*/) {
    zeige({Kastenart::dateidialog, std::string(titel), std::string(filter)});
    return wahl_;
}

} // namespace quentor
