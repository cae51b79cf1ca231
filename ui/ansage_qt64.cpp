#include "ansage_qt64.h"
#include "ansage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace quentor {

namespace {

// What Orca 43 speaks, measured: a notification that says it appeared, in a status bar (so that
// no role word is said before it). Neither is ever shown, so nothing changes on the screen; the
// window gets them at its first message.
class Meldezeile : public QWidget {
  public:
    using QWidget::QWidget;
};

class Meldung : public QWidget {
  public:
    using QWidget::QWidget;
    void sage(const QString& text) {
        text_ = text;
        QAccessibleEvent erschienen(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&erschienen);
    }
    const QString& text() const { return text_; }

  private:
    QString text_;
};

class Meldungszugang : public QAccessibleWidget {
  public:
    explicit Meldungszugang(Meldung* meldung)
        : QAccessibleWidget(meldung, QAccessible::Notification) {}
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? static_cast<const Meldung*>(widget())->text() : QString();
    }
};

Meldung& meldungIn(QWidget& fenster) {
    const QString name = QStringLiteral("Ansage");
    if (auto* meldung = dynamic_cast<Meldung*>(fenster.findChild<QWidget*>(name))) {
        return *meldung;
    }
    auto* meldung = new Meldung(new Meldezeile(&fenster));
    meldung->setObjectName(name);
    return *meldung;
}

} // namespace

QAccessibleInterface* meldungszugang(QObject* objekt) {
    if (auto* zeile = dynamic_cast<Meldezeile*>(objekt)) {
        return new QAccessibleWidget(zeile, QAccessible::StatusBar);
    }
    if (auto* meldung = dynamic_cast<Meldung*>(objekt)) {
        return new Meldungszugang(meldung);
    }
    return nullptr;
}

void sageAn(QWidget& fenster, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    meldungIn(fenster).sage(text);
}

} // namespace quentor
