#pragma once
// The script driver: runs one command a line against one session, through the same core
// operations as the window's events, and writes one JSON object a line for every state shown
// (`zeige`) and for every dialog, question or message box at the moment it appears.

#include "speichertisch.h"

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace quentor {

class Skript {
  public:
    enum class Ausgang { weiter, beendet, fehler };
    struct Argumente; // of one command, as read from its line

    // Writes to `aus`, which must outlive the Skript.
    explicit Skript(std::ostream& aus);
    // Runs one line; on `fehler`, `grund` says what is wrong with it.
    Ausgang zeile(std::string_view zeile, std::string& grund);
    nlohmann::ordered_json zustand() const;
    // The commands with their arguments and what they do, one a line, for the usage text.
    static std::string uebersicht();

  private:
    struct Befehl;
    static const std::vector<Befehl>& befehle();

    Ausgang wurf(const Argumente&);
    Ausgang rotat(const Argumente&);
    Ausgang neu(const Argumente& a);
    Ausgang ende(const Argumente& a);
    Ausgang zahl(const Argumente& a);
    Ausgang haken(const Argumente& a);
    Ausgang datei(const Argumente& a);
    Ausgang zufall(const Argumente& a);
    Ausgang zeige(const Argumente&);
    void schreibe(const nlohmann::ordered_json& objekt);

    std::ostream& aus_;
    Speichertisch speicher_;
};

// Reads the whole script; returns the exit status (0, or 2 at a line it cannot run).
int fuehreSkriptAus(std::istream& ein, std::ostream& aus, std::ostream& fehler);

} // namespace quentor
