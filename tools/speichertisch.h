#pragma once
// A session wired to the in-memory window, driven as the window's events drive the real one: the
// user's actions on it (type into the number box, tick a box, choose or cancel a file, answer a
// question), a random source whose draws can be given, and a reader that reads files from disk or
// hands over given data instead. The script driver, the tests, the fuzz targets and the
// benchmarks are built on it.

#include "permanenzleser.h"
#include "speicherfenster.h"
#include "spieltisch.h"

#include <optional>
#include <string>
#include <string_view>

namespace quentor {

// Reads permanence files from disk, or hands over `vorgabe` for every file while it is set;
// either way no more values than asked for.
class Vorgabeleser : public Permanenzleser {
  public:
    Permanenzdaten lies(const std::string& pfad, std::size_t hoechstens) override;

    std::optional<Permanenzdaten> vorgabe;

  private:
    Dateileser datei_;
};

class Speichertisch {
  public:
    // The window opens: the session starts.
    Speichertisch();
    Speichertisch(const Speichertisch&) = delete;
    Speichertisch& operator=(const Speichertisch&) = delete;

    // The user types `text` into the number box.
    void tippe(std::string_view text);
    // The user toggles option box `index` (0 or 1); its click applies both boxes.
    void klickeHaken(int index);
    // "Datei", and `pfad` chosen in the dialog.
    void lade(std::string pfad);
    // "Datei", and the dialog cancelled.
    void ladeAbgebrochen();
    // "Neu", and its question answered.
    void neu(bool ja);
    // "Ende", and its question answered; true when the program is to end.
    bool ende(bool ja);

    // Built in this order: the Spieltisch keeps references to the three before it.
    Speicherfenster fenster;
    Vorgabezufall zufall;
    Vorgabeleser leser;
    Spieltisch tisch{Umgebung{fenster, fenster, fenster, fenster, zufall, leser}};
};

} // namespace quentor
