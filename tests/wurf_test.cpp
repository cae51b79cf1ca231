#include "hilfen.h"
#include "texte.h"
#include "zufall.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace quentor::test {
namespace {

TEST(Wurf, ErsterWurfEinerFrischenSitzung) {
    Testtisch t;
    EXPECT_EQ(t.wirf(17), WurfErgebnis::aufgenommen);
    EXPECT_EQ(t.s().wurfzaehler, 1);
    EXPECT_EQ(t.s().aktzahl, 17);
    EXPECT_EQ(t.feld(Feld::zahl), "17");
    EXPECT_EQ(t.feld(Feld::laufnummer), "1");
    EXPECT_EQ(t.feld(Feld::Label3), "1 / 1");
    EXPECT_EQ(t.feld(Feld::Label23), "36");
    EXPECT_EQ(t.feld(Feld::Label8), "1");
    EXPECT_EQ(t.farbe(17), farbeaktuell);
    EXPECT_EQ(t.s().fenster[1], 17);
    EXPECT_EQ(t.s().fenster[0], leererPlatz);
}

TEST(Wurf, ZweiterWurfFaerbtDenErstenGekommen) {
    Testtisch t;
    t.wirf({3, 9});
    EXPECT_EQ(t.farbe(3), farbegekommen);
    EXPECT_EQ(t.farbe(9), farbeaktuell);

    Testtisch gleich;
    gleich.wirf({3, 3});
    EXPECT_EQ(gleich.farbe(3), farbeaktuell);
    EXPECT_EQ(gleich.feld(Feld::Label23), "36");
    EXPECT_EQ(gleich.feld(Feld::Label8), "1");
}

TEST(Wurf, FuenfZwoelfFuenf) {
    Testtisch t;
    t.wirf({5, 12, 5});
    EXPECT_EQ(t.farbe(12), farbegekommen);
    EXPECT_EQ(t.farbe(5), farbeaktuell);
    EXPECT_EQ(t.feld(Feld::Label23), "35");
    EXPECT_EQ(t.feld(Feld::Label8), "2");
    EXPECT_EQ(t.feld(Feld::Label3), "1 / 3");
}

TEST(Wurf, RotationsgrenzeMitZero) {
    // Spins 1..37 draw 0..36 once each; spin 38 starts rotation 2.
    Testtisch t;
    t.wirfFolge(37);
    EXPECT_EQ(t.feld(Feld::Label23), "0");
    EXPECT_EQ(t.feld(Feld::Label8), "37");
    t.wirf(20);
    EXPECT_EQ(t.feld(Feld::Label3), "2 / 1");
    EXPECT_EQ(t.s().rotnummer, 2);
    EXPECT_EQ(t.s().rotpos, 1);
    EXPECT_EQ(t.farbe(36), farbefrei) << "spin 37's number is freed at the boundary";
    EXPECT_EQ(t.farbe(0), farbefrei) << "spin 1's number leaves the ring";
    EXPECT_EQ(t.farbe(20), farbeaktuell);
    EXPECT_EQ(t.farbe(35), farbegekommen);
    EXPECT_EQ(t.s().fenster[1], 20);
}

TEST(Wurf, AusscheidendeZahlBleibtWennSieNochImFensterSteht) {
    // 7 comes at spins 1 and 10; the other spins of the rotation avoid it.
    Testtisch t;
    for (int spin = 1; spin <= 37; ++spin) {
        t.wirf(spin == 1 || spin == 10 ? 7 : 8 + spin % 20);
    }
    t.wirf(30); // spin 38 overwrites slot 1 (7), but slot 10 still holds 7
    EXPECT_EQ(t.farbe(7), farbegekommen);
    for (int spin = 39; spin <= 46; ++spin) {
        t.wirf(30);
    }
    EXPECT_EQ(t.farbe(7), farbegekommen);
    t.wirf(31); // spin 47 overwrites slot 10: the last 7 leaves the ring
    EXPECT_EQ(t.farbe(7), farbefrei);
}

TEST(Wurf, ErsterWurfDerRotationBefreitDenVorigen) {
    Testtisch t;
    t.wirfFolge(36, 1); // 1..36 at slots 1..36
    t.wirf(5);          // spin 37: 5 came twice in the ring
    t.wirf(9);          // spin 38: boundary; spin 37's number is painted free although it is
                        // still in slot 5 of the window
    EXPECT_EQ(t.farbe(5), farbefrei);
    EXPECT_EQ(t.farbe(1), farbefrei) << "spin 1's number (1) came once and leaves";
    EXPECT_EQ(t.farbe(9), farbeaktuell);
}

TEST(Wurf, OhneZeroZaehltNurEinsBisSechsunddreissig) {
    Testtisch t;
    t.klickeHaken(0);
    EXPECT_EQ(t.s().rotlaenge, 36);
    t.wirf(0);
    EXPECT_EQ(t.farbe(0), farbeaktuell);
    EXPECT_EQ(t.tabelle().zelle(0, 1).text, "");
    EXPECT_EQ(t.feld(Feld::Label23), "36");
    EXPECT_EQ(t.feld(Feld::Label8), "0");
    t.wirf(4);
    EXPECT_EQ(t.feld(Feld::Label23), "35");
    EXPECT_EQ(t.feld(Feld::Label8), "1");
}

TEST(Wurf, RotationsgrenzeOhneZero) {
    Testtisch t;
    t.klickeHaken(0);
    t.wirfFolge(36, 1); // 1..36
    EXPECT_EQ(t.feld(Feld::Label3), "1 / 36");
    EXPECT_EQ(t.feld(Feld::Label23), "0");
    t.wirf(36);
    EXPECT_EQ(t.feld(Feld::Label3), "2 / 1");
    EXPECT_EQ(t.farbe(1), farbefrei) << "spin 1's number leaves";
    EXPECT_EQ(t.farbe(36), farbeaktuell);
    EXPECT_EQ(t.feld(Feld::Label23), "1");
}

TEST(Wurf, ZahlfeldAusserhalbLeertDasFeldUndNimmtNichtsAuf) {
    const char* ungueltig[] = {"40", "37", "-1", "36.01", " -0.5", "99999999999999999999999"};
    for (const char* text : ungueltig) {
        Testtisch t;
        t.wirf(5);
        t.tippe(text);
        EXPECT_EQ(t.wirf(9), WurfErgebnis::eingabeUngueltig) << text;
        EXPECT_EQ(t.feld(Feld::zahl), "") << text;
        EXPECT_EQ(t.s().wurfzaehler, 1) << text;
        EXPECT_EQ(t.farbe(5), farbeaktuell) << text;
        EXPECT_EQ(t.wirf(9), WurfErgebnis::aufgenommen) << text;
    }
    const char* gueltig[] = {"", "36", "0", "-0", "abc", "36.0", "ENDE", "12,5"};
    for (const char* text : gueltig) {
        Testtisch t;
        t.tippe(text);
        EXPECT_EQ(t.wirf(9), WurfErgebnis::aufgenommen) << text;
        EXPECT_EQ(t.feld(Feld::zahl), "9") << "the typed value is never the number";
    }
}

TEST(Wurf, GrenzeVonFuenftausendWuerfen) {
    Testtisch t;
    t.wirfFolge(5000);
    EXPECT_EQ(t.s().wurfzaehler, 5000);
    EXPECT_EQ(t.feld(Feld::laufnummer), "5000");
    const Sitzung vorher = t.s();
    EXPECT_EQ(t.wirf(3), WurfErgebnis::grenzeErreicht);
    EXPECT_EQ(t.feld(Feld::zahl), "ENDE");
    EXPECT_EQ(t.s().fenster, vorher.fenster);
    EXPECT_EQ(t.s().wurfzaehler, 5000);
    EXPECT_EQ(t.wirf(3), WurfErgebnis::grenzeErreicht);
}

TEST(Wurf, PermanenzBisZurErschoepfung) {
    Testtisch t;
    t.ladeWerte({5, 17, 0.5, 1.5, 2.5, 35.5, 36.5, -0.4, 7, 8});
    const int erwartet[] = {5, 17, 0, 2, 2, 36, 36, 0, 7, 8};
    for (const int zahl : erwartet) {
        EXPECT_EQ(t.wurf(), WurfErgebnis::aufgenommen);
        EXPECT_EQ(t.s().aktzahl, zahl);
    }
    const Sitzung vorher = t.s();
    const auto felder = t.feld(Feld::Label3) + t.feld(Feld::zahl);
    EXPECT_EQ(t.wurf(), WurfErgebnis::dateiErschoepft);
    EXPECT_EQ(t.s().wurfzaehler, 10);
    EXPECT_EQ(t.s().fenster, vorher.fenster);
    EXPECT_EQ(t.feld(Feld::Label3) + t.feld(Feld::zahl), felder);
}

TEST(Wurf, UngueltigerPermanenzwertWirdAbgewiesen) {
    const double ungueltig[] = {37.0,
                                -1.0,
                                36.5000001,
                                -0.6,
                                40000.0,
                                1e300,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity()};
    for (const double wert : ungueltig) {
        Testtisch t;
        t.ladeWerte({4, wert, 6});
        t.wurf();
        t.tippe("12");
        EXPECT_EQ(t.wurf(), WurfErgebnis::permanenzUngueltig) << wert;
        ASSERT_EQ(t.gezeigteKaesten().size(), 1U);
        EXPECT_EQ(t.gezeigteKaesten()[0].titel, " Fehler! ");
        EXPECT_EQ(t.gezeigteKaesten()[0].text,
                  "Die Permanenz enthält an Position 2 keine gültige Zahl! ");
        EXPECT_EQ(t.feld(Feld::zahl), "12") << "the number box keeps its text";
        EXPECT_EQ(t.s().wurfzaehler, 1);
        EXPECT_EQ(t.farbe(4), farbeaktuell);
        EXPECT_EQ(t.wurf(), WurfErgebnis::permanenzUngueltig) << "refused again";
    }
}

TEST(Wurf, ZufallszahlBleibtImBereich) {
    EXPECT_EQ(zufallszahl(0.0F), 0);
    EXPECT_EQ(zufallszahl(std::nextafter(1.0F, 0.0F)), 36);
    EXPECT_EQ(zufallszahl(1.0F / 37.0F), 1);
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(zufallszahl(zieht(n)), n);
    }
}

// The window's source draws every number about equally often: 3700 draws of a fixed seed, each
// number 100 times on average, none fewer than 60 (four standard deviations below).
TEST(Wurf, ZufallsquelleZiehtJedeZahlEtwaGleichOft) {
    Mersennezufall zufall(7);
    std::array<int, 37> anzahl{};
    for (int i = 0; i < 3700; ++i) {
        const int n = zufallszahl(zufall.naechste());
        ASSERT_TRUE(n >= 0 && n <= 36) << "draw " << i;
        ++anzahl[static_cast<std::size_t>(n)];
    }
    for (int n = 0; n <= 36; ++n) {
        EXPECT_GE(anzahl[static_cast<std::size_t>(n)], 60) << n;
    }
}

// The spin count and the number are repainted first, then the recoloured table, the rotation last.
TEST(Wurf, ZeichnetLaufnummerUndZahlVorTabelleUndLabel3Neu) {
    Testtisch t;
    t.vergiss();
    t.wirf(1);
    const std::vector<std::string_view> erwartet = {"laufnummer", "zahl", "tabelle", "Label3"};
    EXPECT_EQ(t.oberflaeche().neuGezeichnet(), erwartet);
}

} // namespace
} // namespace quentor::test
