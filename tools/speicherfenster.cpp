#include "speicherfenster.h"

#include "tabelle.h"

#include <utility>

namespace quentor {

void Speicherfenster::setzeText(Feld feld, std::string_view text) {
    felder_[index(feld)] = text;
}

std::string Speicherfenster::text(Feld feld) const {
    return felder_[index(feld)];
}

void Speicherfenster::neuZeichnen(Feld feld) {
    neuGezeichnet.push_back(name(feld));
}

void Speicherfenster::tabelleGeaendert() {
    neuGezeichnet.push_back(tabellenname);
}

int Speicherfenster::haken(int index) const {
    return haken_.at(static_cast<std::size_t>(index));
}

void Speicherfenster::setzeHaken(int index, int zustand) {
    haken_.at(static_cast<std::size_t>(index)) = zustand;
}

void Speicherfenster::zeige(Ereignis ereignis) {
    ereignisse.push_back(std::move(ereignis));
    if (beobachter) {
        beobachter(ereignisse.back());
    }
}

void Speicherfenster::warnung(std::string_view titel, std::string_view text) {
    zeige({Ereignis::Art::meldung, std::string(titel), std::string(text)});
}

bool Speicherfenster::frage(std::string_view titel, std::string_view text) {
    zeige({Ereignis::Art::frage, std::string(titel), std::string(text)});
    return std::exchange(antwort_, false);
}

std::string Speicherfenster::oeffnen(std::string_view titel, std::string_view filter) {
    zeige({Ereignis::Art::dialog, std::string(titel), std::string(filter)});
    if (wahl_) {
        letzterName_ = *wahl_;
    }
    return letzterName_;
}

float Vorgabezufall::naechste() {
    if (vorgaben_.empty()) {
        return ersatz_.naechste();
    }
    const float r = vorgaben_.front();
    vorgaben_.pop_front();
    return r;
}

} // namespace quentor
