#include "formzustaende.h"

#include "form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <map>

namespace quentor::bild {

namespace {

struct Farben {
    QColor flaeche, text, feld, feldtext, knopf, knopftext, auswahl;
};

QPalette palette(const Farben& f) {
    QPalette p(f.text, f.knopf, f.knopf.lighter(), f.knopf.darker(), f.knopf, f.feldtext, Qt::white,
               f.feld, f.flaeche);
    p.setColor(QPalette::ButtonText, f.knopftext);
    p.setColor(QPalette::Highlight, f.auswahl);
    p.setColor(QPalette::PlaceholderText, f.feldtext);
    return p;
}

// Desktop palettes as users have them: KDE's dark colour scheme, a high-contrast one and one of
// a user's own choosing.
const std::map<QString, Farben>& paletten() {
    static const std::map<QString, Farben> alle{
        {QStringLiteral("kde-dunkel"),
         {{32, 35, 38},
          {252, 252, 252},
          {20, 22, 24},
          {252, 252, 252},
          {41, 44, 48},
          {252, 252, 252},
          {61, 174, 233}}},
        {QStringLiteral("kontrast"),
         {Qt::black, Qt::white, Qt::black, Qt::yellow, Qt::black, Qt::white, Qt::cyan}},
        {QStringLiteral("eigen"),
         {{255, 250, 205},
          {0, 0, 128},
          {230, 230, 250},
          {128, 0, 0},
          {255, 228, 196},
          {0, 100, 0},
          {255, 0, 255}}},
    };
    return alle;
}

bool speichere(QWidget& form, const QString& datei) {
    QApplication::processEvents();
    if (form.grab().toImage().save(datei)) {
        return true;
    }
    std::fprintf(stderr, "quentor_bildvergleich: %s kann nicht gespeichert werden\n",
                 qPrintable(datei));
    return false;
}

// Values typed into the three text boxes and the first option box ticked; the focus then goes
// back to the grid, so that no blinking text cursor is in the picture.
void gibEin(Form1& form) {
    const std::pair<const char*, const char*> eingaben[] = {
        {"zahl", "17"}, {"laufnummer", "4711"}, {"Textanzahl", "815"}};
    for (const auto& [name, text] : eingaben) {
        auto* feld = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        feld->setFocus();
        QTest::keyClicks(feld, QString::fromLatin1(text));
    }
    form.findChild<QCheckBox*>(QStringLiteral("Check1(0)"))->click();
    form.findChild<QWidget*>(QStringLiteral("tabelle"))->setFocus();
}

} // namespace

bool istDunkel(const QPalette& palette) {
    return palette.color(QPalette::WindowText).lightness() >
           palette.color(QPalette::Window).lightness();
}

int zeichneZustaende(const QString& ordner, const QString& name) {
    if (!name.isEmpty()) {
        const auto gefunden = paletten().find(name);
        if (gefunden == paletten().end()) {
            std::fprintf(stderr, "quentor_bildvergleich: keine Palette %s\n", qPrintable(name));
            return 2;
        }
        QApplication::setPalette(palette(gefunden->second));
    }
    QDir().mkpath(ordner);
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form) ||
        !speichere(form, ordner + QStringLiteral("/start.png"))) {
        return 2;
    }
    gibEin(form);
    return speichere(form, ordner + QStringLiteral("/eingaben.png")) ? 0 : 2;
}

} // namespace quentor::bild
