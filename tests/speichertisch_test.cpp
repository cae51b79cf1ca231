// The in-memory session's own doubles: they answer as told, and no more.

#include "speicheroberflaeche.h"
#include "vorgaben.h"

#include <gtest/gtest.h>

namespace quentor::test {
namespace {

// The in-memory window uses an answer for the next question only; without one it answers No.
TEST(Speicheroberflaeche, AntwortGiltEinmal) {
    Speicheroberflaeche oberflaeche;
    EXPECT_FALSE(oberflaeche.frage("t", "f")) << "no answer given: No";
    oberflaeche.antworte(true);
    EXPECT_TRUE(oberflaeche.frage("t", "f"));
    EXPECT_FALSE(oberflaeche.frage("t", "f")) << "the Yes was used by the question before";
}

// Given data is cut to what the caller asked for, as the real reader stops there.
TEST(Vorgabeleser, GibtHoechstensDieErfragtenWerte) {
    Vorgabeleser leser;
    leser.vorgeben(Permanenzdaten{Leseergebnis::gelesen, {1.0, 2.0, 3.0}});
    EXPECT_EQ(leser.lies("egal.txt", 2).werte, (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(leser.lies("egal.txt", 5).werte.size(), 3U);
}

} // namespace
} // namespace quentor::test
