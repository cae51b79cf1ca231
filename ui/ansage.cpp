#include "ansage.h"

#include <QAccessible>
#include <QWidget>

namespace quentor {

void sageAn(QWidget& fenster, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleAnnouncementEvent ansage(&fenster, text);
    ansage.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&ansage);
}

} // namespace quentor
