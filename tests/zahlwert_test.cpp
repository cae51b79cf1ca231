#include "zahlwert.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace quentor {
namespace {

struct Fall {
    const char* text;
    double wert;
};

TEST(Zahlwert, FuehrendeDezimalzahl) {
    const Fall faelle[] = {
        {"", 0.0},      {"5", 5.0},      {"  17", 17.0},       {"\t\t 3", 3.0}, {"+8", 8.0},
        {"-3", -3.0},   {"12abc", 12.0}, {"abc", 0.0},         {"3.75", 3.75},  {".5", 0.5},
        {"5.", 5.0},    {".", 0.0},      {"-.25", -0.25},      {"1.2.3", 1.2},  {"+-5", 0.0},
        {"- 5", 0.0},   {"3,5", 3.0},    {"1e3", 1.0},         {"0x1A", 0.0},   {"1 000", 1.0},
        {"007", 7.0},   {"0.000", 0.0},  {"36.4999", 36.4999}, {"ENDE", 0.0},   {"\n5", 0.0},
        {"1_000", 1.0},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(zahlwert(f.text), f.wert) << '"' << f.text << '"';
    }
}

TEST(Zahlwert, ZuGrossWirdUnendlich) {
    const std::string riesig(400, '9');
    EXPECT_EQ(zahlwert(riesig), std::numeric_limits<double>::infinity());
    EXPECT_EQ(zahlwert("-" + riesig), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(zahlwert("1" + std::string(308, '0')), 1e308);
    EXPECT_EQ(zahlwert("2" + std::string(308, '0')), std::numeric_limits<double>::infinity());
}

TEST(Zahlwert, WinzigWirdNull) {
    EXPECT_EQ(zahlwert("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(zahlwert("0." + std::string(100000, '0') + "7"), 0.0);
}

TEST(Zahlwert, RundetExaktWieEineDoubleKonstante) {
    EXPECT_EQ(zahlwert("0.1"), 0.1);
    EXPECT_EQ(zahlwert("2.5000000000000000001"), 2.5);
    EXPECT_EQ(zahlwert("36.49999999999999999999"), 36.5);
    // 2^53 + 1 lies exactly between two doubles: only a digit far behind decides the direction.
    EXPECT_EQ(zahlwert("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(zahlwert("9007199254740993." + std::string(2000, '0') + "1"), 9007199254740994.0);
}

TEST(Zahlwert, LangeZiffernfolgenBleibenExakt) {
    // 3000 digits: far more than are kept; the value is still the correctly rounded one.
    std::string lang = "1.";
    lang += std::string(3000, '3');
    EXPECT_EQ(zahlwert(lang), 1.3333333333333333);
    std::string ganz(300, '1');
    EXPECT_EQ(zahlwert(ganz), std::stod(ganz));
}

// Short numbers take an exact shortcut; at its edges (15 and 16 digits, powers of ten 10^22 and
// 10^23, 19 and 20 digits) the value must still be exactly what strtod makes of the text.
TEST(Zahlwert, AbkuerzungUndLangerWegStimmenAnDenGrenzenUeberein) {
    const std::string nullen22(22, '0');
    const std::vector<std::string> texte = {
        "123456789012345",
        "1234567890123456",
        "999999999999999.9",
        "0.123456789012345",
        "0.1234567890123456",
        "1" + nullen22,
        "1" + nullen22 + "0",
        "7" + nullen22 + ".5",
        "0." + std::string(21, '0') + "1",
        "0." + std::string(22, '0') + "3",
        "123456789.0123456789",
        "1234567890123456789",
        "12345678901234567891",
        "3.14159265358979323846264338327950288",
        "36.5",
        "-17.25",
        "000123.4500",
    };
    for (const std::string& text : texte) {
        EXPECT_EQ(zahlwert(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

} // namespace
} // namespace quentor
