#pragma once
// The controls of the window as data: name, kind, caption, place and size, colours, font,
// alignment, tooltip and accessible name, in the order they are created. The layout is absolute
// and never changes while the program runs. Each control's object name is its name; the indexed
// pair of option boxes `Check1` is "Check1(0)" and "Check1(1)".

#include <QColor>
#include <QFont>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <string_view>

class QWidget;

namespace quentor {

// Geometry is given in twips, 15 to a device-independent pixel.
inline constexpr int twipsJePixel = 15;
inline constexpr int pixel(int twips) {
    return twips / twipsJePixel;
}

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    QColor farbe() const { return {r, g, b}; }
};

struct Schrift {
    double punkte = 9.0;
    bool fett = true;
};

enum class Art {
    textfeld,     // single-line text box (QLineEdit)
    beschriftung, // label (QLabel)
    knopf,        // push button painted in its own background colour
    haken,        // option box without text of its own
    gitter        // the grid `tabelle`
};

struct Steuerelement {
    const char* name = "";
    Art art = Art::beschriftung;
    const char* text = ""; // caption (UTF-8); display fields start empty
    int links = 0;         // twips
    int oben = 0;
    int breite = 0;
    int hoehe = 0;
    std::optional<Rgb> hintergrund{}; // none: transparent, or the platform's
    std::optional<Rgb> textfarbe{};   // none: the system text colour
    std::optional<Schrift> schrift{}; // none: the window font
    Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop;
    const char* tooltip = "";
    const char* rolle = ""; // accessible name when the control has no caption
    bool rahmen = false;    // thin single-line border
};

inline constexpr int fensterbreiteTwips = 6360;
inline constexpr int fensterhoeheTwips = 8025;
inline constexpr Rgb fensterhintergrund{224, 224, 224};
inline constexpr Schrift fensterschrift{9.0, true};

extern const std::array<Steuerelement, 23> steuerelemente;
// Keyboard focus order; the first holds the focus when the window opens.
extern const std::array<const char*, 11> tabulatorfolge;

QString qtext(std::string_view utf8);
QFont arial(Schrift schrift);
// Creates one control with `eltern` as its parent, with its object name and its whole look.
QWidget* erzeuge(const Steuerelement& element, QWidget* eltern);

} // namespace quentor
