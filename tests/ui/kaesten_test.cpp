// The file dialog's filter in Qt's form, and the grid's twips in pixels.

#include "kaesten.h"
#include "tabellenansicht.h"

#include <gtest/gtest.h>

#include <numeric>

namespace quentor {
namespace {

struct Filter {
    const char* name;
    const char* vorlage;
    const char* qt;
};

class Filterform : public testing::TestWithParam<Filter> {};

TEST_P(Filterform, WieQtIhnErwartet) {
    EXPECT_EQ(qtFilter(GetParam().vorlage), QString::fromUtf8(GetParam().qt));
}

INSTANTIATE_TEST_SUITE_P(
    Kaesten, Filterform,
    testing::Values(Filter{"MusterSchonInDerBeschreibung", "Dateien (*.txt)|*.txt", "Dateien (*.txt)"},
                    Filter{"MusterWirdAngehaengt", "Texte|*.txt", "Texte (*.txt)"},
                    Filter{"MehrereMuster", "Permanenzen|*.txt; *.csv", "Permanenzen (*.txt *.csv)"},
                    Filter{"ZweiEintraege", "A (*.a)|*.a|Alle|*", "A (*.a);;Alle (*)"},
                    Filter{"OhneBeschreibung", "|*.txt", "(*.txt)"},
                    Filter{"Leer", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Masse, SpaltenFuellenDasGitterGenau) {
    Tabelle tabelle;
    tabelle.tabelleaufbau();
    int summe = 0;
    for (int s = 0; s < spaltenanzahl; ++s) {
        EXPECT_EQ(spaltenbreitePixel(tabelle.spaltenbreite(s)), 53);
        summe += spaltenbreitePixel(tabelle.spaltenbreite(s));
    }
    EXPECT_EQ(summe, 2385 / 15);
}

TEST(Masse, ZeilenkantenLiegenAmNaechstenPixel) {
    Tabelle tabelle;
    tabelle.tabelleaufbau();
    const auto hoehen = zeilenhoehenPixel(tabelle);
    int kante = 0;
    for (int z = 0; z < zeilenanzahl; ++z) {
        kante += hoehen[static_cast<std::size_t>(z)];
        const double twips = 488.0 * (z + 1);
        EXPECT_LE(std::abs(kante - twips / 15.0), 0.5) << "row " << z;
    }
    EXPECT_EQ(std::accumulate(hoehen.begin(), hoehen.end(), 0), 423);
}

} // namespace
} // namespace quentor
