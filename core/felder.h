#pragma once
// The display fields: texts the core writes and the window shows in the controls of the same
// names. This table is the one place in the program that names them: the window's controls, the
// script driver's JSON keys and the in-memory window's record take the names from here. The tests
// spell the names out, so that a renamed field shows as a failure.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quentor {

enum class Feld : std::uint8_t { zahl, laufnummer, Textanzahl, Label3, Label23, Label8, Label7 };

struct Feldname {
    Feld feld;
    std::string_view name;
};

inline constexpr std::array<Feldname, 7> anzeigefelder{{
    {Feld::zahl, "zahl"},             // number of the current spin, or "ENDE"; the user may type
    {Feld::laufnummer, "laufnummer"}, // spins made in this session
    {Feld::Textanzahl, "Textanzahl"}, // values held from the loaded permanence file
    {Feld::Label3, "Label3"},         // rotation number and position in it, "2 / 1"
    {Feld::Label23, "Label23"},       // numbers not come within the rotation ring (free)
    {Feld::Label8, "Label8"},         // numbers come within the rotation ring (occupied)
    {Feld::Label7, "Label7"},         // full path of the loaded permanence file
}};

constexpr std::size_t index(Feld feld) {
    return static_cast<std::size_t>(feld);
}

constexpr std::string_view name(Feld feld) {
    return anzeigefelder[index(feld)].name;
}

constexpr bool felderInReihenfolge() {
    for (std::size_t i = 0; i < anzeigefelder.size(); ++i) {
        if (index(anzeigefelder[i].feld) != i) {
            return false;
        }
    }
    return true;
}
static_assert(felderInReihenfolge(), "each display field stands at its own index");

} // namespace quentor
