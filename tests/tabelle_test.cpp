#include "tabelle.h"

#include <gtest/gtest.h>

namespace quentor {
namespace {

TEST(Tabelle, LageJederZahl) {
    struct Fall {
        int zahl, zeile, spalte;
    };
    for (const Fall f : {Fall{0, 0, 1}, Fall{1, 1, 0}, Fall{2, 1, 1}, Fall{3, 1, 2}, Fall{4, 2, 0},
                         Fall{17, 6, 1}, Fall{34, 12, 0}, Fall{36, 12, 2}}) {
        EXPECT_EQ(zahlzeile(f.zahl), f.zeile) << f.zahl;
        EXPECT_EQ(zahlspalte(f.zahl), f.spalte) << f.zahl;
    }
}

TEST(Tabelle, AufbauZeichnetAllesFreiMitZahlen) {
    Tabelle t;
    t.tabelleaufbau();
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(t.farbevon(n), farbefrei) << n;
        EXPECT_EQ(t.zelle(zahlzeile(n), zahlspalte(n)).text, std::to_string(n));
    }
    for (const int spalte : {0, 2}) {
        EXPECT_EQ(t.zelle(0, spalte).text, "");
        EXPECT_EQ(t.zelle(0, spalte).farbe, farbefrei);
    }
}

TEST(Tabelle, ZerozelleSchreibtFreiUndTextNachModus) {
    Tabelle t;
    t.tabelleaufbau();
    t.faerben(0, farbeaktuell);
    t.zerozelle(true);
    EXPECT_EQ(t.zelle(0, 1).text, "");
    EXPECT_EQ(t.farbevon(0), farbefrei);
    t.faerben(0, farbegekommen);
    t.zerozelle(false);
    EXPECT_EQ(t.zelle(0, 1).text, "0");
    EXPECT_EQ(t.farbevon(0), farbefrei);
}

TEST(Tabelle, ZahlenzeichnenLaesstZeileNullInRuhe) {
    Tabelle t;
    t.tabelleaufbau();
    t.zerozelle(true);
    t.faerben(0, farbeaktuell);
    t.faerben(5, farbegekommen);
    t.faerben(36, farbeaktuell);
    t.zahlenzeichnen();
    EXPECT_EQ(t.farbevon(0), farbeaktuell);
    EXPECT_EQ(t.zelle(0, 1).text, "");
    EXPECT_EQ(t.farbevon(5), farbefrei);
    EXPECT_EQ(t.farbevon(36), farbefrei);
}

TEST(Tabelle, FaerbenAendertKeinenTextUndIgnoriertFremdeZahlen) {
    Tabelle t;
    t.tabelleaufbau();
    t.faerben(7, farbegekommen);
    EXPECT_EQ(t.zelle(3, 0).text, "7");
    EXPECT_EQ(t.farbevon(7), farbegekommen);
    for (const int fremd : {-1, 37, 99}) {
        t.faerben(fremd, farbeaktuell);
        EXPECT_EQ(t.farbevon(fremd), 0U);
    }
    for (int n = 0; n <= 36; ++n) {
        EXPECT_NE(t.farbevon(n), farbeaktuell) << n;
    }
}

} // namespace
} // namespace quentor
