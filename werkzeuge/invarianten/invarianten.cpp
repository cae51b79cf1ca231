#include "invarianten.h"

namespace quentor {

namespace {

std::string pruefeTabelle(const Tabelle& t, int ohnezero) {
    for (const int spalte : {0, 2}) {
        if (t.zelle(0, spalte).farbe != farbefrei || !t.zelle(0, spalte).text.empty()) {
            return "blank cell (0, " + std::to_string(spalte) + ") painted or written";
        }
    }
    for (int n = 0; n <= 36; ++n) {
        const Farbe f = t.farbevon(n);
        if (f != farbefrei && f != farbegekommen && f != farbeaktuell) {
            return "cell of " + std::to_string(n) + " has a foreign colour";
        }
        const std::string soll = n == 0 ? (ohnezero == 1 ? "" : "0") : std::to_string(n);
        if (t.zelle(zahlzeile(n), zahlspalte(n)).text != soll) {
            return "cell of " + std::to_string(n) + " shows the wrong text";
        }
    }
    return {};
}

std::string pruefeZaehler(const Sitzung& s) {
    if (s.fenster[0] != leererPlatz) {
        return "slot 0 of fenster was written";
    }
    for (const auto platz : s.fenster) {
        if (platz != leererPlatz && !istZahl(platz)) {
            return "fenster holds " + std::to_string(platz);
        }
    }
    if (s.rotpos < 0 || s.rotpos > 37 || (s.rotlaenge != 36 && s.rotlaenge != 37)) {
        return "rotation out of range";
    }
    if (s.wurfzaehler < 0 || s.wurfzaehler > wurfgrenze || s.dateianzahl() < 0 ||
        s.dateianzahl() > permanenzgrenze) {
        return "counter out of range";
    }
    return {};
}

std::string pruefeAufnahme(const Spieltisch& tisch, const Anzeige& anzeige, int ohnezero) {
    const Sitzung& s = tisch.sitzung();
    if (tisch.tabelle().farbevon(s.aktzahl) != farbeaktuell) {
        return "the number just spun is not current";
    }
    int frei = 0;
    for (int n = ohnezero; n <= 36; ++n) {
        frei += tisch.tabelle().farbevon(n) == farbefrei ? 1 : 0;
    }
    if (s.freizahl != frei || anzeige.text(Feld::Label23) != std::to_string(frei) ||
        anzeige.text(Feld::Label8) != std::to_string(37 - ohnezero - frei)) {
        return "free or occupied count does not match the table";
    }
    return {};
}

} // namespace

std::string pruefeInvarianten(const Spieltisch& tisch, const Anzeige& anzeige,
                              const Optionsfelder& optionsfelder, bool nachAufnahme) {
    const int ohnezero = optionsfelder.haken(0);
    std::string fehler = pruefeZaehler(tisch.sitzung());
    if (fehler.empty()) {
        fehler = pruefeTabelle(tisch.tabelle(), ohnezero);
    }
    if (fehler.empty() && nachAufnahme) {
        fehler = pruefeAufnahme(tisch, anzeige, ohnezero);
    }
    return fehler;
}

} // namespace quentor
