// One spin, in the order the rest of the program relies on.

#include "kurztext.h"
#include "spieltisch.h"
#include "texte.h"
#include "zahlen.h"
#include "zahlwert.h"
#include "zufall.h"

#include <cmath>
#include <string>

namespace quentor {

namespace {

// A permanence value rounded half to even, or -1 when it is no number 0..36 (this also covers
// values that fit no 16-bit integer and infinity).
int permanenzzahl(double wert) {
    const double gerundet = std::nearbyint(wert); // default rounding mode: half to even
    return gerundet >= 0.0 && gerundet <= hoechsteZahl ? static_cast<int>(gerundet) : -1;
}

} // namespace

bool Spieltisch::ziehe() {
    if (sitzung_.dateimodus == 0) {
        sitzung_.aktzahl = static_cast<std::int16_t>(zufallszahl(zufall_.naechste()));
        return true;
    }
    // wurf() tested wurfzaehler < dateianzahl(), the number of values held.
    const int zahl = permanenzzahl(sitzung_.permanenz[sitzung_.wurfzaehler]);
    if (zahl < 0) {
        meldungen_.warnung(texte::fehlertitel,
                           texte::ungueltigePermanenz(sitzung_.wurfzaehler + 1));
        return false;
    }
    sitzung_.aktzahl = static_cast<std::int16_t>(zahl);
    return true;
}

void Spieltisch::rotationWeiter() {
    if (sitzung_.rotpos >= sitzung_.rotlaenge) {
        ++sitzung_.rotnummer;
        sitzung_.rotpos = 0;
        if (sitzung_.loeschflag == 1) {
            tabelleneu();
        }
    }
    anzeige_.setzeText(Feld::Label3, Kurztext(sitzung_.rotnummer)
                                         << texte::rotationstrenner << sitzung_.rotpos + 1);
}

// The previous spin's number turns "came", or free again on the first spin of a rotation.
void Spieltisch::faerbeVorigeZahl(int vorigerPlatz) {
    if (sitzung_.wurfzaehler <= 1) {
        return;
    }
    const int vorige = sitzung_.fenster[vorigerPlatz];
    tabelle_.faerben(vorige, farbegekommen);
    if (sitzung_.rotpos == 1) {
        tabelle_.faerben(vorige, farbefrei);
    }
}

// The number spun at this position one rotation ago leaves the ring; it is free again unless
// it came once more within the ring. Slot 0 always holds 99, so an empty slot never counts once.
void Spieltisch::befreieAusscheidendeZahl() {
    if (sitzung_.wurfzaehler <= sitzung_.rotlaenge) {
        return;
    }
    const std::int16_t ausscheidend = sitzung_.fenster[sitzung_.rotpos];
    int vorkommen = 0;
    for (int i = 0; i <= sitzung_.rotlaenge; ++i) {
        vorkommen += sitzung_.fenster[i] == ausscheidend ? 1 : 0;
    }
    if (vorkommen == 1) {
        tabelle_.faerben(ausscheidend, farbefrei);
    }
}

void Spieltisch::zaehleFreie() {
    const int ohne = ohnezero();
    const int frei = tabelle_.freie(ohne == 1);
    sitzung_.freizahl = static_cast<std::int16_t>(frei);
    anzeige_.setzeText(Feld::Label23, Kurztext(frei));
    anzeige_.setzeText(Feld::Label8, Kurztext(zahlenanzahl - ohne - frei));
}

WurfErgebnis Spieltisch::wurf() {
    const WurfErgebnis ergebnis = spiele();
    sageAn(ergebnis);
    return ergebnis;
}

// A recorded number is said with what the fields now show, the limit as "ENDE"; a spin that
// changed nothing says nothing.
void Spieltisch::sageAn(WurfErgebnis ergebnis) {
    if (ergebnis == WurfErgebnis::grenzeErreicht) {
        anzeige_.ansagen(texte::ende);
    } else if (ergebnis == WurfErgebnis::aufgenommen) {
        const int frei = sitzung_.freizahl;
        anzeige_.ansagen(Ansagetext(sitzung_.aktzahl)
                         << texte::ansageRotation << sitzung_.rotnummer << texte::rotationstrenner
                         << sitzung_.rotpos << texte::ansageFrei << frei << texte::ansageBelegt
                         << zahlenanzahl - ohnezero() - frei);
    }
}

WurfErgebnis Spieltisch::spiele() {
    if (sitzung_.wurfzaehler >= wurfgrenze) {
        anzeige_.setzeText(Feld::zahl, texte::ende);
        return WurfErgebnis::grenzeErreicht;
    }
    if (sitzung_.dateimodus == 1 && sitzung_.wurfzaehler >= sitzung_.dateianzahl()) {
        return WurfErgebnis::dateiErschoepft;
    }
    const double eingabe = zahlwert(anzeige_.text(Feld::zahl));
    if (eingabe > hoechsteZahl || eingabe < 0.0) {
        anzeige_.setzeText(Feld::zahl, "");
        return WurfErgebnis::eingabeUngueltig;
    }
    if (!ziehe()) {
        return WurfErgebnis::permanenzUngueltig;
    }
    anzeige_.setzeText(Feld::zahl, Kurztext(sitzung_.aktzahl));
    ++sitzung_.wurfzaehler;
    anzeige_.setzeText(Feld::laufnummer, Kurztext(sitzung_.wurfzaehler));

    rotationWeiter();
    const int p = sitzung_.rotpos;
    sitzung_.rotpos = static_cast<std::int16_t>(p + 1);
    faerbeVorigeZahl(p == 0 ? sitzung_.rotlaenge : p);
    befreieAusscheidendeZahl();
    tabelle_.faerben(sitzung_.aktzahl, farbeaktuell);
    sitzung_.fenster[sitzung_.rotpos] = sitzung_.aktzahl;

    anzeige_.neuZeichnen(Feld::laufnummer);
    anzeige_.neuZeichnen(Feld::zahl);
    zaehleFreie();
    // The recoloured table is shown with the last live repaint of the spin: a display repaints
    // all that is waiting with it, so the fields set since are painted once.
    anzeige_.tabelleGeaendert();
    anzeige_.neuZeichnen(Feld::Label3);
    return WurfErgebnis::aufgenommen;
}

} // namespace quentor
