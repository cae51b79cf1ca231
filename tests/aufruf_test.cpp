// The command line of quentor-skript: options, the script file, exit statuses.

#include "aufruf.h"
#include "plattform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quentor {
namespace {

namespace fs = std::filesystem;

struct Ergebnis {
    int status;
    std::string aus;
    std::string fehler;
};

Ergebnis rufe(const std::vector<std::string_view>& argumente, const std::string& eingabe = "") {
    std::istringstream ein(eingabe);
    std::ostringstream aus;
    std::ostringstream fehler;
    const int status = aufruf(argumente, ein, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

TEST(Aufruf, HilfeNenntJedenBefehlUndDieExitStatus) {
    for (const std::string_view option : {"--help", "-h"}) {
        const Ergebnis e = rufe({option}, "zeige\n");
        EXPECT_EQ(e.status, 0);
        EXPECT_TRUE(e.fehler.empty());
        EXPECT_TRUE(e.aus.starts_with("Aufruf: quentor-skript")) << e.aus;
        for (const char* befehl :
             {"\n  wurf ", "\n  rotat ", "\n  neu ja|nein ", "\n  ende ja|nein ", "\n  zahl TEXT ",
              "\n  haken 0|1 ", "\n  datei [PFAD] ", "\n  zufall R1 R2 ... ", "\n  zeige "}) {
            EXPECT_NE(e.aus.find(befehl), std::string::npos) << befehl;
        }
        EXPECT_NE(e.aus.find("Exit-Status"), std::string::npos);
        EXPECT_EQ(e.aus.find("{\""), std::string::npos) << "the script is not run";
    }
}

TEST(Aufruf, VersionIstNameUndVersion) {
    for (const std::string_view option : {"--version", "-V"}) {
        const Ergebnis e = rufe({option});
        EXPECT_EQ(e.status, 0);
        EXPECT_EQ(e.aus, "quentor-skript 2012.1\n");
    }
}

TEST(Aufruf, FalscheAufrufeEndenMitStatusZwei) {
    const std::vector<std::vector<std::string_view>> falsch = {
        {"--hilfe"}, {"-x"}, {"--verbose", "datei.txt"}, {"a.txt", "b.txt"}};
    for (const auto& argumente : falsch) {
        const Ergebnis e = rufe(argumente, "zeige\n");
        EXPECT_EQ(e.status, 2) << argumente[0];
        EXPECT_TRUE(e.aus.empty()) << argumente[0] << ": nothing is run";
        EXPECT_TRUE(e.fehler.starts_with("quentor-skript: ")) << e.fehler;
        EXPECT_NE(e.fehler.find("Aufruf:"), std::string::npos) << e.fehler;
    }
}

class Skriptdatei : public testing::Test {
  protected:
    void SetUp() override {
        ordner_ =
            fs::temp_directory_path() / ("quentor_aufruf_" + std::to_string(test::prozessnummer()));
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }
    std::string schreibe(const std::string& name, const std::string& inhalt) {
        const fs::path pfad = ordner_ / name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad.string();
    }
    fs::path ordner_;
};

TEST_F(Skriptdatei, SkriptAusDateiStattEingabe) {
    const std::string pfad = schreibe("s.txt", "zufall 0.5\nwurf\nzeige\n");
    const Ergebnis e = rufe({pfad}, "unsinn\n");
    EXPECT_EQ(e.status, 0) << e.fehler;
    EXPECT_NE(e.aus.find("\"aktzahl\":18"), std::string::npos) << e.aus;

    const std::string strich = schreibe("-s.txt", "zeige\n");
    EXPECT_EQ(rufe({"--", strich}).status, 0) << "after -- a name may start with -";
    EXPECT_EQ(rufe({"-"}, "zeige\n").aus.substr(0, 9), "{\"zahl\":\"") << "- is the input";
}

TEST_F(Skriptdatei, NichtLesbareDateiEndetMitStatusZwei) {
    for (const std::string& pfad : {(ordner_ / "fehlt.txt").string(), ordner_.string()}) {
        const Ergebnis e = rufe({pfad}, "zeige\n");
        EXPECT_EQ(e.status, 2) << pfad;
        EXPECT_TRUE(e.aus.empty()) << pfad;
        EXPECT_NE(e.fehler.find(pfad + " kann nicht gelesen werden"), std::string::npos)
            << e.fehler;
    }
}

TEST_F(Skriptdatei, FehlerhafteZeileNenntIhreNummer) {
    const Ergebnis e = rufe({schreibe("f.txt", "zeige\n\nwurfen\n")});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.fehler, "quentor-skript: Zeile 3: unbekannter Befehl 'wurfen'\n");
}

} // namespace
} // namespace quentor
