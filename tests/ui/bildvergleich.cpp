// Compares a screenshot of the window taken elsewhere (under Wine, on Windows) with the window as
// it is drawn here: the same size, and the same pixels wherever no text is drawn; where text is
// drawn, both must show text, with anti-aliasing and hinting of their own. Where text is drawn is
// found by drawing the window here twice, once with every text colour made transparent; a margin
// of three pixels around it takes the other system's glyph widths.
// Usage: quentor_bildvergleich BILD.png [HIER.png]   (HIER.png: the window as drawn here, saved)

#include "anwendung.h"
#include "form1.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>

#include <cstdio>
#include <vector>

namespace {

using quentor::Form1;

QImage ohneSchrift(Form1& fenster) {
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        QPalette farben = w->palette();
        for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            farben.setColor(rolle, Qt::transparent);
        }
        w->setPalette(farben);
    }
    return fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
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
            Schriftzone zone{QPoint(x, y)};
            std::vector<QPoint> offen{QPoint(x, y)};
            besucht.setPixel(x, y, 255);
            while (!offen.empty()) {
                const QPoint p = offen.back();
                offen.pop_back();
                zone.hier += hier.pixel(p) != ohne.pixel(p) ? 1 : 0;
                zone.bild += bild.pixel(p) != ohne.pixel(p) ? 1 : 0;
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
// times as many), whatever the anti-aliasing and hinting; GDI draws thinner than FreeType.
int fehlendeSchrift(const std::vector<Schriftzone>& zonen) {
    int anzahl = 0;
    for (const Schriftzone& zone : zonen) {
        if (zone.bild * 3 < zone.hier || zone.bild > zone.hier * 3) {
            std::printf("  Schrift bei (%d, %d): hier %d Pixel, im Bild %d\n", zone.ort.x(),
                        zone.ort.y(), zone.hier, zone.bild);
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
    const QImage maske = schriftmaske(hier, ohne, 3);
    const int falsch = abweichungen(hier, bild, maske);
    const auto zonen = schriftzonen(hier, bild, ohne, maske);
    const int ungleich = fehlendeSchrift(zonen);
    std::printf("Fensterbild %d x %d: %d Pixel außerhalb der Schrift weichen ab, %d von %zu "
                "Schriftzonen ohne passende Schrift\n",
                hier.width(), hier.height(), falsch, ungleich, zonen.size());
    return falsch == 0 && ungleich == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Aufruf: quentor_bildvergleich BILD.png [HIER.png]\n");
        return 2;
    }
    const QImage bild =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (bild.isNull()) {
        std::fprintf(stderr, "quentor_bildvergleich: %s ist kein lesbares Bild\n", argv[1]);
        return 2;
    }
    quentor::anwendungEinrichten(app);
    Form1 fenster;
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) {
        return 2;
    }
    const QImage hier = fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (argc == 3) {
        hier.save(QString::fromLocal8Bit(argv[2]));
    }
    return vergleiche(hier, ohneSchrift(fenster), bild);
}
