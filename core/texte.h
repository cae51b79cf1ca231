#pragma once
// The program's own texts, exactly as the user sees them (blanks included).
// The window and the script driver both take them from here.

#include <string>
#include <string_view>

namespace quentor::texte {

inline constexpr std::string_view formtitel = "Tool / Quentor / V.2012.1";

inline constexpr std::string_view ende = "ENDE";
inline constexpr std::string_view rotationstrenner = " / ";

// What a screen reader is told after a spin, "17, Rotation 1 / 3, frei 35, belegt 2": the number,
// then these three, each followed by the value shown in its field.
inline constexpr std::string_view ansageRotation = ", Rotation ";
inline constexpr std::string_view ansageFrei = ", frei ";
inline constexpr std::string_view ansageBelegt = ", belegt ";

// A cell's state as a screen reader says it after the cell's number ("17, frei"), since the
// colour alone shows it; the zero cell while the zero is left out says that first.
inline constexpr std::string_view zustandFrei = "frei";
inline constexpr std::string_view zustandGekommen = "gekommen";
inline constexpr std::string_view zustandAktuell = "aktuell";
inline constexpr std::string_view zeroAusgelassen = "ausgelassen";
inline constexpr std::string_view zustandstrenner = ", ";

inline constexpr std::string_view dialogtitel = "Datei Öffnen";
inline constexpr std::string_view dialogfilter = "Dateien (*.txt)|*.txt";

inline constexpr std::string_view fehlertitel = " Fehler! ";
inline constexpr std::string_view ungueltigesFormat =
    "Diese Datei hat ein ungültiges Datenformat! ";
inline constexpr std::string_view nichtLesbar = "Die Datei kann nicht gelesen werden! ";

inline constexpr std::string_view neuTitel = " Neuanfang";
inline constexpr std::string_view neuFrage = "Bitte bestätigen... ";
inline constexpr std::string_view endeTitel = " Beenden";
inline constexpr std::string_view endeFrage = "Bitte bestätigen...   ";

// "Die Permanenz enthält an Position N keine gültige Zahl! "
inline std::string ungueltigePermanenz(int position) {
    return "Die Permanenz enthält an Position " + std::to_string(position) +
           " keine gültige Zahl! ";
}

} // namespace quentor::texte
