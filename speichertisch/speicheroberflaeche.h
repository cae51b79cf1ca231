#pragma once
// The window in memory: display fields as strings, option boxes as two flags, the file dialog and
// the questions answered by whoever drives it, every box (question, message, file dialog)
// reported to an observer at the moment it is shown, every repaint and the screen reader's
// messages recorded. Speichertisch
// drives it in place of the Qt window.

#include "kasten.h"
#include "schnittstellen.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quentor {

class Speicheroberflaeche : public Anzeige,
                            public Optionsfelder,
                            public Meldungen,
                            public Fragen,
                            public Dateidialog {
  public:
    void setzeText(Feld feld, std::string_view text) override;
    std::string text(Feld feld) const override;
    void neuZeichnen(Feld feld) override;
    void tabelleGeaendert() override;
    void ansagen(std::string_view text) override;
    int haken(int index) const override;
    void warnung(std::string_view titel, std::string_view text) override;
    // Answers with what antworte() set, once; No when nothing was set.
    bool frage(std::string_view titel, std::string_view text) override;
    // Reports the path set by waehle(), or nothing after abbrechen().
    std::optional<std::string> oeffnen(std::string_view titel, std::string_view filter,
                                       const std::string& vorgabe) override;

    // The user ticks or unticks a box; the caller then runs the box's click.
    void setzeHaken(int index, int zustand);
    // How the user will answer the next question.
    void antworte(bool ja) { antwort_ = ja; }
    // How the user will answer the next file dialog.
    void waehle(std::string pfad) { wahl_ = std::move(pfad); }
    void abbrechen() { wahl_.reset(); }

    // Called with every box at the moment it is shown; may be empty.
    std::function<void(const Kasten&)> beobachter;

    // Every box shown, in order.
    const std::vector<Kasten>& gezeigteKaesten() const { return gezeigteKaesten_; }
    // The controls repainted at once, by name, in order; the grid as `tabellenname`.
    const std::vector<std::string_view>& neuGezeichnet() const { return neuGezeichnet_; }
    // What a screen reader was told last, and how often it was told something.
    const std::string& letzteAnsage() const { return letzteAnsage_; }
    int ansagen() const { return ansagen_; }
    // Forgets the boxes, repaints and messages recorded so far.
    void vergiss();

  private:
    void zeige(Kasten kasten);

    std::array<std::string, anzeigefelder.size()> felder_;
    std::array<int, 2> haken_{};
    bool antwort_ = false;
    std::optional<std::string> wahl_;
    std::vector<Kasten> gezeigteKaesten_;
    std::vector<std::string_view> neuGezeichnet_;
    std::string letzteAnsage_;
    int ansagen_ = 0;
};

} // namespace quentor
