#include "tabelle.h"

#include "texte.h"

#include <algorithm>
#include <utility>

namespace quentor {

namespace {

// A number's state in the words a screen reader says, by the colour of its cell.
std::string_view zustandswort(Farbe farbe) {
    if (farbe == farbegekommen) {
        return texte::zustandGekommen;
    }
    return farbe == farbeaktuell ? texte::zustandAktuell : texte::zustandFrei;
}

} // namespace

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

std::string Tabelle::lesung(int zeile, int spalte) const {
    if (!istZahlzelle(zeile, spalte)) {
        return {};
    }
    const Zelle z = zelle(zeile, spalte);
    std::string text(z.text);
    if (z.text.empty()) { // the zero, left out
        text.append("0").append(texte::zustandstrenner).append(texte::zeroAusgelassen);
        if (z.farbe == farbefrei) {
            return text;
        }
    }
    return text.append(texte::zustandstrenner).append(zustandswort(z.farbe));
}

} // namespace quentor
