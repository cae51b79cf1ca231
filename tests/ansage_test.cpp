// What a screen reader is told after the actions that spin: once per action, with the texts the
// fields show, and nothing when nothing was shown.

#include "hilfen.h"
#include "texte.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quentor::test {
namespace {

// The message a spin's fields make: number, rotation, free and occupied count.
std::string ausDenFeldern(const Testtisch& t) {
    return t.feld(Feld::zahl) + ", Rotation " + t.feld(Feld::Label3) + ", frei " +
           t.feld(Feld::Label23) + ", belegt " + t.feld(Feld::Label8);
}

struct Fall {
    const char* name;
    std::function<void(Testtisch&)> vorher; // not counted
    std::function<void(Testtisch&)> aktion;
    int ansagen;        // messages the action sends
    std::string gesagt; // the last one; "felder": what the fields show
};

TEST(Ansage, EinmalJeAktionMitDemGezeigten) {
    const auto nichts = [](Testtisch&) {};
    const Fall faelle[] = {
        {"erster Wurf", nichts, [](Testtisch& t) { t.wirf(17); }, 1,
         "17, Rotation 1 / 1, frei 36, belegt 1"},
        {"fünf, zwölf, fünf", nichts,
         [](Testtisch& t) {
             t.wirf({5, 12, 5});
         },
         3, "5, Rotation 1 / 3, frei 35, belegt 2"},
        {"Rotationsgrenze", [](Testtisch& t) { t.wirfFolge(37); }, [](Testtisch& t) { t.wirf(20); },
         1, "20, Rotation 2 / 1, frei 2, belegt 35"},
        {"ohne Zero", [](Testtisch& t) { t.klickeHaken(0); }, [](Testtisch& t) { t.wirf(0); }, 1,
         "0, Rotation 1 / 1, frei 36, belegt 0"},
        {"ganze Rotation", nichts, [](Testtisch& t) { t.ganzerotation(); }, 1, "felder"},
        {"ganze Rotation ohne Zero", [](Testtisch& t) { t.klickeHaken(0); },
         [](Testtisch& t) { t.ganzerotation(); }, 1, "felder"},
        {"Zahlfeld ausserhalb", [](Testtisch& t) { t.tippe("40"); },
         [](Testtisch& t) { t.wirf(3); }, 0, ""},
        {"Grenze", [](Testtisch& t) { t.wirfFolge(5000); }, [](Testtisch& t) { t.wirf(3); }, 1,
         "ENDE"},
        {"Rotation über die Grenze", [](Testtisch& t) { t.wirfFolge(4990); },
         [](Testtisch& t) { t.ganzerotation(); }, 1, "ENDE"},
        {"Permanenz erschöpft",
         [](Testtisch& t) {
             t.ladeWerte({4});
             t.wirf(0);
         },
         [](Testtisch& t) {
             t.wirf(0);
             t.ganzerotation();
         },
         0, ""},
        {"Rotation bis zum abgewiesenen Wert",
         [](Testtisch& t) {
             t.ladeWerte({1, 2, 77});
         },
         [](Testtisch& t) { t.ganzerotation(); }, 1, "2, Rotation 1 / 2, frei 35, belegt 2"},
        {"abgewiesener Wert zuerst", [](Testtisch& t) { t.ladeWerte({77}); },
         [](Testtisch& t) { t.ganzerotation(); }, 0, ""},
    };
    for (const Fall& f : faelle) {
        Testtisch t;
        f.vorher(t);
        t.vergiss();
        f.aktion(t);
        EXPECT_EQ(t.oberflaeche().ansagen(), f.ansagen) << f.name;
        const std::string soll = f.gesagt == "felder" ? ausDenFeldern(t) : f.gesagt;
        EXPECT_EQ(t.oberflaeche().letzteAnsage(), soll) << f.name;
        if (f.ansagen > 0 && soll != texte::ende) {
            EXPECT_EQ(soll, ausDenFeldern(t)) << f.name << ": the fields show the same";
        }
    }
}

} // namespace
} // namespace quentor::test
