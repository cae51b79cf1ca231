#pragma once
// A session wired to the in-memory window, set up only through the core's own operations: spins
// of chosen numbers, permanence files, given values, option clicks, answered questions.

#include "permanenzleser.h"
#include "speicherfenster.h"
#include "spieltisch.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace quentor::test {

// The random real that draws number n.
inline float zieht(int n) {
    return (static_cast<float>(n) + 0.5F) / 37.0F;
}

// Reads files from disk, or hands out given values instead once they are set.
class Vorgabeleser : public Permanenzleser {
  public:
    std::optional<Permanenzdaten> vorgabe;
    Permanenzdaten lies(const std::string& pfad) override {
        return vorgabe ? *vorgabe : datei_.lies(pfad);
    }

  private:
    Dateileser datei_;
};

struct Tisch {
    Speicherfenster fenster;
    Vorgabezufall zufall;
    Vorgabeleser leser;
    Spieltisch tisch{Umgebung{fenster, fenster, fenster, fenster, zufall, leser}};

    Tisch() { tisch.start(); }
    Tisch(const Tisch&) = delete;
    Tisch& operator=(const Tisch&) = delete;

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
    // "Datei" with `pfad` chosen in the dialog.
    void lade(const std::string& pfad) {
        fenster.waehle(pfad);
        tisch.laden();
    }
    // "Datei" cancelled.
    void ladeAbgebrochen() {
        fenster.abbrechen();
        tisch.laden();
    }
    // "Datei" with a file that held these values; the boxes shown for it are not kept.
    void ladeWerte(std::vector<double> werte, const std::string& pfad = "werte.txt") {
        leser.vorgabe = Permanenzdaten{Leseergebnis::gelesen, std::move(werte)};
        lade(pfad);
        leser.vorgabe.reset();
        fenster.ereignisse.clear();
    }
    // "Neu", answered Yes.
    void neu() {
        fenster.antworte(true);
        tisch.neuanfang();
    }
    Farbe farbe(int n) const { return tisch.tabelle().farbevon(n); }
    std::string feld(Feld f) const { return fenster.text(f); }
    const Sitzung& s() const { return tisch.sitzung(); }
};

} // namespace quentor::test
