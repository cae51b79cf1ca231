// Hostile permanence files: each gets its message or its defined result, in bounded time and
// memory, and the session stays usable afterwards.

#include "hilfen.h"
#include "plattform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace quentor::test {
namespace {

namespace fs = std::filesystem;

const std::string kopf = "Spielbank\na\nb\nc\n";

class FeindlicheDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        pfad_ = fs::temp_directory_path() /
                ("quentor_feind_" + std::to_string(prozessnummer()) + ".txt");
    }
    void TearDown() override { fs::remove(pfad_); }

    std::ofstream datei() { return std::ofstream(pfad_, std::ios::binary | std::ios::trunc); }
    void lade() { t.lade(pfad_.string()); }
    std::vector<std::string> warnungen() const {
        std::vector<std::string> texte;
        for (const auto& e : t.gezeigteKaesten()) {
            if (e.art == Kastenart::warnung) {
                texte.push_back(e.text);
            }
        }
        return texte;
    }
    // After any file, a reset brings random spins back.
    void bleibtBenutzbar() {
        t.neu(true);
        EXPECT_EQ(t.wirf(11), WurfErgebnis::aufgenommen);
        EXPECT_EQ(t.feld(Feld::zahl), "11");
    }

    Testtisch t;
    fs::path pfad_;
};

const std::string formatfehler = "Diese Datei hat ein ungültiges Datenformat! ";

TEST_F(FeindlicheDatei, BinaerMuellWirdAbgelehnt) {
    std::mt19937 zufall(5);
    std::string muell(1 << 20, '\0');
    for (char& c : muell) {
        c = static_cast<char>(zufall());
    }
    muell[0] = '\x01';
    datei() << muell;
    lade();
    EXPECT_EQ(warnungen(), std::vector<std::string>{formatfehler});
    bleibtBenutzbar();
}

TEST_F(FeindlicheDatei, NulBytesUndLatin1InWerten) {
    constexpr char inhalt[] = "Spielbank M\xFCnchen\n\xE9t\xE9\nb\nc\n4\0"
                              "9\n\0\n12\xB0\n";
    datei() << std::string(inhalt, sizeof inhalt - 1);
    lade();
    EXPECT_TRUE(warnungen().empty());
    EXPECT_EQ(t.s().permanenz, (std::vector<double>{4, 0, 12}));
    bleibtBenutzbar();
}

TEST_F(FeindlicheDatei, Utf16WirdAbgelehnt) {
    const std::string text = "Spielbank\r\na\r\nb\r\nc\r\n5\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : text) {
        utf16 += c;
        utf16 += '\0';
    }
    datei() << utf16;
    lade();
    EXPECT_EQ(warnungen(), std::vector<std::string>{formatfehler});
}

TEST_F(FeindlicheDatei, ZehntausendWerte) {
    auto f = datei();
    f << kopf;
    for (int i = 0; i < 10000; ++i) {
        f << (i * 7) % 37 << (i % 10 == 9 ? "\n" : ",");
    }
    f.close();
    lade();
    EXPECT_EQ(t.s().dateianzahl(), 3599);
    t.ganzerotation();
    EXPECT_EQ(t.s().wurfzaehler, 37);
    EXPECT_EQ(t.s().aktzahl, (36 * 7) % 37);
}

TEST_F(FeindlicheDatei, ZehnMillionenTrenner) {
    auto f = datei();
    f << kopf;
    std::string trenner;
    for (int i = 0; i < 1000; ++i) {
        trenner += "-,";
    }
    for (int i = 0; i < 10000; ++i) {
        f << trenner;
    }
    f << "-\n7\n"; // the last comma is followed by a separator, not by an empty item
    f.close();
    lade();
    EXPECT_EQ(t.s().permanenz, std::vector<double>{7});
}

TEST_F(FeindlicheDatei, ZweihundertMegabyteInEinerZeileMitBegrenztemSpeicher) {
    {
        auto f = datei();
        f << kopf << "1";
        const std::string block(1 << 20, '3');
        for (int i = 0; i < 200; ++i) {
            f << block;
        }
        f << ",5";
    }
    lade();
    ASSERT_EQ(t.s().dateianzahl(), 2);
    EXPECT_TRUE(std::isinf(t.s().permanenz[0]));
    EXPECT_EQ(t.s().permanenz[1], 5);
    EXPECT_LT(spitzenspeicherKiB(), 64 * 1024) << "peak memory in KiB";

    EXPECT_EQ(t.wurf(), WurfErgebnis::permanenzUngueltig);
    EXPECT_EQ(warnungen(),
              std::vector<std::string>{"Die Permanenz enthält an Position 1 keine gültige Zahl! "});
    bleibtBenutzbar();
}

TEST_F(FeindlicheDatei, SehrLangeZeilenOhneWert) {
    {
        auto f = datei();
        f << "Spielbank" << std::string(5'000'000, 'x') << "\n"
          << std::string(5'000'000, ' ') << "\nb\nc\n"
          << std::string(5'000'000, '\t') << "\n\"" << std::string(5'000'000, ',') << "\"\n";
    }
    lade();
    EXPECT_EQ(t.s().permanenz, (std::vector<double>{0, 0}));
}

} // namespace
} // namespace quentor::test
