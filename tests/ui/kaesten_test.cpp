// The file dialog's filter in Qt's form.

#include "kaesten.h"
#include "testform.h"

#include <gtest/gtest.h>

namespace quentor::uitest {
namespace {

struct Filter {
    const char* name;
    const char* vorlage;
    const char* qt;
};

void PrintTo(const Filter& zeile, std::ostream* aus) {
    *aus << zeile.name;
}

class Filterform : public testing::TestWithParam<Filter> {};

TEST_P(Filterform, WieQtIhnErwartet) {
    EXPECT_EQ(qtFilter(GetParam().vorlage), QString::fromUtf8(GetParam().qt));
}

INSTANTIATE_TEST_SUITE_P(
    Kaesten, Filterform,
    testing::Values(
        Filter{"MusterSchonInDerBeschreibung", "Dateien (*.txt)|*.txt", "Dateien (*.txt)"},
        Filter{"MusterWirdAngehaengt", "Texte|*.txt", "Texte (*.txt)"},
        Filter{"MehrereMuster", "Permanenzen|*.txt; *.csv", "Permanenzen (*.txt *.csv)"},
        Filter{"ZweiEintraege", "A (*.a)|*.a|Alle|*", "A (*.a);;Alle (*)"},
        Filter{"OhneBeschreibung", "|*.txt", "(*.txt)"}, Filter{"Leer", "", ""}),
    NachName());

} // namespace
} // namespace quentor::uitest
