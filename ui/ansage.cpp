#include "ansage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
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

// Orca 43 drops a notification while more than 100 events wait for it, as after the text
// events of a whole rotation's 37 spins (measured: about 150, taken in within 0.4 s). So the
// notification appears half a second after the last message was given; a message given before
// then replaces the one waiting.
class Meldung : public QWidget {
  public:
    explicit Meldung(QWidget* eltern) : QWidget(eltern) {
        spaeter_.setSingleShot(true);
        spaeter_.setInterval(verzoegerung);
        connect(&spaeter_, &QTimer::timeout, this, &Meldung::erscheine);
    }
    void sage(const QString& text) {
        text_ = text;
        spaeter_.start();
    }
    const QString& text() const { return text_; }

  private:
    static constexpr int verzoegerung = 500; // ms
    void erscheine() {
        QAccessibleEvent erschienen(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&erschienen);
    }

    QString text_;
    QTimer spaeter_;
};

class Meldungszugang : public QAccessibleWidget {
  public:
    explicit Meldungszugang(Meldung* meldung)
        : QAccessibleWidget(meldung, QAccessible::Notification) {}
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? static_cast<const Meldung*>(widget())->text() : QString();
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
    meldungIn(fenster).sage(text);
}

#endif

} // namespace quentor
