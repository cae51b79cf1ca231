// What the window paints: after spins, every cell of the grid in the colour of the core's table,
// one black pixel line between the cells and black below them; focus and a clicked cell leave the
// colours alone; the buttons in their own colours.

#include "testform.h"

#include <QImage>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace quentor::uitest {
namespace {

// Cell edges in the grid, in pixels; each cell's last column and row of pixels is the black line.
constexpr int spaltenkanten[] = {0, 53, 106, 159};
constexpr int zeilenkanten[] = {0, 33, 65, 98, 130, 163, 195, 228, 260, 293, 325, 358, 390, 423};

QColor kernfarbe(const Testform& f, int zeile, int spalte) {
    const Farbe farbe = f.form.spieltisch().tabelle().zelle(zeile, spalte).farbe;
    return {static_cast<int>(farbe & 0xFFU), static_cast<int>((farbe >> 8U) & 0xFFU),
            static_cast<int>((farbe >> 16U) & 0xFFU)};
}

// The ring of pixels just inside a cell's lines carries the cell's colour (no focus rectangle,
// no highlight), the lines themselves are black.
void pruefeZellen(const Testform& f, const QImage& bild) {
    for (int z = 0; z < zeilenanzahl; ++z) {
        for (int s = 0; s < spaltenanzahl; ++s) {
            const QRect innen(QPoint(spaltenkanten[s], zeilenkanten[z]),
                              QPoint(spaltenkanten[s + 1] - 2, zeilenkanten[z + 1] - 2));
            const QColor soll = kernfarbe(f, z, s);
            int falsch = 0;
            for (int x = innen.left(); x <= innen.right(); ++x) {
                falsch += bild.pixelColor(x, innen.top()) != soll;
                falsch += bild.pixelColor(x, innen.bottom()) != soll;
                falsch += bild.pixelColor(x, innen.bottom() + 1) != QColor(Qt::black);
            }
            for (int y = innen.top(); y <= innen.bottom(); ++y) {
                falsch += bild.pixelColor(innen.left(), y) != soll;
                falsch += bild.pixelColor(innen.right(), y) != soll;
                falsch += bild.pixelColor(innen.right() + 1, y) != QColor(Qt::black);
            }
            EXPECT_EQ(bild.pixelColor(innen.left() + 4, innen.center().y()), soll)
                << "cell " << z << "," << s;
            EXPECT_EQ(falsch, 0) << "cell " << z << "," << s;
        }
    }
}

TEST(Bild, ZellenZeigenDieFarbenDerTabelle) {
    Testform f({5, 12, 5, 0, 36, 17, 17, 22});
    f.zeige();
    for (int i = 0; i < 8; ++i) {
        f.klicke("okwurf");
    }
    std::set<Farbe> farben;
    for (int z = 0; z < zeilenanzahl; ++z) {
        for (int s = 0; s < spaltenanzahl; ++s) {
            farben.insert(f.form.spieltisch().tabelle().zelle(z, s).farbe);
        }
    }
    ASSERT_EQ(farben, (std::set<Farbe>{farbefrei, farbegekommen, farbeaktuell}));

    const QImage bild = f.element("tabelle")->grab().toImage();
    ASSERT_EQ(bild.size(), QSize(159, 430));
    pruefeZellen(f, bild);
    for (int y = zeilenkanten[zeilenanzahl]; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); x += 10) {
            EXPECT_EQ(bild.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
        }
    }
}

TEST(Bild, AngeklickteZelleBleibtInIhrerFarbe) {
    Testform f({5});
    f.zeige();
    f.klicke("okwurf");
    auto* tabelle = f.element<QTableView>("tabelle");
    const QModelIndex fuenf = tabelle->model()->index(zahlzeile(5), zahlspalte(5));
    QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, tabelle->visualRect(fuenf).center());
    ASSERT_TRUE(tabelle->hasFocus());
    ASSERT_EQ(tabelle->currentIndex(), fuenf);
    pruefeZellen(f, tabelle->grab().toImage());
}

struct Knopf {
    const char* name;
    QColor farbe;
};

void PrintTo(const Knopf& zeile, std::ostream* aus) {
    *aus << zeile.name;
}

class Knoepfe : public testing::TestWithParam<Knopf> {};

TEST_P(Knoepfe, InIhrerEigenenFarbe) {
    Testform f;
    f.zeige();
    QWidget* knopf = f.element(GetParam().name);
    const QImage bild = knopf->grab().toImage();
    const int mitte = bild.height() / 2;
    EXPECT_EQ(bild.pixelColor(6, mitte), GetParam().farbe);
    EXPECT_EQ(bild.pixelColor(bild.width() - 7, mitte), GetParam().farbe);
    EXPECT_EQ(bild.pixelColor(bild.width() / 2, 4), GetParam().farbe);
}

INSTANTIATE_TEST_SUITE_P(Bild, Knoepfe,
                         testing::Values(Knopf{"okwurf", {102, 153, 102}},
                                         Knopf{"okstep", {102, 153, 102}},
                                         Knopf{"okdatei", {192, 192, 192}},
                                         Knopf{"okneu", {192, 192, 192}},
                                         Knopf{"okende", {192, 192, 192}}),
                         NachName());

} // namespace
} // namespace quentor::uitest
