// The "Datei" command: a permanence file chosen in the dialog, read by the permanence reader and
// taken into the session, or rejected with a message.

#include "kurztext.h"
#include "spieltisch.h"
#include "texte.h"

#include <optional>
#include <string>
#include <utility>

namespace quentor {

void Spieltisch::laden() {
    sitzung_.dateimodus = 0;
    sitzung_.permanenz.clear();

    // A cancelled dialog counts as the file chosen last: that file is read again, and the replay
    // goes on where it was (values are taken by the spin count). Before any file was chosen, a
    // cancel leaves random spins, and the fields keep what they showed.
    if (auto wahl = dialog_.oeffnen(texte::dialogtitel, texte::dialogfilter, letzteDatei_)) {
        letzteDatei_ = std::move(*wahl);
    }
    if (letzteDatei_.empty()) {
        return;
    }
    anzeige_.setzeText(Feld::Label7, letzteDatei_);
    uebernimm(leser_.lies(letzteDatei_, permanenzgrenze));
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
