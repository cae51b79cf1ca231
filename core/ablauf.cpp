// Session lifecycle: start, reset, the two options, clearing at a rotation boundary and a whole
// rotation at once.

#include "spieltisch.h"

#include <utility>
#include <vector>

namespace quentor {

Spieltisch::Spieltisch(Anzeige& anzeige, Optionsfelder& optionsfelder, Meldungen& meldungen,
                       Zufallsquelle& zufall)
    : anzeige_(anzeige), optionsfelder_(optionsfelder), meldungen_(meldungen), zufall_(zufall) {}

void Spieltisch::start() {
    sitzung_ = Sitzung{};
    tabelle_.tabelleaufbau();
}

void Spieltisch::neustart() {
    std::vector<double> behalten = std::move(sitzung_.permanenz);
    const std::int16_t aktzahl = sitzung_.aktzahl;
    sitzung_ = Sitzung{};
    sitzung_.permanenz = std::move(behalten);
    sitzung_.aktzahl = aktzahl;

    for (const Feld feld : {Feld::laufnummer, Feld::zahl, Feld::Label23, Feld::Label3, Feld::Label8,
                            Feld::Textanzahl}) {
        anzeige_.setzeText(feld, "");
    }
    tabelle_.zahlenzeichnen();
    tabelle_.zerozelle(false);
    optionen();
}

void Spieltisch::optionen() {
    const bool ohneZero = optionsfelder_.haken(0) == 1;
    sitzung_.rotlaenge = ohneZero ? 36 : 37;
    tabelle_.zerozelle(ohneZero);
    sitzung_.loeschflag = optionsfelder_.haken(1) == 1 ? 1 : 0;
}

void Spieltisch::tabelleneu() {
    tabelle_.zahlenzeichnen();
    optionen();
}

void Spieltisch::ganzerotation() {
    const int laenge = sitzung_.rotlaenge;
    for (int i = 0; i < laenge; ++i) {
        if (wurf() == WurfErgebnis::permanenzUngueltig) {
            return;
        }
    }
}

} // namespace quentor
