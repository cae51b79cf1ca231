// The "Datei" command: a permanence file chosen in the dialog, read by the permanence reader and
// taken into the session, or rejected with a message.

#include "kurztext.h"
#include "spieltisch.h"
#include "texte.h"

#include <string>

namespace quentor {

void Spieltisch::laden() {
    sitzung_.dateimodus = 0;
    sitzung_.permanenz.clear();

    const std::string name = dialog_.oeffnen(texte::dialogtitel, texte::dialogfilter);
    if (name.empty()) {
        return; // cancelled: random spins, the fields keep what they showed
    }
    anzeige_.setzeText(Feld::Label7, name);
    uebernimm(leser_.lies(name, permanenzgrenze));
    sitzung_.dateimodus = 1;
}

void Spieltisch::uebernimm(Permanenzdaten daten) {
    switch (daten.ergebnis) {
    case Leseergebnis::gelesen:
        sitzung_.permanenz = std::move(daten.werte);
        anzeige_.setzeText(Feld::Textanzahl, Kurztext(static_cast<int>(sitzung_.permanenz.size())));
        return;
    case Leseergebnis::formatUngueltig:
        meldungen_.warnung(texte::fehlertitel, texte::ungueltigesFormat);
        break;
    case Leseergebnis::lesefehler:
        meldungen_.warnung(texte::fehlertitel, texte::nichtLesbar);
        break;
    }
    anzeige_.setzeText(Feld::Textanzahl, "");
}

} // namespace quentor
