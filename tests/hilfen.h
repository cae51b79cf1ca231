#pragma once
// A session on the in-memory window, set up only through the core's own operations and the user's
// actions on it: spins of chosen numbers, permanence files, given values, option clicks, answered
// questions.

#include "speichertisch.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace quentor::test {

// The random real that draws number n.
inline float zieht(int n) {
    return (static_cast<float>(n) + 0.5F) / 37.0F;
}

struct Tisch : Speichertisch {
    WurfErgebnis wirf(int n) {
        zufall.vorgeben({zieht(n)});
        return tisch.wurf();
    }
    void wirf(std::initializer_list<int> zahlen) {
        for (const int n : zahlen) {
            wirf(n);
        }
    }
    // Spins `anzahl` numbers cycling through `erste`, `erste`+1, ... (mod 37).
    void wirfFolge(int anzahl, int erste = 0) {
        for (int i = 0; i < anzahl; ++i) {
            wirf((erste + i) % 37);
        }
    }
    // "Datei" with a file that held these values; the boxes shown for it are not kept.
    void ladeWerte(std::vector<double> werte, const std::string& pfad = "werte.txt") {
        leser.vorgabe = Permanenzdaten{Leseergebnis::gelesen, std::move(werte)};
        lade(pfad);
        leser.vorgabe.reset();
        fenster.ereignisse.clear();
    }
    Farbe farbe(int n) const { return tisch.tabelle().farbevon(n); }
    std::string feld(Feld f) const { return fenster.text(f); }
    const Sitzung& s() const { return tisch.sitzung(); }
};

} // namespace quentor::test
