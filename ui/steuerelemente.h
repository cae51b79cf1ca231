#pragma once
// Creating the window's controls: what Form1 gets back, and the kinds it may take them as. The
// controls themselves, as data, are the table in steuerelemente.cpp. The layout is absolute and
// never changes while the program runs. A control that shows a display field is named by its Feld
// (felder.h), the controls the window acts on after creating them by their Element, the captions
// only by their object name.

#include "farbe.h"
#include "felder.h"

#include <QFont>

#include <array>
#include <cstdint>
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

enum class Steuerart {
    textfeld,     // single-line text box (QLineEdit)
    beschriftung, // label (QLabel)
    knopf,        // push button painted in its own background colour
    haken,        // option box without text of its own
    gitter        // the grid `tabelle`
};

// The kind of control that shows each display field and that each element is. The control table
// is checked against these when it is compiled, so the window may take a control as its kind.
constexpr Steuerart artVon(Feld feld) {
    switch (feld) {
    case Feld::zahl:
    case Feld::laufnummer:
    case Feld::Textanzahl:
        return Steuerart::textfeld;
    default:
        return Steuerart::beschriftung;
    }
}

constexpr Steuerart artVon(Element element) {
    switch (element) {
    case Element::tabelle:
        return Steuerart::gitter;
    case Element::Check1_0:
    case Element::Check1_1:
        return Steuerart::haken;
    default:
        return Steuerart::knopf;
    }
}

// The window Form1: its size, its font, and the grey of its background and of most controls.
inline constexpr int formbreiteTwips = 6360;
inline constexpr int formhoeheTwips = 8025;
inline constexpr Farbe hellgrau = rgb(224, 224, 224);
inline constexpr Schrift formschrift{9.0, true};

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
