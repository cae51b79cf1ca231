#include "hilfen.h"
#include "tabelle.h"

#include <gtest/gtest.h>

#include <functional>

namespace quentor {
namespace {

using test::Testtisch;

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

// What a cell reads, as the session leaves it: the number and its state by the cell's colour, the
// zero while it is left out, the blank cells.
TEST(Tabelle, LesungJederZelleNachDerSitzung) {
    struct Fall {
        const char* name;
        std::function<void(Testtisch&)> vorher;
        int zeile, spalte;
        const char* gelesen;
    };
    const auto start = [](Testtisch&) {};
    const auto fuenfZwoelfFuenf = [](Testtisch& t) { t.wirf({5, 12, 5}); };
    const auto eineRotationUndDie3 = [](Testtisch& t) {
        t.wirfFolge(37); // 0..36
        t.wirf(3);
    };
    const Fall faelle[] = {
        {"Zero am Start", start, 0, 1, "0, frei"},
        {"leer links", start, 0, 0, ""},
        {"leer rechts", fuenfZwoelfFuenf, 0, 2, ""},
        {"36 am Start", start, 12, 2, "36, frei"},
        {"aktuell", fuenfZwoelfFuenf, 2, 1, "5, aktuell"},
        {"gekommen", fuenfZwoelfFuenf, 4, 2, "12, gekommen"},
        {"nicht gekommen", fuenfZwoelfFuenf, 3, 0, "7, frei"},
        {"Zero gekommen",
         [](Testtisch& t) {
             t.wirf({0, 3});
         },
         0, 1, "0, gekommen"},
        {"Zero ausgelassen", [](Testtisch& t) { t.klickeHaken(0); }, 0, 1, "0, ausgelassen"},
        {"Zero ausgelassen und gezogen",
         [](Testtisch& t) {
             t.klickeHaken(0);
             t.wirf(0);
         },
         0, 1, "0, ausgelassen, aktuell"},
        {"Zero ausgelassen, gezogen und vorbei",
         [](Testtisch& t) {
             t.klickeHaken(0);
             t.wirf({0, 4});
         },
         0, 1, "0, ausgelassen, gekommen"},
        {"Zero wieder im Spiel",
         [](Testtisch& t) {
             t.klickeHaken(0);
             t.wirf(0);
             t.klickeHaken(0);
         },
         0, 1, "0, frei"},
        {"neue Rotation: die letzte Zahl frei", eineRotationUndDie3, 12, 2, "36, frei"},
        {"neue Rotation: im Ring gekommen", eineRotationUndDie3, 1, 0, "1, gekommen"},
        {"neue Rotation: aus dem Ring", eineRotationUndDie3, 0, 1, "0, frei"},
        {"gelöscht nach der Rotation",
         [eineRotationUndDie3](Testtisch& t) {
             t.klickeHaken(1);
             eineRotationUndDie3(t);
         },
         1, 0, "1, frei"},
    };
    for (const Fall& f : faelle) {
        Testtisch t;
        f.vorher(t);
        EXPECT_EQ(t.tabelle().lesung(f.zeile, f.spalte), f.gelesen) << f.name;
    }
}

} // namespace
} // namespace quentor
