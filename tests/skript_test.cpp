#include "skript.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quentor {
namespace {

using nlohmann::json;

struct Lauf {
    int status;
    std::vector<json> zeilen;
    std::string fehler;
};

Lauf fuehreAus(const std::string& skript) {
    std::istringstream ein(skript);
    std::ostringstream aus;
    std::ostringstream fehler;
    Lauf lauf{fuehreSkriptAus(ein, aus, fehler), {}, fehler.str()};
    std::istringstream zeilen(aus.str());
    for (std::string zeile; std::getline(zeilen, zeile);) {
        lauf.zeilen.push_back(json::parse(zeile));
    }
    return lauf;
}

TEST(Skript, ZustandHatGenauDieSchluesselInDieserReihenfolge) {
    std::istringstream ein("zeige\n");
    std::ostringstream aus;
    std::ostringstream fehler;
    ASSERT_EQ(fuehreSkriptAus(ein, aus, fehler), 0);
    const auto objekt = nlohmann::ordered_json::parse(aus.str());
    std::vector<std::string> schluessel;
    for (const auto& [name, wert] : objekt.items()) {
        schluessel.push_back(name);
    }
    const std::vector<std::string> erwartet = {
        "zahl",      "laufnummer", "Textanzahl",  "Label3",      "Label23",
        "Label8",    "Label7",     "wurfzaehler", "aktzahl",     "rotpos",
        "rotlaenge", "rotnummer",  "dateimodus",  "dateianzahl", "loeschflag",
        "freizahl",  "haken",      "fenster",     "farben",      "texte"};
    EXPECT_EQ(schluessel, erwartet);
    EXPECT_EQ(objekt["fenster"].size(), 221U);
    EXPECT_EQ(objekt["farben"].size(), 13U);
    EXPECT_EQ(objekt["farben"][0].size(), 3U);
    EXPECT_EQ(objekt["texte"][0], nlohmann::ordered_json({"", "0", ""}));
    EXPECT_EQ(objekt["haken"], nlohmann::ordered_json({0, 0}));
    const std::string ausgabe = aus.str();
    EXPECT_EQ(ausgabe.back(), '\n');
    EXPECT_EQ(std::count(ausgabe.begin(), ausgabe.end(), '\n'), 1);
}

TEST(Skript, WurfMitVorgegebenemZufall) {
    const Lauf lauf = fuehreAus("zufall 0.1486 0.33 0.1486\nwurf\nwurf\nwurf\nzeige\n");
    ASSERT_EQ(lauf.zeilen.size(), 1U);
    const json& z = lauf.zeilen[0];
    EXPECT_EQ(z["zahl"], "5");
    EXPECT_EQ(z["Label3"], "1 / 3");
    EXPECT_EQ(z["Label23"], "35");
    EXPECT_EQ(z["Label8"], "2");
    EXPECT_EQ(z["farben"][4][2], 48127); // 12 came
    EXPECT_EQ(z["farben"][2][1], 65280); // 5 is current
    EXPECT_EQ(z["fenster"][3], 5);
}

TEST(Skript, DialogeFragenUndMeldungenErscheinenWennSieGezeigtWerden) {
    const auto datei = std::filesystem::temp_directory_path() / "quentor_skript_test.txt";
    std::ofstream(datei) << "Falsch\n";
    const Lauf lauf = fuehreAus("datei " + datei.string() + "\nneu nein\nende nein\nzeige\n");
    std::filesystem::remove(datei);
    ASSERT_EQ(lauf.zeilen.size(), 5U);
    EXPECT_EQ(
        lauf.zeilen[0],
        json::parse(R"({"dialog": {"titel": "Datei Öffnen", "filter": "Dateien (*.txt)|*.txt"}})"));
    EXPECT_EQ(
        lauf.zeilen[1],
        json::parse(
            R"({"meldung": {"titel": " Fehler! ", "text": "Diese Datei hat ein ungültiges Datenformat! "}})"));
    EXPECT_EQ(lauf.zeilen[2],
              json::parse(R"({"frage": {"titel": " Neuanfang", "text": "Bitte bestätigen... "}})"));
    EXPECT_EQ(lauf.zeilen[3],
              json::parse(R"({"frage": {"titel": " Beenden", "text": "Bitte bestätigen...   "}})"));
    EXPECT_EQ(lauf.zeilen[4]["dateimodus"], 1);
    EXPECT_EQ(lauf.zeilen[4]["Label7"], datei.string());
}

TEST(Skript, EndeJaBeendetDasSkript) {
    const Lauf lauf = fuehreAus("ende ja\nzeige\nunsinn\n");
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.zeilen.size(), 1U);
}

TEST(Skript, ZeilenformenDieGelten) {
    const Lauf lauf = fuehreAus("\n   \nzufall 0.5  0.1\r\nwurf\r\nhaken 1 \nzahl   7 \nzeige\r\n");
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    ASSERT_EQ(lauf.zeilen.size(), 1U);
    EXPECT_EQ(lauf.zeilen[0]["zahl"], "  7 ") << "everything after the first blank";
    EXPECT_EQ(lauf.zeilen[0]["aktzahl"], 18);
    EXPECT_EQ(lauf.zeilen[0]["haken"], json({0, 1}));
    EXPECT_EQ(lauf.zeilen[0]["loeschflag"], 1);

    const Lauf leer = fuehreAus("zahl 5\nzahl\nzeige\n");
    EXPECT_EQ(leer.zeilen.at(0)["zahl"], "");
}

TEST(Skript, FehlerhafteZeilenBeendenMitStatusZwei) {
    const char* falsch[] = {"wuerfel",
                            "wurf 1",
                            "zeige x",
                            "rotat 2",
                            "neu",
                            "neu vielleicht",
                            "ende ja nein",
                            "haken",
                            "haken 2",
                            "haken 01",
                            "haken 0 1",
                            "zufall",
                            "zufall 1.0",
                            "zufall 1",
                            "zufall -0.1",
                            "zufall abc",
                            "zufall 0.5x",
                            "zufall nan",
                            "zufall 0.999999999",
                            " wurf",
                            "WURF",
                            "\twurf"};
    for (const char* zeile : falsch) {
        const Lauf lauf = fuehreAus(std::string("zeige\n") + zeile + "\nzeige\n");
        EXPECT_EQ(lauf.status, 2) << zeile;
        EXPECT_EQ(lauf.zeilen.size(), 1U) << zeile << ": nothing more is read";
        EXPECT_FALSE(lauf.fehler.empty()) << zeile;
    }
}

TEST(Skript, ErsatzzufallIstReproduzierbar) {
    const std::string skript = "zufall 0.01\nrotat\nzeige\nrotat\nzeige\n";
    const Lauf a = fuehreAus(skript);
    const Lauf b = fuehreAus(skript);
    ASSERT_EQ(a.zeilen.size(), 2U);
    EXPECT_EQ(a.zeilen, b.zeilen);
    EXPECT_EQ(a.zeilen[0]["fenster"][1], 0) << "the given value is drawn first";
    EXPECT_EQ(a.zeilen[1]["wurfzaehler"], 74);
}

TEST(Skript, ZufallswerteInUeblicherSchreibweise) {
    struct Fall {
        const char* wert;
        int zahl;
    };
    for (const Fall f : {Fall{"0.5", 18}, Fall{"+0.5", 18}, Fall{".5", 18}, Fall{"5e-1", 18},
                         Fall{"1e-46", 0}, Fall{"-0", 0}, Fall{"0.99999994", 36}}) {
        const Lauf lauf = fuehreAus(std::string("zufall ") + f.wert + "\nwurf\nzeige\n");
        ASSERT_EQ(lauf.status, 0) << f.wert << ": " << lauf.fehler;
        EXPECT_EQ(lauf.zeilen.at(0)["aktzahl"], f.zahl) << f.wert;
    }
}

TEST(Skript, NeueVorgabeErsetztDieAlte) {
    const Lauf lauf = fuehreAus("zufall 0.1 0.2 0.3\nwurf\nzufall 0.9\nwurf\nzeige\n");
    EXPECT_EQ(lauf.zeilen.at(0)["fenster"][2], 33);
}

TEST(Skript, UngueltigesUtf8WirdErsetztStattAbzubrechen) {
    const Lauf lauf = fuehreAus("zahl \xFF\xFE ab\nzeige\n");
    ASSERT_EQ(lauf.status, 0);
    ASSERT_EQ(lauf.zeilen.size(), 1U);
    EXPECT_EQ(lauf.zeilen[0]["zahl"], "\xEF\xBF\xBD\xEF\xBF\xBD ab");
}

TEST(Skript, GoldeneMitschriften) {
    const auto ordner = std::filesystem::path(QUENTOR_TESTDATEN) / "skripte";
    int geprueft = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        if (eintrag.path().extension() != ".skript") {
            continue;
        }
        std::ifstream skriptDatei(eintrag.path());
        std::stringstream skript;
        skript << skriptDatei.rdbuf();
        std::ifstream erwartetDatei(
            std::filesystem::path(eintrag.path()).replace_extension(".jsonl"));
        std::vector<json> erwartet;
        for (std::string zeile; std::getline(erwartetDatei, zeile);) {
            erwartet.push_back(json::parse(zeile));
        }
        std::string inhalt = skript.str();
        const std::string platzhalter = "@DATEN@";
        for (std::size_t pos; (pos = inhalt.find(platzhalter)) != std::string::npos;) {
            inhalt.replace(pos, platzhalter.size(), std::string(QUENTOR_TESTDATEN));
        }
        const Lauf lauf = fuehreAus(inhalt);
        EXPECT_EQ(lauf.status, 0) << eintrag.path();
        ASSERT_EQ(lauf.zeilen.size(), erwartet.size()) << eintrag.path();
        for (std::size_t i = 0; i < erwartet.size(); ++i) {
            // Expected lines name only the keys they check; a shorter array checks a prefix.
            for (const auto& [schluessel, wert] : erwartet[i].items()) {
                json ist = lauf.zeilen[i][schluessel];
                if (wert.is_array() && ist.is_array() && wert.size() < ist.size()) {
                    ist = json(std::vector<json>(
                        ist.begin(), ist.begin() + static_cast<std::ptrdiff_t>(wert.size())));
                }
                EXPECT_EQ(ist, wert)
                    << eintrag.path().filename() << " line " << i + 1 << " key " << schluessel;
            }
        }
        ++geprueft;
    }
    EXPECT_GE(geprueft, 2);
}

} // namespace
} // namespace quentor
