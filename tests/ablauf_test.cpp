#include "hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace quentor::test {
namespace {

TEST(Ablauf, StartHatDieWerteBeiErzeugung) {
    Testtisch t;
    const Sitzung& s = t.s();
    EXPECT_EQ(s.wurfzaehler, 0);
    EXPECT_EQ(s.rotpos, 0);
    EXPECT_EQ(s.rotlaenge, 37);
    EXPECT_EQ(s.rotnummer, 1);
    EXPECT_EQ(s.dateimodus, 0);
    EXPECT_EQ(s.loeschflag, 0);
    for (const auto platz : s.fenster) {
        EXPECT_EQ(platz, leererPlatz);
    }
    for (const Feld f : {Feld::zahl, Feld::laufnummer, Feld::Textanzahl, Feld::Label3, Feld::Label7,
                         Feld::Label8, Feld::Label23}) {
        EXPECT_EQ(t.feld(f), "");
    }
    EXPECT_EQ(t.tabelle().zelle(0, 1).text, "0");
}

TEST(Ablauf, HakenOhneZeroMittenInDerRotation) {
    Testtisch t;
    t.wirfFolge(10, 1);
    t.wirf(0);
    t.klickeHaken(0);
    EXPECT_EQ(t.s().rotlaenge, 36);
    EXPECT_EQ(t.s().rotpos, 11);
    EXPECT_EQ(t.tabelle().zelle(0, 1).text, "");
    EXPECT_EQ(t.farbe(0), farbefrei);
    EXPECT_EQ(t.feld(Feld::Label23), "26") << "counts change only with the next spin";
    t.klickeHaken(0);
    EXPECT_EQ(t.s().rotlaenge, 37);
    EXPECT_EQ(t.tabelle().zelle(0, 1).text, "0");
    EXPECT_EQ(t.farbe(0), farbefrei);
}

TEST(Ablauf, HakenOhneZeroBeiPositionSechsunddreissigStartetNeueRotation) {
    Testtisch t;
    t.wirfFolge(36, 1);
    t.klickeHaken(0);
    t.wirf(3);
    EXPECT_EQ(t.feld(Feld::Label3), "2 / 1");
}

TEST(Ablauf, HakenNachDemSiebenunddreissigstenWurf) {
    // Slot 36 is taken as the previous one; spin 37's number keeps "current".
    Testtisch t;
    t.wirfFolge(36, 1); // 1..36
    t.wirf(20);         // spin 37
    t.klickeHaken(0);
    t.wirf(8);
    EXPECT_EQ(t.feld(Feld::Label3), "2 / 1");
    EXPECT_EQ(t.farbe(36), farbefrei) << "spin 36's number painted free";
    EXPECT_EQ(t.farbe(20), farbeaktuell) << "spin 37's number is outside the ring now";
    EXPECT_EQ(t.farbe(8), farbeaktuell);
    t.wirf(9);
    EXPECT_EQ(t.farbe(20), farbeaktuell);
    EXPECT_EQ(t.farbe(8), farbegekommen);
}

TEST(Ablauf, BeideHakenWerdenBeiJedemKlickAngewandt) {
    Testtisch t;
    t.klickeHaken(0);
    t.wirf(0);
    t.klickeHaken(1);
    EXPECT_EQ(t.s().rotlaenge, 36);
    EXPECT_EQ(t.s().loeschflag, 1);
    EXPECT_EQ(t.farbe(0), farbefrei);
    EXPECT_EQ(t.tabelle().zelle(0, 1).text, "");
    t.klickeHaken(1);
    EXPECT_EQ(t.s().loeschflag, 0);
}

TEST(Ablauf, LoeschenNachRotation) {
    Testtisch t;
    t.klickeHaken(1);
    t.wirfFolge(37, 3);
    t.wirf(3); // spin 38: the table is cleared, then only 3 is coloured
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(t.farbe(n), n == 3 ? farbeaktuell : farbefrei) << n;
    }
    EXPECT_EQ(t.feld(Feld::Label23), "36");
    EXPECT_EQ(t.feld(Feld::Label8), "1");
    EXPECT_EQ(t.s().fenster[1], 3);
    EXPECT_EQ(t.s().fenster[37], 2) << "the ring is kept across the clear";
    t.wirf(4);
    EXPECT_EQ(t.farbe(3), farbegekommen);
}

TEST(Ablauf, NeustartBehaeltPermanenzPfadUndHaken) {
    Testtisch t;
    t.klickeHaken(0);
    t.ladeWerte({4, 5, 6}, "/tmp/perm.txt");
    t.wurf();
    t.wurf();
    t.neu(true);
    const Sitzung& s = t.s();
    EXPECT_EQ(s.wurfzaehler, 0);
    EXPECT_EQ(s.dateimodus, 0);
    EXPECT_EQ(s.dateianzahl(), 0);
    EXPECT_EQ(s.rotlaenge, 36) << "the ticked box is applied again";
    EXPECT_EQ(s.aktzahl, 5) << "keeps its value";
    EXPECT_EQ(s.permanenz.size(), 3U);
    EXPECT_EQ(t.feld(Feld::Label7), "/tmp/perm.txt");
    for (const Feld f : {Feld::zahl, Feld::laufnummer, Feld::Textanzahl, Feld::Label3, Feld::Label8,
                         Feld::Label23}) {
        EXPECT_EQ(t.feld(f), "");
    }
    EXPECT_EQ(t.tabelle().zelle(0, 1).text, "");
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(t.farbe(n), farbefrei) << n;
    }
    t.wirf(30);
    EXPECT_EQ(t.s().aktzahl, 30) << "random again after the reset";
}

TEST(Ablauf, GanzeRotation) {
    struct Fall {
        const char* name;
        bool ohneZero;
        int erwarteteWuerfe;
    };
    for (const Fall f : {Fall{"mit Zero", false, 37}, Fall{"ohne Zero", true, 36}}) {
        Testtisch t;
        if (f.ohneZero) {
            t.klickeHaken(0);
        }
        t.ganzerotation();
        EXPECT_EQ(t.s().wurfzaehler, f.erwarteteWuerfe) << f.name;
        t.ganzerotation();
        EXPECT_EQ(t.s().wurfzaehler, 2 * f.erwarteteWuerfe) << f.name;
        EXPECT_EQ(t.s().rotnummer, 2) << f.name;
    }
}

TEST(Ablauf, GanzeRotationMitUngueltigemZahlfeld) {
    Testtisch t;
    t.tippe("50");
    t.ganzerotation();
    EXPECT_EQ(t.s().wurfzaehler, 36) << "the first run only empties the box";
}

TEST(Ablauf, GanzeRotationMitDreissigRestwerten) {
    Testtisch t;
    t.ladeWerte(std::vector<double>(30, 12.0));
    t.ganzerotation();
    EXPECT_EQ(t.s().wurfzaehler, 30);
    t.ganzerotation();
    EXPECT_EQ(t.s().wurfzaehler, 30);
}

TEST(Ablauf, GanzeRotationEndetAmAbgewiesenenWert) {
    Testtisch t;
    t.ladeWerte({1, 2, 3, 77, 5, 6});
    t.ganzerotation();
    EXPECT_EQ(t.s().wurfzaehler, 3);
    EXPECT_EQ(t.gezeigteKaesten().size(), 1U) << "one message, not one per remaining run";
}

TEST(Ablauf, RotationslaengeWirdEinmalGelesen) {
    // Ticking "zero left out" between two spins of a run cannot happen in the window, but a clear
    // at the boundary re-reads the boxes: the run keeps the length it started with.
    Testtisch t;
    t.klickeHaken(1);
    t.wirfFolge(30);
    t.hakeOhneKlick(0); // box ticked, its click not yet applied
    t.ganzerotation();
    EXPECT_EQ(t.s().wurfzaehler, 67);
    EXPECT_EQ(t.s().rotlaenge, 36);
}

// "Neu" and "Ende" ask through the core; only Yes acts.
TEST(Ablauf, FragenVorNeuUndEnde) {
    Testtisch t;
    t.wirf({5, 12});
    t.neu(false);
    EXPECT_EQ(t.s().wurfzaehler, 2) << "No keeps the session";
    EXPECT_FALSE(t.ende(false));
    EXPECT_TRUE(t.ende(true));
    EXPECT_EQ(t.s().wurfzaehler, 2) << "ending changes nothing itself";
    t.neu(true);
    EXPECT_EQ(t.s().wurfzaehler, 0);

    ASSERT_EQ(t.gezeigteKaesten().size(), 4U);
    for (const std::size_t i : {0U, 3U}) {
        EXPECT_EQ(t.gezeigteKaesten()[i].titel, " Neuanfang");
        EXPECT_EQ(t.gezeigteKaesten()[i].text, "Bitte bestätigen... ");
    }
    for (const std::size_t i : {1U, 2U}) {
        EXPECT_EQ(t.gezeigteKaesten()[i].titel, " Beenden");
        EXPECT_EQ(t.gezeigteKaesten()[i].text, "Bitte bestätigen...   ");
    }
}

// The display learns of every change of the table, once, and of nothing else: a spin that records
// a number, the start, a reset, an option click; not a refused spin, an answer No or a load.
TEST(Ablauf, TabelleGeaendertEinmalJeAenderung) {
    const auto aenderungen = [](const Testtisch& t) {
        return std::count(t.oberflaeche().neuGezeichnet().begin(),
                          t.oberflaeche().neuGezeichnet().end(), std::string_view("tabelle"));
    };
    struct Fall {
        const char* name;
        void (*aktion)(Testtisch&);
        std::ptrdiff_t anzahl;
    };
    const Fall faelle[] = {
        {"Wurf", [](Testtisch& t) { t.wirf(5); }, 1},
        {"WurfMitLoeschen",
         [](Testtisch& t) {
             t.klickeHaken(1);
             t.wirfFolge(38);
         },
         1 + 38},
        {"Rotation", [](Testtisch& t) { t.ganzerotation(); }, 37},
        {"EingabeAbgelehnt",
         [](Testtisch& t) {
             t.tippe("40");
             t.wurf();
         },
         0},
        {"NeuJa", [](Testtisch& t) { t.neu(true); }, 1},
        {"NeuNein", [](Testtisch& t) { t.neu(false); }, 0},
        {"Haken", [](Testtisch& t) { t.klickeHaken(0); }, 1},
        {"Laden",
         [](Testtisch& t) {
             t.ladeWerte({1.0, 2.0});
         },
         0},
        {"DateiErschoepft",
         [](Testtisch& t) {
             t.ladeWerte({});
             t.wurf();
         },
         0},
    };
    EXPECT_EQ(aenderungen(Testtisch{}), 1) << "Start";
    for (const Fall& fall : faelle) {
        Testtisch t;
        t.vergiss();
        fall.aktion(t);
        EXPECT_EQ(aenderungen(t), fall.anzahl) << fall.name;
    }
}

} // namespace
} // namespace quentor::test
