#pragma once
// Colours as stored and compared: R + 256*G + 65536*B. The table's cells and the window's controls
// both use this one type.

#include <cstdint>

namespace quentor {

using Farbe = std::uint32_t;

constexpr Farbe rgb(int r, int g, int b) {
    return static_cast<Farbe>(r) + 256U * static_cast<Farbe>(g) + 65536U * static_cast<Farbe>(b);
}

constexpr int rotanteil(Farbe farbe) {
    return static_cast<int>(farbe & 0xFFU);
}
constexpr int gruenanteil(Farbe farbe) {
    return static_cast<int>((farbe >> 8U) & 0xFFU);
}
constexpr int blauanteil(Farbe farbe) {
    return static_cast<int>((farbe >> 16U) & 0xFFU);
}

} // namespace quentor
