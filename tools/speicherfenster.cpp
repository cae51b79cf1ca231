#include "speicherfenster.h"

namespace quentor {

void Speicherfenster::setzeText(Feld feld, std::string_view text) {
    felder_[feld] = text;
}

std::string Speicherfenster::text(Feld feld) const {
    const auto it = felder_.find(feld);
    return it == felder_.end() ? std::string() : it->second;
}

void Speicherfenster::neuZeichnen(Feld feld) {
    neuGezeichnet.push_back(feld);
}

int Speicherfenster::haken(int index) const {
    return haken_.at(static_cast<std::size_t>(index));
}

void Speicherfenster::setzeHaken(int index, int zustand) {
    haken_.at(static_cast<std::size_t>(index)) = zustand;
}

void Speicherfenster::warnung(std::string_view titel, std::string_view text) {
    ereignisse.push_back({Ereignis::Art::meldung, std::string(titel), std::string(text)});
    if (beobachter) {
        beobachter(ereignisse.back());
    }
}

std::string Speicherfenster::oeffnen(std::string_view titel, std::string_view filter) {
    ereignisse.push_back({Ereignis::Art::dialog, std::string(titel), std::string(filter)});
    if (beobachter) {
        beobachter(ereignisse.back());
    }
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
