#include "zugangspause.h"

#include "ansage.h"

#include <QAccessible>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quentor {

namespace {

const Zugangspause* aktive = nullptr;
// The handler installed before the pause (a test's), or none: then the events go to Qt's platform.
QAccessible::UpdateHandler vorheriger = nullptr;

void halte(QAccessibleEvent* ereignis);

// Hands an event on as if no pause were installed: to the handler before it, or to the platform,
// which Qt gives the events only while no handler is installed.
void weiter(QAccessibleEvent* ereignis) {
    if (vorheriger != nullptr) {
        vorheriger(ereignis);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(ereignis);
    QAccessible::installUpdateHandler(halte);
}

void halte(QAccessibleEvent* ereignis) {
    if (!Zugangspause::haelt(ereignis->object())) {
        weiter(ereignis);
    }
}

// What an object reads: a text's content, anything else its name.
QString lesung(QAccessibleInterface* zugang) {
    QAccessibleTextInterface* text = zugang->textInterface();
    return text != nullptr ? text->text(0, text->characterCount())
                           : zugang->text(QAccessible::Name);
}

template <typename Ereignis, typename... Argumente>
void meldeMitCursor(int cursor, Argumente&&... argumente) {
    Ereignis ereignis(std::forward<Argumente>(argumente)...);
    ereignis.setCursorPosition(cursor);
    QAccessible::updateAccessibility(&ereignis);
}

// A text's change told as Qt's text box tells its own: inserted into an empty text, removed when
// it leaves it empty, else replaced.
void meldeText(QObject* objekt, const QString& alt, const QString& neu, int cursor) {
    if (alt.isEmpty()) {
        meldeMitCursor<QAccessibleTextInsertEvent>(cursor, objekt, 0, neu);
    } else if (neu.isEmpty()) {
        meldeMitCursor<QAccessibleTextRemoveEvent>(cursor, objekt, 0, alt);
    } else {
        meldeMitCursor<QAccessibleTextUpdateEvent>(cursor, objekt, 0, alt, neu);
    }
}

void meldeName(QObject* objekt, int kind) {
    QAccessibleEvent ereignis(objekt, QAccessible::NameChanged);
    ereignis.setChild(kind);
    QAccessible::updateAccessibility(&ereignis);
}

} // namespace

Zugangspause::Zugangspause(QWidget& fenster, const std::vector<QWidget*>& gehalten)
    : fenster_(fenster) {
    if (!QAccessible::isActive() || aktive != nullptr) {
        return;
    }
    for (QWidget* objekt : gehalten) {
        gehalten_.push_back(standVon(objekt));
    }
    aktive = this;
    vorheriger = QAccessible::installUpdateHandler(halte);
}

Zugangspause::~Zugangspause() {
    if (aktive == this) {
        QAccessible::installUpdateHandler(vorheriger);
        aktive = nullptr;
        vorheriger = nullptr;
        for (const Stand& vorher : gehalten_) {
            meldeAenderung(vorher);
        }
    }
    if (!ansage_.isEmpty()) {
        sageAn(fenster_, ansage_);
    }
}

bool Zugangspause::haelt(const QObject* objekt) {
    return aktive != nullptr && objekt != nullptr &&
           std::any_of(aktive->gehalten_.begin(), aktive->gehalten_.end(),
                       [objekt](const Stand& stand) { return stand.objekt == objekt; });
}

Zugangspause::Stand Zugangspause::standVon(QWidget* objekt) {
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(objekt);
    Stand stand{objekt, lesung(zugang), {}};
    for (int i = 0; i < zugang->childCount(); ++i) {
        const QAccessibleInterface* kind = zugang->child(i);
        stand.kinder.push_back(kind != nullptr ? kind->text(QAccessible::Name) : QString());
    }
    return stand;
}

void Zugangspause::meldeAenderung(const Stand& vorher) {
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(vorher.objekt);
    const QString jetzt = lesung(zugang);
    if (jetzt != vorher.text) {
        if (QAccessibleTextInterface* text = zugang->textInterface()) {
            meldeText(vorher.objekt, vorher.text, jetzt, text->cursorPosition());
        } else {
            meldeName(vorher.objekt, -1);
        }
    }
    for (std::size_t i = 0; i < vorher.kinder.size(); ++i) {
        const QAccessibleInterface* kind = zugang->child(static_cast<int>(i));
        if (kind != nullptr && kind->text(QAccessible::Name) != vorher.kinder[i]) {
            meldeName(vorher.objekt, static_cast<int>(i));
        }
    }
}

} // namespace quentor
