#pragma once
// The session core: one session record and the table model, and every rule that changes them.
//
// A click on "Wurf" reaches wurf(): it tests the limit, the file and the number box, draws the
// number (random or from the permanence), advances the counters, recolours the table (previous
// number came, the number leaving the rotation freed, the current number current) and shows the
// free and occupied counts by reading the cell colours back. Every text goes to the window
// through Anzeige; the window shows the table model in its grid.

#include "schnittstellen.h"
#include "sitzung.h"
#include "tabelle.h"

namespace quentor {

enum class WurfErgebnis {
    aufgenommen,       // a number was recorded
    grenzeErreicht,    // 5000 spins made: "ENDE" shown
    dateiErschoepft,   // the loaded values are used up: nothing changes
    eingabeUngueltig,  // number box value above 36 or below 0: the box is emptied
    permanenzUngueltig // the loaded value is no number 0..36: refused with a message
};

class Spieltisch {
  public:
    Spieltisch(Anzeige& anzeige, Optionsfelder& optionsfelder, Meldungen& meldungen,
               Zufallsquelle& zufall);

    // Creates the session with its values at creation and draws the table (window opened).
    void start();
    // One spin.
    WurfErgebnis wurf();
    // As many spins as the rotation is long when the run starts; ends early only at a refused
    // permanence value.
    void ganzerotation();
    // Back to the values at creation, keeping the loaded values (unused) and the file's path.
    void neustart();
    // Copies the option boxes into the session: rotation length, zero cell, clearing flag.
    void optionen();
    // Clears the table at a rotation boundary.
    void tabelleneu();

    const Sitzung& sitzung() const { return sitzung_; }
    Sitzung& sitzung() { return sitzung_; }
    const Tabelle& tabelle() const { return tabelle_; }

  private:
    bool ziehe(); // draws the number; false when a permanence value is refused
    void rotationWeiter();
    void faerbeVorigeZahl(int vorigerPlatz);
    void befreieAusscheidendeZahl();
    void zaehleFreie();
    int ohnezero() const { return optionsfelder_.haken(0); }

    Sitzung sitzung_;
    Tabelle tabelle_;
    Anzeige& anzeige_;
    Optionsfelder& optionsfelder_;
    Meldungen& meldungen_;
    Zufallsquelle& zufall_;
};

} // namespace quentor
