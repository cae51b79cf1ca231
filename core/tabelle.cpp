#include "tabelle.h"

#include <algorithm>
#include <utility>

namespace quentor {

void Tabelle::schreibe(int zeile, int spalte, std::string text) {
    const std::size_t i = stelle(zeile, spalte);
    texte_[i] = std::move(text);
    farben_[i] = farbefrei;
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
        farben_[stelle(zahlzeile(n), zahlspalte(n))] = farbe;
    }
}

Farbe Tabelle::farbevon(int n) const {
    return istZahl(n) ? farben_[stelle(zahlzeile(n), zahlspalte(n))] : 0;
}

int Tabelle::freie(bool ohneZero) const {
    const auto zahlen = farben_.begin() + stelle(1, 0); // rows 1..12 hold 1..36
    const int frei = static_cast<int>(std::count(zahlen, farben_.end(), farbefrei));
    return frei + (!ohneZero && farbevon(0) == farbefrei ? 1 : 0);
}

} // namespace quentor
