#pragma once
// Random sources: the window's, seeded from the clock, and one with a fixed seed for scripts.

#include "schnittstellen.h"

#include <cstdint>
#include <random>

namespace quentor {

class Mersennezufall : public Zufallsquelle {
  public:
    explicit Mersennezufall(std::uint32_t saat) : generator_(saat) {}
    // The top 24 bits of a draw, scaled: exactly representable, so always below 1.0.
    float naechste() override;

  private:
    std::mt19937 generator_;
};

std::uint32_t saatAusUhr();

// The number a random real r (0 <= r < 1) draws: floor(r * 37) in single precision, 0..36.
int zufallszahl(float r);

} // namespace quentor
