#include "zufall.h"

#include "zahlen.h"

#include <chrono>
#include <cmath>

namespace quentor {

float Mersennezufall::naechste() {
    constexpr float schritt = 1.0F / 16777216.0F; // 2^-24
    return static_cast<float>(generator_() >> 8U) * schritt;
}

std::uint32_t saatAusUhr() {
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(jetzt) ^ static_cast<std::uint32_t>(jetzt >> 32);
}

int zufallszahl(float r) {
    const float produkt = r * static_cast<float>(zahlenanzahl);
    return static_cast<int>(std::floor(produkt));
}

} // namespace quentor
