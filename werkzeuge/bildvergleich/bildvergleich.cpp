// The window's pictures: a screenshot of the window taken elsewhere (under Wine, on Windows, at a
// scale) against the window as it is drawn here: the same size, and the same pixels wherever no
// text is drawn; where text is drawn, both must show text, with anti-aliasing and hinting of their
// own, and none of it cut off. Where text is drawn is found by drawing the window here twice, once
// with every text colour made transparent; a margin of three pixels (at 96 dpi) around it takes the
// other system's glyph widths. Also draws the window in its states under a desktop's palette or
// theme, and compares two pictures pixel for pixel.
//
// Usage: quentor_bildvergleich [--skala F] BILD.png [HIER.png]   (HIER.png: the window drawn here)
//        quentor_bildvergleich --zeichne ORDNER [--palette NAME] [--dunkles-thema]
//        quentor_bildvergleich --gleich A.png B.png
//        quentor_bildvergleich --fenster   (the window's title; its width and height in pixels)

#include "anwendung.h"
#include "form1.h"
#include "formzustaende.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QPalette>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

using quentor::Form1;

QImage ohneSchrift(Form1& form) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        QPalette farben = w->palette();
        for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            farben.setColor(rolle, Qt::transparent);
        }
        w->setPalette(farben);
    }
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels within `rand` pixels of a text pixel (one that the text colours change).
QImage schriftmaske(const QImage& mit, const QImage& ohne, int rand) {
    QImage maske(mit.size(), QImage::Format_Grayscale8);
    maske.fill(0);
    for (int y = 0; y < mit.height(); ++y) {
        for (int x = 0; x < mit.width(); ++x) {
            if (mit.pixel(x, y) == ohne.pixel(x, y)) {
                continue;
            }
            for (int v = std::max(0, y - rand); v <= std::min(mit.height() - 1, y + rand); ++v) {
                for (int u = std::max(0, x - rand); u <= std::min(mit.width() - 1, x + rand); ++u) {
                    maske.setPixel(u, v, 255);
                }
            }
        }
    }
    return maske;
}

bool istSchrift(const QImage& maske, int x, int y) {
    return qGray(maske.pixel(x, y)) != 0;
}

// Pixels outside the text that differ, with the first few named.
int abweichungen(const QImage& hier, const QImage& bild, const QImage& maske) {
    int anzahl = 0;
    for (int y = 0; y < hier.height(); ++y) {
        for (int x = 0; x < hier.width(); ++x) {
            if (istSchrift(maske, x, y) || hier.pixel(x, y) == bild.pixel(x, y)) {
                continue;
            }
            if (++anzahl <= 10) {
                std::printf("  (%d, %d): hier #%06x, im Bild #%06x\n", x, y,
                            hier.pixel(x, y) & 0xFFFFFFU, bild.pixel(x, y) & 0xFFFFFFU);
            }
        }
    }
    return anzahl;
}

// Each text zone (a connected part of the mask, one text with its margin) with its text pixels
// here and in the picture: the pixels that differ from the window drawn without text.
struct Schriftzone {
    QPoint ort;
    int hier = 0;
    int bild = 0;
    QRect rahmenHier{}; // around the text pixels
    QRect rahmenBild{};
};

std::vector<Schriftzone> schriftzonen(const QImage& hier, const QImage& bild, const QImage& ohne,
                                      const QImage& maske) {
    std::vector<Schriftzone> zonen;
    QImage besucht(maske.size(), QImage::Format_Grayscale8);
    besucht.fill(0);
    for (int y = 0; y < maske.height(); ++y) {
        for (int x = 0; x < maske.width(); ++x) {
            if (!istSchrift(maske, x, y) || qGray(besucht.pixel(x, y)) != 0) {
                continue;
            }
            Schriftzone zone{.ort = QPoint(x, y)};
            std::vector<QPoint> offen{QPoint(x, y)};
            besucht.setPixel(x, y, 255);
            while (!offen.empty()) {
                const QPoint p = offen.back();
                offen.pop_back();
                if (hier.pixel(p) != ohne.pixel(p)) {
                    ++zone.hier;
                    zone.rahmenHier |= QRect(p, QSize(1, 1));
                }
                if (bild.pixel(p) != ohne.pixel(p)) {
                    ++zone.bild;
                    zone.rahmenBild |= QRect(p, QSize(1, 1));
                }
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (maske.valid(n) && istSchrift(maske, n.x(), n.y()) &&
                        qGray(besucht.pixel(n)) == 0) {
                        besucht.setPixel(n, 255);
                        offen.push_back(n);
                    }
                }
            }
            zonen.push_back(zone);
        }
    }
    return zonen;
}

// The same texts in the same places: in every zone about as many text pixels (a third to three
// times as many), whatever the anti-aliasing and hinting (GDI draws thinner than FreeType), and
// spanning about as wide and high, so that no text is cut off.
bool passt(const Schriftzone& zone) {
    const auto ungefaehr = [](int bild, int hier) { return bild * 10 >= hier * 8; };
    return zone.bild * 3 >= zone.hier && zone.bild <= zone.hier * 3 &&
           ungefaehr(zone.rahmenBild.width(), zone.rahmenHier.width()) &&
           ungefaehr(zone.rahmenBild.height(), zone.rahmenHier.height());
}

int fehlendeSchrift(const std::vector<Schriftzone>& zonen) {
    int anzahl = 0;
    for (const Schriftzone& zone : zonen) {
        if (!passt(zone)) {
            std::printf("  Schrift bei (%d, %d): hier %d Pixel in %d x %d, im Bild %d in %d x %d\n",
                        zone.ort.x(), zone.ort.y(), zone.hier, zone.rahmenHier.width(),
                        zone.rahmenHier.height(), zone.bild, zone.rahmenBild.width(),
                        zone.rahmenBild.height());
            ++anzahl;
        }
    }
    return anzahl;
}

int vergleiche(const QImage& hier, const QImage& ohne, const QImage& bild) {
    if (bild.size() != hier.size()) {
        std::printf("Fensterbild: %d x %d statt %d x %d\n", bild.width(), bild.height(),
                    hier.width(), hier.height());
        return 1;
    }
    // Three pixels at 96 dpi, growing with the scale as the glyphs do.
    const int rand = static_cast<int>(std::ceil(3 * hier.devicePixelRatio()));
    const QImage maske = schriftmaske(hier, ohne, rand);
    const int falsch = abweichungen(hier, bild, maske);
    const auto zonen = schriftzonen(hier, bild, ohne, maske);
    const int ungleich = fehlendeSchrift(zonen);
    std::printf("Fensterbild %d x %d: %d Pixel außerhalb der Schrift weichen ab, %d von %zu "
                "Schriftzonen ohne passende Schrift\n",
                hier.width(), hier.height(), falsch, ungleich, zonen.size());
    return falsch == 0 && ungleich == 0 ? 0 : 1;
}

QImage lade(const QString& datei) {
    return QImage(datei).convertToFormat(QImage::Format_RGB32);
}

// The screenshot BILD against the window drawn here; HIER, when given, keeps the latter.
int vergleicheMitBild(const QStringList& dateien) {
    const QImage bild = lade(dateien.front());
    if (bild.isNull()) {
        std::fprintf(stderr, "quentor_bildvergleich: %s ist kein lesbares Bild\n",
                     qPrintable(dateien.front()));
        return 2;
    }
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 2;
    }
    const QImage hier = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (dateien.size() == 2) {
        hier.save(dateien.back());
    }
    return vergleiche(hier, ohneSchrift(form), bild);
}

// Two pictures of the same size, pixel for pixel.
int gleich(const QString& a, const QString& b) {
    const QImage erstes = lade(a);
    const QImage zweites = lade(b);
    if (erstes.isNull() || zweites.isNull() || erstes.size() != zweites.size()) {
        std::printf("%s und %s: nicht lesbar oder verschieden groß\n", qPrintable(a),
                    qPrintable(b));
        return 1;
    }
    QImage keineSchrift(erstes.size(), QImage::Format_Grayscale8);
    keineSchrift.fill(0);
    const int falsch = abweichungen(erstes, zweites, keineSchrift);
    std::printf("%s gegen %s: %d Pixel weichen ab\n", qPrintable(a), qPrintable(b), falsch);
    return falsch == 0 ? 0 : 1;
}

// The three usages, each with its own options and number of pictures.
enum class Art { MitBild, Zeichnen, Gleich, Fenster };

struct Aufruf {
    Art art = Art::MitBild;
    QStringList dateien{}; // BILD [HIER], or A B
    QString ordner{};
    QString palette{};
    bool dunkel = false;
};

constexpr const char* aufrufText =
    "Aufruf: quentor_bildvergleich [--skala F] BILD.png [HIER.png]\n"
    "        quentor_bildvergleich --zeichne ORDNER [--palette NAME] [--dunkles-thema]\n"
    "        quentor_bildvergleich --gleich A.png B.png\n"
    "        quentor_bildvergleich --fenster\n";

// The options of all usages; the pictures are positional, --zeichne takes the folder.
void beschreibeOptionen(QCommandLineParser& optionen) {
    optionen.addOptions({{QStringLiteral("skala"), QString(), QStringLiteral("F")},
                         {QStringLiteral("zeichne"), QString(), QStringLiteral("ORDNER")},
                         {QStringLiteral("palette"), QString(), QStringLiteral("NAME")},
                         {QStringLiteral("dunkles-thema"), QString()},
                         {QStringLiteral("gleich"), QString()},
                         {QStringLiteral("fenster"), QString()}});
}

// Whether every option given is one of `erlaubt`.
bool nurAus(const QCommandLineParser& optionen, const QStringList& erlaubt) {
    const QStringList gegeben = optionen.optionNames();
    return std::ranges::all_of(gegeben,
                               [&](const QString& name) { return erlaubt.contains(name); });
}

// The usage the parsed words make, or nothing for a wrong call.
std::optional<Aufruf> liesAufruf(const QCommandLineParser& optionen) {
    const QStringList dateien = optionen.positionalArguments();
    const auto wenn = [](bool passt, const Aufruf& a) {
        return passt ? std::optional(a) : std::nullopt;
    };
    if (optionen.isSet(QStringLiteral("gleich"))) {
        return wenn(dateien.size() == 2 && nurAus(optionen, {QStringLiteral("gleich")}),
                    {.art = Art::Gleich, .dateien = dateien});
    }
    if (optionen.isSet(QStringLiteral("fenster"))) {
        return wenn(dateien.isEmpty() && nurAus(optionen, {QStringLiteral("fenster")}),
                    {.art = Art::Fenster});
    }
    if (optionen.isSet(QStringLiteral("zeichne"))) {
        const QStringList erlaubt{QStringLiteral("zeichne"), QStringLiteral("palette"),
                                  QStringLiteral("dunkles-thema")};
        return wenn(dateien.isEmpty() && nurAus(optionen, erlaubt),
                    {.art = Art::Zeichnen,
                     .ordner = optionen.value(QStringLiteral("zeichne")),
                     .palette = optionen.value(QStringLiteral("palette")),
                     .dunkel = optionen.isSet(QStringLiteral("dunkles-thema"))});
    }
    return wenn(!dateien.isEmpty() && dateien.size() <= 2 &&
                    nurAus(optionen, {QStringLiteral("skala")}),
                {.dateien = dateien});
}

// The scale must be known before the application starts: the words are read once before it, as
// given, and once more after it, without the options Qt takes for itself.
void setzeSkala(int argc, char* argv[]) {
    QStringList worte;
    for (int i = 0; i < argc; ++i) {
        worte << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser optionen;
    beschreibeOptionen(optionen);
    optionen.parse(worte); // a wrong call is reported after the start
    if (optionen.isSet(QStringLiteral("skala"))) {
        qputenv("QT_SCALE_FACTOR", optionen.value(QStringLiteral("skala")).toLocal8Bit());
    }
}

int zeichne(QApplication& app, const Aufruf& aufruf) {
    // The desktop's palette is looked at before the program sets itself up.
    if (aufruf.dunkel && !quentor::bild::istDunkel(QApplication::palette())) {
        std::fprintf(stderr, "quentor_bildvergleich: das Thema des Desktops ist nicht dunkel\n");
        return 2;
    }
    quentor::anwendungEinrichten(app);
    return quentor::bild::zeichneZustaende(aufruf.ordner, aufruf.palette);
}

// What the scripts that find the window on a display or check what a desktop was told need of it,
// as the window itself has it: its title, and its size in pixels at 96 dpi.
int zeigeFenster() {
    const Form1 form;
    std::printf("%s\n%d %d\n", form.windowTitle().toUtf8().constData(), form.width(),
                form.height());
    return 0;
}

int fuehreAus(QApplication& app, const Aufruf& aufruf) {
    switch (aufruf.art) {
    case Art::Gleich:
        return gleich(aufruf.dateien[0], aufruf.dateien[1]);
    case Art::Fenster:
        return zeigeFenster();
    case Art::Zeichnen:
        return zeichne(app, aufruf);
    case Art::MitBild:
        break;
    }
    quentor::anwendungEinrichten(app);
    return vergleicheMitBild(aufruf.dateien);
}

} // namespace

int main(int argc, char* argv[]) {
    setzeSkala(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser optionen;
    beschreibeOptionen(optionen);
    const bool gelesen = optionen.parse(QApplication::arguments());
    const std::optional<Aufruf> aufruf = gelesen ? liesAufruf(optionen) : std::nullopt;
    if (!aufruf) {
        if (!gelesen) {
            std::fprintf(stderr, "quentor_bildvergleich: %s\n", qPrintable(optionen.errorText()));
        }
        std::fputs(aufrufText, stderr);
        return 2;
    }
    return fuehreAus(app, *aufruf);
}
