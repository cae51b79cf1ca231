#pragma once
// A session wired to the in-memory window, with spins of chosen numbers.

#include "speicherfenster.h"
#include "spieltisch.h"

#include <initializer_list>
#include <string>

namespace quentor::test {

// The random real that draws number n.
inline float zieht(int n) {
    return (static_cast<float>(n) + 0.5F) / 37.0F;
}

struct Tisch {
    Speicherfenster fenster;
    Vorgabezufall zufall;
    Spieltisch tisch{fenster, fenster, fenster, zufall};

    Tisch() { tisch.start(); }

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
    void klickeHaken(int index) {
        fenster.setzeHaken(index, 1 - fenster.haken(index));
        tisch.optionen();
    }
    Farbe farbe(int n) const { return tisch.tabelle().farbevon(n); }
    std::string feld(Feld f) const { return fenster.text(f); }
    const Sitzung& s() const { return tisch.sitzung(); }
};

} // namespace quentor::test
