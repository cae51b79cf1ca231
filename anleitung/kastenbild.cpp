#include "kastenbild.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace quentor::anleitung {

namespace {

constexpr int titelhoehe = 24;
const QColor titelfarbe(64, 64, 64);

// The title bar above the box `kasten`, its title left in white, and a frame around both.
void zeichneRahmen(QPainter& maler, const QRect& kasten, const QString& titel) {
    const QRect leiste(kasten.left(), kasten.top() - titelhoehe, kasten.width(), titelhoehe);
    maler.fillRect(leiste, titelfarbe);
    maler.setPen(Qt::white);
    maler.drawText(leiste.adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, titel);
    maler.setPen(titelfarbe);
    maler.drawRect(leiste.united(kasten).adjusted(-1, -1, 0, 0));
}

} // namespace

QImage ueberDemFenster(QImage fenster, QWidget& kasten) {
    const QImage bild = kasten.grab().toImage();
    const int links = std::max(1, (fenster.width() - bild.width()) / 2);
    const int oben = std::max(titelhoehe + 1, (fenster.height() - bild.height()) / 2);
    QPainter maler(&fenster);
    maler.drawImage(links, oben, bild);
    maler.setFont(kasten.font());
    zeichneRahmen(maler, QRect(QPoint(links, oben), bild.size()), kasten.windowTitle());
    return fenster;
}

} // namespace quentor::anleitung
