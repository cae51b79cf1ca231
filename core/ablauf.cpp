// Session lifecycle: start, reset after its question, the end question, the two options, clearing
// at a rotation boundary and a whole rotation at once.

#include "spieltisch.h"
#include "texte.h"
#include "zahlen.h"

#include <utility>
#include <vector>

namespace quentor {

Spieltisch::Spieltisch(const Umgebung& umgebung)
    : anzeige_(umgebung.anzeige), optionsfelder_(umgebung.optionsfelder),
      meldungen_(umgebung.meldungen), fragen_(umgebung.fragen), dialog_(umgebung.dialog),
      zufall_(umgebung.zufall), leser_(umgebung.leser) {}

void Spieltisch::start() {
    sitzung_ = Sitzung{};
    tabelle_.tabelleaufbau();
    anzeige_.tabelleGeaendert();
}

void Spieltisch::neuanfang() {
    if (fragen_.frage(texte::neuTitel, texte::neuFrage)) {
        neustart();
    }
}

bool Spieltisch::beenden() {
    return fragen_.frage(texte::endeTitel, texte::endeFrage);
}

// Back to the values at creation, keeping the loaded values (unused) and the file's path.
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
    optionenAnwenden();
    anzeige_.tabelleGeaendert();
}

void Spieltisch::optionenAnwenden() {
    const bool ohneZero = optionsfelder_.haken(0) == 1;
    sitzung_.rotlaenge = ohneZero ? rotationslaengeOhneZero : rotationslaengeMitZero;
    tabelle_.zerozelle(ohneZero);
    sitzung_.loeschflag = optionsfelder_.haken(1) == 1 ? 1 : 0;
}

// Clears the table at a rotation boundary; the spin that calls it shows the table afterwards.
void Spieltisch::tabelleneu() {
    tabelle_.zahlenzeichnen();
    optionenAnwenden();
}

// The spins of the run are said once, with the state at its end: that of the last spin that
// recorded a number, or "ENDE" when the limit came after it.
void Spieltisch::ganzerotation() {
    const int laenge = sitzung_.rotlaenge;
    WurfErgebnis zuSagen = WurfErgebnis::dateiErschoepft;
    for (int i = 0; i < laenge; ++i) {
        const WurfErgebnis ergebnis = spiele();
        if (ergebnis == WurfErgebnis::permanenzUngueltig) {
            break;
        }
        if (ergebnis == WurfErgebnis::aufgenommen || ergebnis == WurfErgebnis::grenzeErreicht) {
            zuSagen = ergebnis;
        }
    }
    sageAn(zuSagen);
}

} // namespace quentor
