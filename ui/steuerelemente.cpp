#include "steuerelemente.h"

#include "tabellenansicht.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace quentor {

namespace {

constexpr Rgb hellgrau{224, 224, 224};
constexpr Rgb feldgrau{220, 220, 220};
constexpr Rgb mittelgrau{128, 128, 128};
constexpr Rgb dunkelgrau{64, 64, 64};
constexpr Rgb gruen{0, 128, 0};
constexpr Rgb hellgruen{128, 255, 128};
constexpr Rgb knopfgruen{102, 153, 102};
constexpr Rgb knopfgrau{192, 192, 192};

constexpr Schrift klein{8.25, true};
constexpr Schrift kleinNormal{8.25, false};
constexpr Schrift normal{9.0, false};
constexpr Schrift mittel{9.75, true};
constexpr Schrift gross{12.0, true};

constexpr Qt::Alignment zentriert = Qt::AlignCenter;

} // namespace

// clang-format off
const std::array<Steuerelement, 23> steuerelemente{{
    {.name = "Label25", .art = Art::beschriftung, .text = "Frei:", .links = 1320, .oben = 240,
     .breite = 405, .hoehe = 255, .hintergrund = hellgrau, .textfarbe = dunkelgrau,
     .tooltip = " Zeigt die aktuelle Anzahl der nichtgekommenen Zahlen innerhalb der "
                "eingestellten Rotation an "},
    {.name = "Label23", .art = Art::beschriftung, .links = 1860, .oben = 225, .breite = 375,
     .hoehe = 225, .hintergrund = feldgrau, .textfarbe = gruen, .schrift = gross,
     .rolle = "Anzahl freier Zahlen"},
    {.name = "Label7", .art = Art::beschriftung, .links = 2640, .oben = 240, .breite = 3615,
     .hoehe = 255, .hintergrund = hellgrau, .textfarbe = mittelgrau, .schrift = kleinNormal,
     .rolle = "Pfad der geladenen Datei"},
    {.name = "tabelle", .art = Art::gitter, .links = 720, .oben = 600, .breite = 2385,
     .hoehe = 6450, .schrift = mittel, .rolle = "Roulettetisch"},
    {.name = "Label9", .art = Art::beschriftung, .text = "Belegt:", .links = 1080, .oben = 7200,
     .breite = 645, .hoehe = 255, .hintergrund = hellgrau, .textfarbe = dunkelgrau},
    {.name = "Label8", .art = Art::beschriftung, .links = 1890, .oben = 7170, .breite = 375,
     .hoehe = 225, .hintergrund = feldgrau, .textfarbe = gruen, .schrift = gross,
     .rolle = "Anzahl belegter Zahlen"},
    {.name = "Label5", .art = Art::beschriftung, .text = "LFN", .links = 3960, .oben = 720,
     .breite = 495, .hoehe = 255, .hintergrund = feldgrau, .textfarbe = mittelgrau},
    {.name = "Label6", .art = Art::beschriftung, .text = "MAX.", .links = 4950, .oben = 720,
     .breite = 495, .hoehe = 255, .hintergrund = feldgrau, .textfarbe = mittelgrau},
    {.name = "laufnummer", .art = Art::textfeld, .links = 3720, .oben = 960, .breite = 855,
     .hoehe = 405, .hintergrund = hellgruen, .schrift = gross, .ausrichtung = zentriert,
     .rolle = "Laufnummer (Anzahl der Würfe)"},
    {.name = "Textanzahl", .art = Art::textfeld, .links = 4800, .oben = 960, .breite = 735,
     .hoehe = 375, .hintergrund = hellgrau, .schrift = mittel, .ausrichtung = zentriert,
     .rolle = "Anzahl der Werte aus der Datei"},
    {.name = "Label22", .art = Art::beschriftung, .text = "ZAHL", .links = 3960, .oben = 1560,
     .breite = 495, .hoehe = 255, .hintergrund = feldgrau, .textfarbe = mittelgrau,
     .schrift = klein},
    {.name = "zahl", .art = Art::textfeld, .links = 3720, .oben = 1800, .breite = 855,
     .hoehe = 390, .hintergrund = hellgruen, .schrift = gross, .ausrichtung = zentriert,
     .rolle = "Aktuelle Zahl"},
    {.name = "Label4", .art = Art::beschriftung, .text = "ROTAT", .links = 3840, .oben = 2370,
     .breite = 615, .hoehe = 255, .hintergrund = feldgrau, .textfarbe = mittelgrau,
     .schrift = klein},
    {.name = "Label3", .art = Art::beschriftung, .links = 3600, .oben = 2640, .breite = 1095,
     .hoehe = 375, .hintergrund = hellgrau, .textfarbe = Rgb{0, 0, 192}, .schrift = mittel,
     .ausrichtung = zentriert, .rolle = "Rotation und Position", .rahmen = true},
    {.name = "Check1(0)", .art = Art::haken, .links = 3720, .oben = 3840, .breite = 255,
     .hoehe = 255, .rolle = "36 Zahlen (ohne Zero)"},
    {.name = "Label1", .art = Art::beschriftung, .text = "36 Zahlen (ohne Zero)", .links = 4080,
     .oben = 3840, .breite = 2055, .hoehe = 255, .hintergrund = hellgrau, .schrift = normal},
    {.name = "Check1(1)", .art = Art::haken, .links = 3720, .oben = 4080, .breite = 255,
     .hoehe = 255, .rolle = "löschen nach Rotation"},
    {.name = "Label2", .art = Art::beschriftung, .text = "löschen nach Rotation", .links = 4080,
     .oben = 4080, .breite = 1935, .hoehe = 255, .hintergrund = hellgrau, .schrift = normal},
    {.name = "okwurf", .art = Art::knopf, .text = "Wurf", .links = 3360, .oben = 5040,
     .breite = 900, .hoehe = 540, .hintergrund = knopfgruen, .schrift = mittel},
    {.name = "okstep", .art = Art::knopf, .text = "Rotat", .links = 4440, .oben = 5040,
     .breite = 900, .hoehe = 540, .hintergrund = knopfgruen, .schrift = mittel,
     .tooltip = "1 komplette Rotation"},
    {.name = "okdatei", .art = Art::knopf, .text = "Datei", .links = 4440, .oben = 6000,
     .breite = 855, .hoehe = 375, .hintergrund = knopfgrau},
    {.name = "okneu", .art = Art::knopf, .text = "Neu", .links = 3360, .oben = 6600,
     .breite = 900, .hoehe = 375, .hintergrund = knopfgrau, .schrift = mittel,
     .tooltip = "Reset und Neuanfang"},
    {.name = "okende", .art = Art::knopf, .text = "Ende", .links = 4440, .oben = 6600,
     .breite = 900, .hoehe = 375, .hintergrund = knopfgrau, .schrift = mittel},
}};
// clang-format on

const std::array<const char*, 11> tabulatorfolge{"tabelle",   "okwurf",  "laufnummer", "zahl",
                                                 "okneu",     "okende",  "okstep",     "Check1(0)",
                                                 "Check1(1)", "okdatei", "Textanzahl"};

QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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
        palette.setColor(flaeche, e.hintergrund->farbe());
        w.setAutoFillBackground(flaeche == QPalette::Window);
    }
    if (e.textfarbe) {
        palette.setColor(flaeche == QPalette::Base ? QPalette::Text : QPalette::WindowText,
                         e.textfarbe->farbe());
    }
    w.setPalette(palette);
}

QWidget* beschriftung(const Steuerelement& e, QWidget* eltern) {
    auto* label = new QLabel(qtext(e.text), eltern);
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
// outset border keeps it looking like a button, inset while pressed.
QWidget* knopf(const Steuerelement& e, QWidget* eltern) {
    auto* button = new QPushButton(qtext(e.text), eltern);
    button->setAutoDefault(false);
    button->setDefault(false);
    const QString farbe = e.hintergrund.value_or(Rgb{}).farbe().name();
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset "
                                         "%1; } QPushButton:pressed { border-style: inset; } "
                                         "QPushButton:focus { border-color: %2; }")
                              .arg(farbe, QColor(Qt::darkGray).name()));
    return button;
}

QWidget* neu(const Steuerelement& e, QWidget* eltern) {
    switch (e.art) {
    case Art::textfeld:
        return textfeld(e, eltern);
    case Art::beschriftung:
        return beschriftung(e, eltern);
    case Art::knopf:
        return knopf(e, eltern);
    case Art::haken:
        return new QCheckBox(eltern);
    case Art::gitter:
        return new Tabellenansicht(eltern);
    }
    return nullptr;
}

} // namespace

QWidget* erzeuge(const Steuerelement& e, QWidget* eltern) {
    QWidget* w = neu(e, eltern);
    w->setObjectName(QString::fromLatin1(e.name));
    w->setGeometry(pixel(e.links), pixel(e.oben), pixel(e.breite), pixel(e.hoehe));
    w->setFont(arial(e.schrift.value_or(fensterschrift)));
    w->setToolTip(qtext(e.tooltip));
    w->setAccessibleName(qtext(*e.rolle != '\0' ? e.rolle : e.text));
    return w;
}

} // namespace quentor
