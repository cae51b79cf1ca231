#pragma once
// The session core: one session record and the table model, and every rule that changes them.
// Nothing else writes the session.
//
// A click on "Wurf" reaches wurf(): it tests the limit, the file and the number box, draws the
// number (random or from the permanence), advances the counters, recolours the table (previous
// number came, the number leaving the rotation freed, the current number current) and shows the
// free and occupied counts by reading the cell colours back. Every text goes to the window
// through Anzeige, which also learns each change of the table model (tabelleGeaendert) and shows
// it in its grid.
//
// Implemented in wurf.cpp (a spin), ablauf.cpp (start, reset, options, whole rotation, the two
// questions) and laden.cpp (the "Datei" command).

#include "schnittstellen.h"
#include "sitzung.h"
#include "tabelle.h"

#include <string>

namespace quentor {

enum class WurfErgebnis {
    aufgenommen,       // a number was recorded
    grenzeErreicht,    // 5000 spins made: "ENDE" shown
    dateiErschoepft,   // the loaded values are used up: nothing changes
    eingabeUngueltig,  // number box value above 36 or below 0: the box is emptied
    permanenzUngueltig // the loaded value is no number 0..36: refused with a message
};

// Everything the core reaches outside itself. The Spieltisch keeps the references: each object
// must live as long as the Spieltisch that uses it.
struct Umgebung {
    Anzeige& anzeige;
    Optionsfelder& optionsfelder;
    Meldungen& meldungen;
    Fragen& fragen;
    Dateidialog& dialog;
    Zufallsquelle& zufall;
    Permanenzleser& leser;
};

class Spieltisch {
  public:
    explicit Spieltisch(const Umgebung& umgebung);

    // Creates the session with its values at creation and draws the table (window opened).
    void start();
    // One spin ("Wurf"), said to a screen reader (Anzeige::ansagen) when it showed something.
    WurfErgebnis wurf();
    // As many spins as the rotation is long when the run starts ("Rotat"); ends early only at a
    // refused permanence value. Said to a screen reader once, with the state at its end.
    void ganzerotation();
    // "Neu": asks for confirmation and on Yes resets the session (neustart).
    void neuanfang();
    // "Ende": asks for confirmation; true when the user confirmed, and the program is to end.
    bool beenden();
    // "Datei": asks for a file and loads it; a cancelled dialog loads the file chosen last again.
    // Afterwards the session is in file mode, unless no file was ever chosen (then it is in
    // random mode with no values). A rejected or
    // unreadable file is answered with a message and keeps file mode with 0 values, so spins
    // stay blocked until another file is loaded or the session is reset.
    void laden();
    // A click on either option box: copies both boxes into the session (rotation length, zero
    // cell, clearing flag).
    void optionen();

    const Sitzung& sitzung() const { return sitzung_; }
    const Tabelle& tabelle() const { return tabelle_; }

  private:
    WurfErgebnis spiele(); // one spin, unsaid
    void sageAn(WurfErgebnis ergebnis);
    void neustart();
    void tabelleneu();
    void optionenAnwenden(); // what optionen() does, without showing the table
    bool ziehe();            // draws the number; false when a permanence value is refused
    void rotationWeiter();
    void faerbeVorigeZahl(int vorigerPlatz);
    void befreieAusscheidendeZahl();
    void zaehleFreie();
    void uebernimm(Permanenzdaten daten);
    int ohnezero() const { return optionsfelder_.haken(0); }

    Sitzung sitzung_;
    Tabelle tabelle_;
    Anzeige& anzeige_;
    Optionsfelder& optionsfelder_;
    Meldungen& meldungen_;
    Fragen& fragen_;
    Dateidialog& dialog_;
    Zufallsquelle& zufall_;
    Permanenzleser& leser_;
    // The file chosen last in the dialog (empty: none yet). Kept across resets, as the dialog is.
    std::string letzteDatei_;
};

} // namespace quentor
