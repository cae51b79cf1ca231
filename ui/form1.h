#pragma once
// Form1, the program's one window.
//
// A click on "Wurf" reaches okwurf_Click(), which runs one spin of the core (Spieltisch::wurf).
// The core writes its display fields through Anzeige::setzeText() into the controls of the same
// names (writing `zahl` raises zahl_Change(), which turns its text black and enables "Wurf"),
// recolours its table model and says so through tabelleGeaendert(), where the grid `tabelle` is
// repainted, and has `laufnummer`, `zahl` and `Label3` repainted at once through neuZeichnen(),
// so that a whole rotation can be followed while it runs; a screen reader is told of the rotation
// once, when it has ended (zugangspause.h). The window decides nothing: each event
// calls one operation of the core, which asks its questions, shows its messages and opens the file
// dialog `Dialog1` through the window's boxes (kaesten.h).

#include "dateileser.h"
#include "kaesten.h"
#include "schnittstellen.h"
#include "spieltisch.h"
#include "tabellenansicht.h"
#include "zugangspause.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quentor {

class Form1 : public QWidget,
              private Anzeige,
              private Optionsfelder,
              private Meldungen,
              private Fragen,
              private Dateidialog {
    Q_OBJECT

  public:
    // `zufall` draws the random spins; without one the window seeds its own from the clock.
    // `kaesten` shows the questions, messages and the file dialog: Qt's own unless others are
    // given (a test answers them so).
    explicit Form1(std::unique_ptr<Zufallsquelle> zufall = nullptr, Kaesten kaesten = {},
                   QWidget* eltern = nullptr);
    ~Form1() override;

    const Spieltisch& spieltisch() const { return tisch_; }

  private:
    void Form_Load();
    void okwurf_Click();
    void okstep_Click();
    void okneu_Click();
    void okende_Click();
    void okdatei_Click();
    void Check1_Click(int index);
    void zahl_Change();

    void erzeugeSteuerelemente();
    void verbindeEreignisse();
    // The controls whose accessibility events a rotation holds back: the display fields, the grid.
    std::vector<QWidget*> anzeigenUndTabelle() const;

    void setzeText(Feld feld, std::string_view text) override;
    std::string text(Feld feld) const override;
    void neuZeichnen(Feld feld) override;
    void tabelleGeaendert() override;
    void ansagen(std::string_view text) override;
    int haken(int index) const override;
    void warnung(std::string_view titel, std::string_view text) override;
    bool frage(std::string_view titel, std::string_view text) override;
    std::optional<std::string> oeffnen(std::string_view titel, std::string_view filter,
                                       const std::string& vorgabe) override;

    // Members are built in this order and die in reverse: the Spieltisch keeps references to the
    // random source and the reader (and to the window itself, whose controls exist from
    // erzeugeSteuerelemente() on, before the core first writes to them in Form_Load); the model
    // shows the Spieltisch's table.
    std::unique_ptr<Zufallsquelle> zufall_;
    Kaesten kaesten_;
    Dateileser leser_;
    Spieltisch tisch_;
    Tabellenmodell modell_;

    // The controls, created with the window as their parent: they die in ~QWidget, after the
    // members above.
    std::array<QWidget*, anzeigefelder.size()> anzeigen_{}; // by Feld
    QLineEdit* zahl = nullptr;
    Tabellenansicht* tabelle = nullptr;
    std::array<QCheckBox*, 2> Check1{};
    QPushButton* okwurf = nullptr;
    QPushButton* okstep = nullptr;
    QPushButton* okneu = nullptr;
    QPushButton* okende = nullptr;
    QPushButton* okdatei = nullptr;

    // While "Rotat" runs: what a screen reader is told of it waits for its end.
    std::optional<Zugangspause> pause_;
};

} // namespace quentor
