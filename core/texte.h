#pragma once
// The program's own texts, exactly as the user sees them (blanks included).
// The window and the script driver both take them from here.

#include <string>
#include <string_view>

namespace quentor::texte {

inline constexpr std::string_view formtitel = "Tool / Quentor / V.2012.1";

inline constexpr std::string_view ende = "ENDE";
inline constexpr std::string_view rotationstrenner = " / ";

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
