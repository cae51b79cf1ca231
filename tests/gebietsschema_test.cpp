// Number conversion and the permanence reader under a German C runtime locale, whose decimal
// separator is a comma: the results stay those of the "C" locale.

#include "bytequelle.h"
#include "dateileser.h"
#include "zahlwert.h"

#include <gtest/gtest.h>

#include <clocale>

namespace quentor {
namespace {

std::vector<double> zahlwerte() {
    std::vector<double> werte;
    for (const char* text : {"3.75", "3,5", " -0.5", "+.25", "36.4999", "1e3", "12,75"}) {
        werte.push_back(zahlwert(text));
    }
    return werte;
}

std::vector<double> permanenz() {
    Speicherquelle quelle("Spielbank\na\nb\nc\n3.75\n\"3,5\"\n0.5,2,5\n-\n36.4999\n");
    std::vector<double> werte;
    liesPermanenz(quelle, werte);
    return werte;
}

// Windows' own name first, then the other spellings the C runtimes know.
bool setzeDeutsch() {
    for (const char* name : {"German_Germany.1252", "de-DE", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            return true;
        }
    }
    return false;
}

class DeutschesGebietsschema : public ::testing::Test {
  protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DeutschesGebietsschema, ZahlenUndPermanenzWieImCGebietsschema) {
    const std::vector<double> zahlen = {3.75, 3, -0.5, 0.25, 36.4999, 1, 12};
    const std::vector<double> gelesen = {3.75, 3, 0.5, 2, 5, 36.4999};
    ASSERT_EQ(zahlwerte(), zahlen);
    ASSERT_EQ(permanenz(), gelesen);

    ASSERT_TRUE(setzeDeutsch());
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the German locale took";
    EXPECT_EQ(zahlwerte(), zahlen);
    EXPECT_EQ(permanenz(), gelesen);
}

} // namespace
} // namespace quentor
