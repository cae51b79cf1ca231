// Properties that hold after every operation, checked over long random sessions.

#include "hilfen.h"
#include "invarianten.h"

#include <gtest/gtest.h>

#include <random>

namespace quentor::test {
namespace {

TEST(Invarianten, GeltenNachJederOperationZufaelligerSitzungen) {
    for (std::uint32_t saat = 1; saat <= 40; ++saat) {
        Testtisch t;
        std::mt19937 zufall(saat);
        for (int schritt = 0; schritt < 3000; ++schritt) {
            const auto wahl = zufall() % 100;
            bool gespielt = false;
            if (wahl < 80) {
                gespielt = t.wirf(static_cast<int>(zufall() % 37)) == WurfErgebnis::aufgenommen;
            } else if (wahl < 84) {
                t.klickeHaken(static_cast<int>(zufall() % 2));
            } else if (wahl < 86) {
                t.neu(true);
            } else if (wahl < 90) {
                t.vorgebenZufall({0.5F});
                t.ganzerotation();
            } else if (wahl < 95) {
                t.tippe(std::to_string(static_cast<int>(zufall() % 50) - 5));
            } else {
                t.tippe("");
            }
            const std::string fehler =
                pruefeInvarianten(t.spieltisch(), t.oberflaeche(), t.oberflaeche(), gespielt);
            ASSERT_EQ(fehler, "") << "seed " << saat << ", step " << schritt;
        }
    }
}

} // namespace
} // namespace quentor::test
