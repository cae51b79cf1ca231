#pragma once
// A session on the in-memory window, set up only through the core's own operations and the user's
// actions on it: spins of chosen numbers, permanence files, given values, option clicks, answered
// questions.

#include "speichertisch.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quentor::test {

// The random real that draws number n.
inline float zieht(int n) {
    return (static_cast<float>(n) + 0.5F) / 37.0F;
}

// The window of a Testtisch, built before it (a base before the Speichertisch).
struct Testfenster {
    Speicheroberflaeche fenster;
};

struct Testtisch : private Testfenster, Speichertisch {
    Testtisch() : Speichertisch(fenster) {}

    WurfErgebnis wirf(int n) {
        vorgebenZufall({zieht(n)});
        return wurf();
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
    // "Datei" with a file that held these values; what was recorded so far (its boxes too) is
    // forgotten.
    void ladeWerte(std::vector<double> werte, const std::string& pfad = "werte.txt") {
        vorgebenDatei(Permanenzdaten{Leseergebnis::gelesen, std::move(werte)});
        lade(pfad);
        vorgebenDatei(std::nullopt);
        vergiss();
    }
    Farbe farbe(int n) const { return tabelle().farbevon(n); }
    std::string feld(Feld f) const { return oberflaeche().text(f); }
    const Sitzung& s() const { return sitzung(); }
    const std::vector<Kasten>& gezeigteKaesten() const { return oberflaeche().gezeigteKaesten(); }

    // What no user action does: a field already showing `text`, a box ticked without its click
    // applied.
    void zeigeSchon(Feld f, std::string_view text) { fenster.setzeText(f, text); }
    void hakeOhneKlick(int index) { fenster.setzeHaken(index, 1); }
};

} // namespace quentor::test
