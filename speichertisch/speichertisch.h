#pragma once
// A session wired to the in-memory window, driven as the window's events drive the real one. It is
// the one door to such a session: every action the window offers is one method, the random draws
// and the files read can be given, and all that can be seen is read through const access. The
// script driver, the tests, the fuzz targets and the benchmarks are built on it.

#include "speicheroberflaeche.h"
#include "spieltisch.h"
#include "vorgaben.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quentor {

class Speichertisch {
  public:
    // The window opens: the session starts, on an in-memory window of its own.
    Speichertisch();
    // The same on `fenster`, which must outlive the Speichertisch: whoever gives the window can set
    // it up beforehand or meanwhile as no user action does (a field showing an old text, a box
    // ticked without its click).
    explicit Speichertisch(Speicheroberflaeche& fenster);
    Speichertisch(const Speichertisch&) = delete;
    Speichertisch& operator=(const Speichertisch&) = delete;

    // "Wurf".
    WurfErgebnis wurf();
    // "Rotat".
    void ganzerotation();
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

    // The next random draws; after them, those of a fixed seed.
    void vorgebenZufall(std::vector<float> werte) { zufall_.vorgeben(std::move(werte)); }
    // What every file read hands over while it is set; nothing: files are read from disk.
    void vorgebenDatei(std::optional<Permanenzdaten> daten) { leser_.vorgeben(std::move(daten)); }
    // Called with every box at the moment it is shown.
    void beobachte(std::function<void(const Kasten&)> beobachter);
    // Forgets the boxes and repaints recorded so far, so that a long run keeps no history.
    void vergiss() { oberflaeche_.vergiss(); }

    const Sitzung& sitzung() const { return spieltisch_.sitzung(); }
    const Tabelle& tabelle() const { return spieltisch_.tabelle(); }
    const Spieltisch& spieltisch() const { return spieltisch_; }
    // The fields, boxes and repaints as the window shows them.
    const Speicheroberflaeche& oberflaeche() const { return oberflaeche_; }

  private:
    // Built in this order: the Spieltisch keeps references to the window and the two sources.
    std::optional<Speicheroberflaeche> eigenes_; // the window when none was given
    Speicheroberflaeche& oberflaeche_;
    Vorgabezufall zufall_;
    Vorgabeleser leser_;
    Spieltisch spieltisch_{Umgebung{oberflaeche_, oberflaeche_, oberflaeche_, oberflaeche_,
                                    oberflaeche_, zufall_, leser_}};
};

} // namespace quentor
