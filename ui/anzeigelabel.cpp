#include "anzeigelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quentor {

namespace {

// Qt names an empty label after the caption whose buddy it is; this interface names it only by
// its own text.
class Anzeigezugang : public QAccessibleWidget {
  public:
    explicit Anzeigezugang(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Name) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(art);
    }
};

} // namespace

Anzeigelabel::Anzeigelabel(QWidget* eltern) : QLabel(eltern) {}

QAccessibleInterface* anzeigezugang(Anzeigelabel* label) {
    return new Anzeigezugang(label);
}

} // namespace quentor
