#pragma once
// The numbers of the wheel and the length of a rotation, named once for the whole program.

namespace quentor {

// The numbers are 0 to 36.
inline constexpr int hoechsteZahl = 36;
inline constexpr int zahlenanzahl = hoechsteZahl + 1;

// A rotation is as many spins as numbers are in play: all of them, or all but the zero.
inline constexpr int rotationslaengeMitZero = zahlenanzahl;
inline constexpr int rotationslaengeOhneZero = zahlenanzahl - 1;

inline constexpr bool istZahl(int n) {
    return n >= 0 && n <= hoechsteZahl;
}

} // namespace quentor
