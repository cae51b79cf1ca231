#pragma once
// The record of one tracking session, with every field at its value at creation. Only the session
// core (Spieltisch) writes it; everyone else reads it through Spieltisch::sitzung().

#include "zahlen.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quentor {

inline constexpr int fenstergroesse = 221;
inline constexpr std::int16_t leererPlatz = 99; // marks a slot of `fenster` with no spin yet
inline constexpr int wurfgrenze = 5000;         // spins in one session
inline constexpr int permanenzgrenze = 3599;    // values taken from one permanence file

struct Sitzung {
    Sitzung() { fenster.fill(leererPlatz); }

    // Values in use: those of the loaded file while in file mode, none otherwise. A reset keeps
    // the values but leaves file mode, so the count follows from the two and cannot disagree.
    std::int16_t dateianzahl() const {
        return dateimodus == 1 ? static_cast<std::int16_t>(permanenz.size()) : 0;
    }

    std::int16_t wurfzaehler = 0; // spins made in this session, 0..5000
    std::int16_t aktzahl = 0;     // number of the most recent spin
    std::int16_t rotpos = 0;      // spins made in the current rotation
    // Spins in a rotation: the numbers in play, with the zero or without (rotationslaengeOhneZero).
    std::int16_t rotlaenge = rotationslaengeMitZero;
    std::int16_t rotnummer = 1;  // number of the current rotation
    std::int16_t dateimodus = 0; // 1: spins come from `permanenz`
    std::int16_t loeschflag = 0; // 1: the table is cleared at every rotation boundary
    std::int16_t freizahl = 0;   // numbers in play whose cell shows `farbefrei`
    // The ring: the number spun at each position of the rotation; slot 0 is never written.
    std::array<std::int16_t, fenstergroesse> fenster{};
    // Values of the loaded permanence file, at most 3599; value k (counted from 1) is
    // permanenz[k - 1].
    std::vector<double> permanenz;
};

} // namespace quentor
