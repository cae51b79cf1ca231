#include "hellepalette.h"

#include <QColor>

namespace quentor {

namespace {

// Marks every role of every group as set, so that none is resolved against the desktop's palette.
void alleRollenFest(QPalette& palette) {
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int rolle = 0; rolle < QPalette::NColorRoles; ++rolle) {
            const auto r = static_cast<QPalette::ColorRole>(rolle);
            palette.setBrush(gruppe, r, palette.brush(gruppe, r));
        }
    }
}

QPalette baueHellePalette() {
    const QColor grund(239, 239, 239);
    const QColor hell = grund.lighter(150);
    const QColor mittel = grund.darker(130);
    const QColor dunkel = grund.darker(150);
    const QColor schatten = dunkel.darker(135);
    const QColor grauerText(190, 190, 190);
    QPalette palette(Qt::black, grund, hell, dunkel, mittel, Qt::black, hell, Qt::white, grund);
    palette.setColor(QPalette::Midlight, mittel.lighter(110));
    palette.setColor(QPalette::Shadow, schatten);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    for (const auto rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, rolle, grauerText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, grund);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, schatten.lighter(150));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    alleRollenFest(palette);
    return palette;
}

} // namespace

// Built once: the window and each of its buttons take it at start.
QPalette hellePalette() {
    static const QPalette palette = baueHellePalette();
    return palette;
}

} // namespace quentor
