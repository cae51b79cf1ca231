#include "zugang.h"

#include "anzeigelabel.h"
#include "form1.h"
#include "tabellenansicht.h"
#include "tabellenzugang.h"

#include <QAccessibleWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "ansage_qt64.h"
#endif

namespace quentor {

namespace {

QAccessibleInterface* zugangFuer(const QString& /*klasse*/, QObject* objekt) {
    if (auto* fenster = dynamic_cast<Form1*>(objekt)) {
        return new QAccessibleWidget(fenster, QAccessible::Window); // a frame, named by its title
    }
    if (auto* label = dynamic_cast<Anzeigelabel*>(objekt)) {
        return anzeigezugang(label);
    }
    if (auto* gitter = dynamic_cast<Tabellenansicht*>(objekt)) {
        return tabellenzugang(gitter);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    return meldungszugang(objekt);
#else
    return nullptr;
#endif
}

} // namespace

void richteZugangEin() {
    static const bool eingerichtet = (QAccessible::installFactory(zugangFuer), true);
    Q_UNUSED(eingerichtet);
}

} // namespace quentor
