#pragma once
// The core's units in Qt's terms: twips to pixels, stored colours to QColor, UTF-8 to QString.

#include "farbe.h"

#include <QColor>
#include <QString>

#include <string_view>

namespace quentor {

// Geometry is given in twips, 15 to a device-independent pixel; a twip position lies on the
// nearest pixel. Every control's place and size is a whole number of pixels; a grid column of 800
// twips (53.3 px) becomes 53 px, and the grid's row edges fall on the pixels nearest to them.
inline constexpr int twipsJePixel = 15;
constexpr int pixel(int twips) {
    return (twips + twipsJePixel / 2) / twipsJePixel;
}

inline QColor qfarbe(Farbe farbe) {
    return {rotanteil(farbe), gruenanteil(farbe), blauanteil(farbe)};
}

inline QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace quentor
