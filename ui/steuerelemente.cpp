#include "steuerelemente.h"

#include "anzeigelabel.h"
#include "hellepalette.h"
#include "tabelle.h"
#include "tabellenansicht.h"
#include "umrechnung.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

namespace quentor {

namespace {

// One control: kind, caption, place and size, colours, font, alignment, tooltip, accessible name
// and place in the focus order.
struct Steuerelement {
    std::optional<Feld> feld{};       // the display field it shows; gives its name
    std::optional<Element> element{}; // how the window reaches it after creation
    std::string_view name{};          // object name, unless it shows a display field
    Steuerart art = Steuerart::beschriftung;
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

constexpr Farbe feldgrau = rgb(220, 220, 220);
constexpr Farbe mittelgrau = rgb(128, 128, 128);
constexpr Farbe dunkelgrau = rgb(64, 64, 64);
constexpr Farbe gruen = rgb(0, 128, 0);
constexpr Farbe blau = rgb(0, 0, 192);
constexpr Farbe hellgruen = rgb(128, 255, 128);
constexpr Farbe knopfgruen = farbefrei; // the green of the free cells
constexpr Farbe knopfgrau = rgb(192, 192, 192);
constexpr Farbe schwarz = rgb(0, 0, 0);
constexpr Farbe zellentextgruen = rgb(0, 64, 0);

constexpr Schrift klein{8.25, true};
constexpr Schrift kleinNormal{8.25, false};
constexpr Schrift normal{9.0, false};
constexpr Schrift mittel{9.75, true};
constexpr Schrift gross{12.0, true};

constexpr Qt::Alignment zentriert = Qt::AlignCenter;

// The controls in the order they are created.
// clang-format off
constexpr std::array<Steuerelement, 23> steuerelemente{{
    {.name = "Label25", .text = "Frei:", .links = 1320, .oben = 240, .breite = 405, .hoehe = 255,
     .hintergrund = hellgrau, .textfarbe = dunkelgrau,
     .tooltip = " Zeigt die aktuelle Anzahl der nichtgekommenen Zahlen innerhalb der "
                "eingestellten Rotation an ",
     .nennt = Feld::Label23},
    {.feld = Feld::Label23, .links = 1860, .oben = 225, .breite = 375, .hoehe = 225,
     .hintergrund = feldgrau, .textfarbe = gruen, .schrift = gross,
     .bedeutung = "Anzahl freier Zahlen"},
    {.feld = Feld::Label7, .links = 2640, .oben = 240, .breite = 3615, .hoehe = 255,
     .hintergrund = hellgrau, .textfarbe = mittelgrau, .schrift = kleinNormal,
     .bedeutung = "Pfad der geladenen Datei"},
    // Black where no cell covers the grid and between the cells; the cells' text dark green.
    {.element = Element::tabelle, .name = "tabelle", .art = Steuerart::gitter, .links = 720,
     .oben = 600, .breite = 2385, .hoehe = 6450, .hintergrund = schwarz,
     .textfarbe = zellentextgruen, .schrift = mittel, .rolle = "Roulettetisch", .tabstopp = 1},
    {.name = "Label9", .text = "Belegt:", .links = 1080, .oben = 7200, .breite = 645, .hoehe = 255,
     .hintergrund = hellgrau, .textfarbe = dunkelgrau, .nennt = Feld::Label8},
    {.feld = Feld::Label8, .links = 1890, .oben = 7170, .breite = 375, .hoehe = 225,
     .hintergrund = feldgrau, .textfarbe = gruen, .schrift = gross,
     .bedeutung = "Anzahl belegter Zahlen"},
    {.name = "Label5", .text = "LFN", .links = 3960, .oben = 720, .breite = 495, .hoehe = 255,
     .hintergrund = feldgrau, .textfarbe = mittelgrau, .nennt = Feld::laufnummer},
    {.name = "Label6", .text = "MAX.", .links = 4950, .oben = 720, .breite = 495, .hoehe = 255,
     .hintergrund = feldgrau, .textfarbe = mittelgrau, .nennt = Feld::Textanzahl},
    {.feld = Feld::laufnummer, .art = Steuerart::textfeld, .links = 3720, .oben = 960, .breite = 855,
     .hoehe = 405, .hintergrund = hellgruen, .schrift = gross, .ausrichtung = zentriert,
     .bedeutung = "Laufnummer (Anzahl der Würfe)", .tabstopp = 3},
    {.feld = Feld::Textanzahl, .art = Steuerart::textfeld, .links = 4800, .oben = 960, .breite = 735,
     .hoehe = 375, .hintergrund = hellgrau, .schrift = mittel, .ausrichtung = zentriert,
     .bedeutung = "Anzahl der Werte aus der Datei", .tabstopp = 11},
    {.name = "Label22", .text = "ZAHL", .links = 3960, .oben = 1560, .breite = 495, .hoehe = 255,
     .hintergrund = feldgrau, .textfarbe = mittelgrau, .schrift = klein, .nennt = Feld::zahl},
    {.feld = Feld::zahl, .art = Steuerart::textfeld, .links = 3720, .oben = 1800, .breite = 855,
     .hoehe = 390, .hintergrund = hellgruen, .schrift = gross, .ausrichtung = zentriert,
     .bedeutung = "Aktuelle Zahl", .tabstopp = 4},
    {.name = "Label4", .text = "ROTAT", .links = 3840, .oben = 2370, .breite = 615, .hoehe = 255,
     .hintergrund = feldgrau, .textfarbe = mittelgrau, .schrift = klein, .nennt = Feld::Label3},
    {.feld = Feld::Label3, .links = 3600, .oben = 2640, .breite = 1095, .hoehe = 375,
     .hintergrund = hellgrau, .textfarbe = blau, .schrift = mittel, .ausrichtung = zentriert,
     .bedeutung = "Rotation und Position", .rahmen = true},
    {.element = Element::Check1_0, .name = "Check1(0)", .art = Steuerart::haken, .links = 3720,
     .oben = 3840, .breite = 255, .hoehe = 255, .tabstopp = 8},
    {.name = "Label1", .text = "36 Zahlen (ohne Zero)", .links = 4080, .oben = 3840, .breite = 2055,
     .hoehe = 255, .hintergrund = hellgrau, .schrift = normal, .nennt = Element::Check1_0},
    {.element = Element::Check1_1, .name = "Check1(1)", .art = Steuerart::haken, .links = 3720,
     .oben = 4080, .breite = 255, .hoehe = 255, .tabstopp = 9},
    {.name = "Label2", .text = "löschen nach Rotation", .links = 4080, .oben = 4080, .breite = 1935,
     .hoehe = 255, .hintergrund = hellgrau, .schrift = normal, .nennt = Element::Check1_1},
    {.element = Element::okwurf, .name = "okwurf", .art = Steuerart::knopf, .text = "Wurf", .links = 3360,
     .oben = 5040, .breite = 900, .hoehe = 540, .hintergrund = knopfgruen, .schrift = mittel,
     .tabstopp = 2},
    {.element = Element::okstep, .name = "okstep", .art = Steuerart::knopf, .text = "Rotat",
     .links = 4440, .oben = 5040, .breite = 900, .hoehe = 540, .hintergrund = knopfgruen,
     .schrift = mittel, .tooltip = "1 komplette Rotation", .tabstopp = 7},
    {.element = Element::okdatei, .name = "okdatei", .art = Steuerart::knopf, .text = "Datei",
     .links = 4440, .oben = 6000, .breite = 855, .hoehe = 375, .hintergrund = knopfgrau,
     .tabstopp = 10},
    {.element = Element::okneu, .name = "okneu", .art = Steuerart::knopf, .text = "Neu", .links = 3360,
     .oben = 6600, .breite = 900, .hoehe = 375, .hintergrund = knopfgrau, .schrift = mittel,
     .tooltip = "Reset und Neuanfang", .tabstopp = 5},
    {.element = Element::okende, .name = "okende", .art = Steuerart::knopf, .text = "Ende", .links = 4440,
     .oben = 6600, .breite = 900, .hoehe = 375, .hintergrund = knopfgrau, .schrift = mittel,
     .tabstopp = 6},
}};
// clang-format on

// Each display field and each element has exactly one control, of the kind the window expects,
// only labels name other controls, and no two controls share a place in the focus order.
constexpr bool vollstaendig() {
    std::array<int, anzeigefelder.size()> felder{};
    std::array<int, elementanzahl> elemente{};
    std::array<int, steuerelemente.size() + 1> tabstopps{};
    for (const Steuerelement& e : steuerelemente) {
        if (e.feld) {
            felder[index(*e.feld)] += e.art == artVon(*e.feld) ? 1 : 2;
        }
        if (e.element) {
            elemente[static_cast<std::size_t>(*e.element)] += e.art == artVon(*e.element) ? 1 : 2;
        }
        tabstopps[static_cast<std::size_t>(e.tabstopp)] += e.tabstopp > 0 ? 1 : 0;
        if (!std::holds_alternative<std::monostate>(e.nennt) && e.art != Steuerart::beschriftung) {
            return false;
        }
    }
    const auto einmal = [](int n) { return n == 1; };
    return std::all_of(felder.begin(), felder.end(), einmal) &&
           std::all_of(elemente.begin(), elemente.end(), einmal) &&
           std::none_of(tabstopps.begin(), tabstopps.end(), [](int n) { return n > 1; });
}
static_assert(vollstaendig());

} // namespace

QFont arial(Schrift schrift) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(schrift.punkte);
    font.setWeight(schrift.fett ? QFont::Bold : QFont::Normal);
    return font;
}

namespace {

void faerbe(QWidget& w, QPalette::ColorRole flaeche, const Steuerelement& e) {
    QPalette palette = w.palette();
    if (e.hintergrund) {
        palette.setColor(flaeche, qfarbe(*e.hintergrund));
        w.setAutoFillBackground(flaeche == QPalette::Window);
    }
    if (e.textfarbe) {
        palette.setColor(flaeche == QPalette::Base ? QPalette::Text : QPalette::WindowText,
                         qfarbe(*e.textfarbe));
    }
    w.setPalette(palette);
}

QWidget* beschriftung(const Steuerelement& e, QWidget* eltern) {
    QLabel* label = e.feld ? new Anzeigelabel(eltern) : new QLabel(qtext(e.text), eltern);
    label->setTextFormat(Qt::PlainText); // a file path is never taken for markup
    label->setAlignment(e.ausrichtung);
    faerbe(*label, QPalette::Window, e);
    if (e.rahmen) {
        label->setStyleSheet(QStringLiteral("QLabel { border: 1px solid black; }"));
    }
    return label;
}

QWidget* textfeld(const Steuerelement& e, QWidget* eltern) {
    auto* feld = new QLineEdit(eltern);
    feld->setAlignment(e.ausrichtung);
    feld->setMaxLength(std::numeric_limits<int>::max());
    faerbe(*feld, QPalette::Base, e);
    return feld;
}

// A style sheet paints the face in the button's own colour under every platform style; the
// outset border keeps it looking like a button, inset while pressed. A widget with a style sheet
// takes the application's palette instead of its parent's, so the caption's colour comes from the
// window's fixed palette set on the button itself.
QWidget* knopf(const Steuerelement& e, QWidget* eltern) {
    auto* button = new QPushButton(qtext(e.text), eltern);
    button->setPalette(hellePalette());
    button->setAutoDefault(false);
    button->setDefault(false);
    const QString farbe = qfarbe(e.hintergrund.value_or(0)).name();
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset "
                                         "%1; } QPushButton:pressed { border-style: inset; } "
                                         "QPushButton:focus { border-color: %2; }")
                              .arg(farbe, QColor(Qt::darkGray).name()));
    return button;
}

QWidget* baueWidget(const Steuerelement& e, QWidget* eltern) {
    switch (e.art) {
    case Steuerart::textfeld:
        return textfeld(e, eltern);
    case Steuerart::beschriftung:
        return beschriftung(e, eltern);
    case Steuerart::knopf:
        return knopf(e, eltern);
    case Steuerart::haken:
        return new QCheckBox(eltern);
    case Steuerart::gitter: {
        auto* gitter = new Tabellenansicht(eltern);
        faerbe(*gitter, QPalette::Base, e);
        return gitter;
    }
    }
    return nullptr;
}

QWidget* erzeuge(const Steuerelement& e, QWidget* eltern) {
    QWidget* w = baueWidget(e, eltern);
    w->setObjectName(qtext(e.feld ? name(*e.feld) : e.name));
    w->setGeometry(pixel(e.links), pixel(e.oben), pixel(e.breite), pixel(e.hoehe));
    w->setFont(arial(e.schrift.value_or(formschrift)));
    w->setToolTip(qtext(e.tooltip));
    w->setAccessibleName(qtext(!e.rolle.empty() ? e.rolle : e.text));
    w->setAccessibleDescription(qtext(e.bedeutung));
    return w;
}

// The caption becomes the label of the control it names; a text box or option box is called by
// the caption, a display label by what it shows.
void verbinde(QLabel& beschriftung, QWidget& genannt) {
    beschriftung.setBuddy(&genannt);
    if (qobject_cast<QLabel*>(&genannt) == nullptr) {
        genannt.setAccessibleName(beschriftung.text());
    }
}

QWidget* genanntes(const Erzeugt& erzeugt, const std::variant<std::monostate, Feld, Element>& n) {
    QWidget* genannt = nullptr;
    if (const auto* feld = std::get_if<Feld>(&n)) {
        genannt = erzeugt.felder[index(*feld)];
    } else if (const auto* element = std::get_if<Element>(&n)) {
        genannt = erzeugt.elemente[static_cast<std::size_t>(*element)];
    }
    return genannt;
}

} // namespace

Erzeugt erzeugeSteuerelemente(QWidget* eltern) {
    Erzeugt erzeugt;
    std::map<int, QWidget*> fokusfolge;
    std::vector<std::pair<QLabel*, const Steuerelement*>> beschriftungen;
    for (const Steuerelement& e : steuerelemente) {
        QWidget* w = erzeuge(e, eltern);
        if (!std::holds_alternative<std::monostate>(e.nennt)) {
            beschriftungen.emplace_back(static_cast<QLabel*>(w), &e);
        }
        if (e.feld) {
            erzeugt.felder[index(*e.feld)] = w;
        }
        if (e.element) {
            erzeugt.elemente[static_cast<std::size_t>(*e.element)] = w;
        }
        if (e.tabstopp > 0) {
            fokusfolge.emplace(e.tabstopp, w);
        }
    }
    for (const auto& [platz, w] : fokusfolge) {
        erzeugt.tabulatorfolge.push_back(w);
    }
    for (const auto& [beschriftung, e] : beschriftungen) {
        verbinde(*beschriftung, *genanntes(erzeugt, e->nennt));
    }
    return erzeugt;
}

} // namespace quentor
