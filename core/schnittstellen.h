#pragma once
// What the session core needs from its window, as small interfaces. The Qt window implements
// them with its controls; the tests and the script driver implement them in memory.

#include <string>
#include <string_view>

namespace quentor {

// The display fields: texts the core writes and the window shows in the controls of the same
// names. Only `zahl` is ever read back (the user can type into it).
enum class Feld { zahl, laufnummer, Textanzahl, Label3, Label7, Label8, Label23 };

class Anzeige {
  public:
    virtual ~Anzeige() = default;
    virtual void setzeText(Feld feld, std::string_view text) = 0;
    virtual std::string text(Feld feld) const = 0;
    // Repaints one field at once, while an event is still running (live display of a rotation).
    virtual void neuZeichnen(Feld feld) = 0;
};

// The two option boxes Check1(0) (zero left out) and Check1(1) (clear the table at every
// rotation boundary): 1 when ticked, 0 when not.
class Optionsfelder {
  public:
    virtual ~Optionsfelder() = default;
    virtual int haken(int index) const = 0;
};

// A modal message box with a warning icon and an OK button; returns once it is closed.
class Meldungen {
  public:
    virtual ~Meldungen() = default;
    virtual void warnung(std::string_view titel, std::string_view text) = 0;
};

// Uniform reals r with 0 <= r < 1 in single precision; never 1.0.
class Zufallsquelle {
  public:
    virtual ~Zufallsquelle() = default;
    virtual float naechste() = 0;
};

// The file-open dialog: shown modally with a title and a filter ("description|pattern"); returns
// the chosen file's full path, or an empty string when nothing was chosen.
class Dateidialog {
  public:
    virtual ~Dateidialog() = default;
    virtual std::string oeffnen(std::string_view titel, std::string_view filter) = 0;
};

} // namespace quentor
