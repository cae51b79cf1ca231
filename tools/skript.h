#pragma once
// The script driver: runs one command a line against one session, exactly as the window's events
// would, and writes one JSON object a line for every state shown (`zeige`) and for every dialog,
// question or message box at the moment it appears.

#include "speicherfenster.h"
#include "spieltisch.h"

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quentor {

class Skript {
  public:
    enum class Ausgang { weiter, beendet, fehler };

    explicit Skript(std::ostream& aus);
    // Runs one line; on `fehler`, `grund` says what is wrong with it.
    Ausgang zeile(std::string_view zeile, std::string& grund);
    nlohmann::ordered_json zustand() const;

  private:
    Ausgang befehl(std::string_view wort, std::string_view rest, bool hatRest, std::string& grund);
    void frage(std::string_view titel, std::string_view text);
    void schreibe(const nlohmann::ordered_json& objekt);

    std::ostream& aus_;
    Speicherfenster fenster_;
    Vorgabezufall zufall_;
    Spieltisch tisch_;
};

// Reads the whole script; returns the exit status (0, or 2 at a line it cannot run).
int fuehreSkriptAus(std::istream& ein, std::ostream& aus, std::ostream& fehler);

} // namespace quentor
