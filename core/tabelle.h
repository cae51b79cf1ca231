#pragma once
// The picture of the roulette table: 13 rows by 3 columns, one cell per number 0..36 and two
// blank cells in row 0. A number cell's background is the only record of that number's state
// in the current rotation (free, came earlier, current), and the free count is read back from it.

#include "farbe.h"
#include "zahlen.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quentor {

inline constexpr Farbe farbefrei = rgb(102, 153, 102);   // not come in the current rotation
inline constexpr Farbe farbegekommen = rgb(255, 187, 0); // came earlier in the rotation
inline constexpr Farbe farbeaktuell = rgb(0, 255, 0);    // number of the latest spin

inline constexpr int zeilenanzahl = 13;
inline constexpr int spaltenanzahl = 3;
inline constexpr int spaltenbreiteTwips = 800;
inline constexpr int zeilenhoeheTwips = 488;

// Column and row of number n (0..36) on the table, zero on top in the middle.
constexpr int zahlspalte(int n) {
    return n == 0 ? 1 : (n - 1) % 3;
}
constexpr int zahlzeile(int n) {
    return n == 0 ? 0 : (n - 1) / 3 + 1;
}
// Every cell holds a number but the two blank ones beside the zero.
constexpr bool istZahlzelle(int zeile, int spalte) {
    return zeile != zahlzeile(0) || spalte == zahlspalte(0);
}

// One cell as shown, its text centred in both directions. The text stays valid until the cell is
// written again.
struct Zelle {
    std::string_view text;
    Farbe farbe = 0;
};

class Tabelle {
  public:
    // Sets the geometry and draws every cell free: numbers 1..36, "0" in the zero cell, and the
    // two blank cells empty.
    void tabelleaufbau();
    // Redraws rows 1..12 free with their numbers; row 0 is left alone.
    void zahlenzeichnen();
    // Rewrites the zero cell free, without text while the zero is left out.
    void zerozelle(bool ohneZero);
    // Sets the background of number n's cell; a number without a cell (outside 0..36) paints
    // nothing.
    void faerben(int n, Farbe farbe);
    // Background of number n's cell; 0 (no colour of the table) for a number without a cell.
    Farbe farbevon(int n) const;
    // Numbers whose cell shows `farbefrei`: 1..36, and the zero too unless it is left out.
    int freie(bool ohneZero) const;
    // What a cell says to a screen reader, since its colour alone shows the number's state: the
    // number and its state ("17, frei", "17, gekommen", "17, aktuell"); the zero cell while the
    // zero is left out (it shows no text) "0, ausgelassen", and its state after that when a zero
    // drawn all the same is not free; a blank cell nothing.
    std::string lesung(int zeile, int spalte) const;

    Zelle zelle(int zeile, int spalte) const {
        const std::size_t i = stelle(zeile, spalte);
        return {texte_[i], farben_[i]};
    }
    int spaltenbreite(int spalte) const { return spaltenbreiten_[spalte]; }
    int zeilenhoehe(int zeile) const { return zeilenhoehen_[zeile]; }

  private:
    static constexpr std::size_t zellenanzahl = std::size_t{zeilenanzahl} * spaltenanzahl;
    // Cells row by row; the colours lie side by side, so counting them is one short loop.
    static constexpr std::size_t stelle(int zeile, int spalte) {
        return static_cast<std::size_t>(zeile) * spaltenanzahl + static_cast<std::size_t>(spalte);
    }
    void schreibe(int zeile, int spalte, std::string text);

    std::array<std::string, zellenanzahl> texte_{};
    std::array<Farbe, zellenanzahl> farben_{};
    std::array<int, spaltenanzahl> spaltenbreiten_{};
    std::array<int, zeilenanzahl> zeilenhoehen_{};
};

} // namespace quentor
