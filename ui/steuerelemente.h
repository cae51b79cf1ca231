#pragma once
// The controls of the window as data: kind, caption, place and size, colours, font, alignment,
// tooltip, accessible name and place in the focus order, in the order they are created. The
// layout is absolute and never changes while the program runs. A control that shows a display
// field is named by its Feld (felder.h); the controls the window acts on after creating them by
// their Element; the captions only by their object name.

#include "farbe.h"
#include "felder.h"

#include <QFont>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

class QWidget;

namespace quentor {

// The controls besides the display fields that Form1 acts on after creating them.
enum class Element : std::uint8_t {
    tabelle,
    Check1_0,
    Check1_1,
    okwurf,
    okstep,
    okdatei,
    okneu,
    okende
};
inline constexpr std::size_t elementanzahl = 8;

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
    std::optional<Feld> feld{};       // the display field it shows; gives its name
    std::optional<Element> element{}; // how the window reaches it after creation
    std::string_view name{};          // object name, unless it shows a display field
    Art art = Art::beschriftung;
    std::string_view text{}; // caption (UTF-8); display fields start empty
    int links = 0;           // twips
    int oben = 0;
    int breite = 0;
    int hoehe = 0;
    std::optional<Farbe> hintergrund{}; // none: transparent, or the platform's
    std::optional<Farbe> textfarbe{};   // none: the system text colour
    std::optional<Schrift> schrift{};   // none: the window font
    Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop;
    std::string_view tooltip{};
    std::string_view rolle{};     // accessible name of a control that shows no name of its own
    std::string_view bedeutung{}; // accessible description: what the shown value means
    std::variant<std::monostate, Feld, Element> nennt{}; // the control a caption names
    int tabstopp = 0;    // place in the keyboard focus order from 1; 0 takes no focus
    bool rahmen = false; // thin single-line border
};

inline constexpr int fensterbreiteTwips = 6360;
inline constexpr int fensterhoeheTwips = 8025;
inline constexpr Farbe fensterhintergrund = rgb(224, 224, 224);
inline constexpr Schrift fensterschrift{9.0, true};

extern const std::array<Steuerelement, 23> steuerelemente;

// What creating the controls yields. The window owns them all as their parent.
struct Erzeugt {
    std::array<QWidget*, anzeigefelder.size()> felder{}; // by Feld
    std::array<QWidget*, elementanzahl> elemente{};      // by Element
    std::vector<QWidget*> tabulatorfolge;                // the first holds the focus at start
};

// Creates every control with `eltern` as its parent, with its object name and its whole look. A
// caption becomes the label (buddy) of the control it names; a text box or option box takes its
// accessible name from it, while a display label's accessible name is always the text it shows.
Erzeugt erzeugeSteuerelemente(QWidget* eltern);
QFont arial(Schrift schrift);

} // namespace quentor
