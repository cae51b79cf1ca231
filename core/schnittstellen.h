#pragma once
// What the session core needs from the outside, as small interfaces. The Qt window implements
// them with its controls, boxes and dialog; the tests and the script driver implement them in
// memory; the permanence reader in import/ implements Permanenzleser.

#include "felder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quentor {

// The display fields (felder.h). Only `zahl` is ever read back: the user can type into it.
class Anzeige {
  public:
    virtual ~Anzeige() = default;
    virtual void setzeText(Feld feld, std::string_view text) = 0;
    virtual std::string text(Feld feld) const = 0;
    // Repaints one field at once, while an event is still running (live display of a rotation).
    virtual void neuZeichnen(Feld feld) = 0;
    // The table model has been recoloured or redrawn: the display shows it at once, also while
    // an event is still running. The one moment the display learns of a change of the table.
    virtual void tabelleGeaendert() = 0;
    // Tells a screen reader, politely and once, what an action has shown: after a spin its
    // number, rotation and counts, at the limit "ENDE". Nothing else is said this way.
    virtual void ansagen(std::string_view text) = 0;
};

// The two option boxes Check1(0) (zero left out) and Check1(1) (clear the table at every
// rotation boundary): 1 when ticked, 0 when not.
class Optionsfelder {
  public:
    virtual ~Optionsfelder() = default;
    virtual int haken(int index) const = 0;
};

// The core's messages: modal boxes with a warning icon and an OK button, each returning once the
// user has closed it.
class Meldungen {
  public:
    virtual ~Meldungen() = default;
    virtual void warnung(std::string_view titel, std::string_view text) = 0;
};

// The core's questions: modal boxes with a question icon and the buttons Yes (the default) and
// No, each returning once answered; true only for Yes.
class Fragen {
  public:
    virtual ~Fragen() = default;
    virtual bool frage(std::string_view titel, std::string_view text) = 0;
};

// Uniform reals r with 0 <= r < 1 in single precision; never 1.0.
class Zufallsquelle {
  public:
    virtual ~Zufallsquelle() = default;
    virtual float naechste() = 0;
};

// The file-open dialog: shown modally with a title and a filter ("description|pattern"), opened
// on `vorgabe` (a full path, UTF-8; empty: where the dialog likes). Returns the chosen file's full
// path (UTF-8), or nothing when the user cancelled.
class Dateidialog {
  public:
    virtual ~Dateidialog() = default;
    virtual std::optional<std::string> oeffnen(std::string_view titel, std::string_view filter,
                                               const std::string& vorgabe) = 0;
};

enum class Leseergebnis {
    gelesen,         // the values were read (possibly none)
    formatUngueltig, // item 1 does not begin with "Spielbank"
    lesefehler       // the file is missing, no regular file, not readable, or reading failed
};

struct Permanenzdaten {
    Leseergebnis ergebnis = Leseergebnis::lesefehler;
    std::vector<double> werte; // in file order; empty unless `gelesen`
};

// Reads a permanence file given by its path (UTF-8): at most `hoechstens` values, and no further
// into the file than they reach.
class Permanenzleser {
  public:
    virtual ~Permanenzleser() = default;
    virtual Permanenzdaten lies(const std::string& pfad, std::size_t hoechstens) = 0;
};

} // namespace quentor
