#include "tabelle.h"

#include <utility>

namespace quentor {

void Tabelle::schreibe(int zeile, int spalte, std::string text) {
    Zelle& z = zellen_[zeile][spalte];
    z.text = std::move(text);
    z.farbe = farbefrei;
    z.zentriert = true;
}

void Tabelle::tabelleaufbau() {
    spaltenbreiten_.fill(spaltenbreiteTwips);
    zeilenhoehen_.fill(zeilenhoeheTwips);
    zahlenzeichnen();
    schreibe(0, 0, "");
    schreibe(0, 2, "");
    schreibe(0, 1, "0");
}

void Tabelle::zahlenzeichnen() {
    for (int spalte = 0; spalte < spaltenanzahl; ++spalte) {
        int zahl = spalte + 1;
        for (int zeile = 1; zeile < zeilenanzahl; ++zeile, zahl += 3) {
            schreibe(zeile, spalte, std::to_string(zahl));
        }
    }
}

void Tabelle::zerozelle(bool ohneZero) {
    schreibe(0, 1, ohneZero ? "" : "0");
}

void Tabelle::faerben(int n, Farbe farbe) {
    if (istZahl(n)) {
        zellen_[zahlzeile(n)][zahlspalte(n)].farbe = farbe;
    }
}

Farbe Tabelle::farbevon(int n) const {
    return istZahl(n) ? zellen_[zahlzeile(n)][zahlspalte(n)].farbe : 0;
}

int Tabelle::freie(bool ohneZero) const {
    int frei = !ohneZero && zellen_[zahlzeile(0)][zahlspalte(0)].farbe == farbefrei ? 1 : 0;
    for (int zeile = 1; zeile < zeilenanzahl; ++zeile) {
        for (const Zelle& z : zellen_[zeile]) {
            frei += z.farbe == farbefrei ? 1 : 0;
        }
    }
    return frei;
}

} // namespace quentor
