#include "ansage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace quentor {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void sageAn(QWidget& fenster, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleAnnouncementEvent ansage(&fenster, text);
    ansage.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&ansage);
}

#else

namespace {

// Qt before 6.8 has no announcement. What Orca 43 speaks instead, measured: a notification that
// says it appeared, in a status bar (so that no role word is said before it). Neither is ever
// shown, so nothing changes on the screen; the window gets them at its first message.
class Meldezeile : public QWidget {
  public:
    using QWidget::QWidget;
};

class Meldung : public QWidget {
  public:
    using QWidget::QWidget;
    QString text;
};

class Meldungszugang : public QAccessibleWidget {
  public:
    explicit Meldungszugang(Meldung* meldung)
        : QAccessibleWidget(meldung, QAccessible::Notification) {}
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? static_cast<const Meldung*>(widget())->text : QString();
    }
};

QAccessibleInterface* zugangFuer(const QString& /*klasse*/, QObject* objekt) {
    if (auto* zeile = dynamic_cast<Meldezeile*>(objekt)) {
        return new QAccessibleWidget(zeile, QAccessible::StatusBar);
    }
    if (auto* meldung = dynamic_cast<Meldung*>(objekt)) {
        return new Meldungszugang(meldung);
    }
    return nullptr;
}

Meldung& meldungIn(QWidget& fenster) {
    static const bool eingerichtet = (QAccessible::installFactory(zugangFuer), true);
    Q_UNUSED(eingerichtet);
    const QString name = QStringLiteral("Ansage");
    if (auto* meldung = dynamic_cast<Meldung*>(fenster.findChild<QWidget*>(name))) {
        return *meldung;
    }
    auto* meldung = new Meldung(new Meldezeile(&fenster));
    meldung->setObjectName(name);
    return *meldung;
}

} // namespace

void sageAn(QWidget& fenster, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    Meldung& meldung = meldungIn(fenster);
    meldung.text = text;
    QAccessibleEvent erschienen(&meldung, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&erschienen);
}

#endif

} // namespace quentor
