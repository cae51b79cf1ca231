// A session driven by arbitrary bytes: each byte picks an operation (spins with given random
// values, number box texts, option clicks, resets answered either way, whole rotations, loads of
// small in-memory permanence files), and the session's invariants are checked after every one.

#include "invarianten.h"
#include "speicherdatei.h"
#include "speichertisch.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace quentor;

class Bytes {
  public:
    Bytes(const std::uint8_t* daten, std::size_t groesse) : daten_(daten), rest_(groesse) {}
    bool leer() const { return rest_ == 0; }
    std::uint8_t eins() {
        if (rest_ == 0) {
            return 0;
        }
        --rest_;
        return *daten_++;
    }
    std::string_view stueck(std::size_t hoechstens) {
        const std::size_t n = std::min<std::size_t>(eins() % (hoechstens + 1), rest_);
        const std::string_view s(reinterpret_cast<const char*>(daten_), n);
        daten_ += n;
        rest_ -= n;
        return s;
    }

  private:
    const std::uint8_t* daten_;
    std::size_t rest_;
};

// Returns true when the operation spun and recorded at least one number.
bool fuehreAus(Bytes& b, Speichertisch& s) {
    const int vorher = s.sitzung().wurfzaehler;
    switch (b.eins() % 9) {
    case 0:
    case 1:
        s.vorgebenZufall({static_cast<float>(b.eins()) / 256.0F});
        s.wurf();
        break;
    case 2:
        s.tippe(b.stueck(12));
        break;
    case 3:
        s.klickeHaken(b.eins() % 2);
        break;
    case 4:
        s.neu(b.eins() % 2 == 0);
        break;
    case 5:
        s.ganzerotation();
        break;
    case 6: {
        std::string inhalt = "Spielbank\na\nb\nc\n";
        inhalt += b.stueck(64);
        s.lade(speicherdatei(inhalt));
        break;
    }
    case 7:
        s.lade(speicherdatei(b.stueck(32)));
        break;
    default:
        for (int i = b.eins() % 64; i >= 0; --i) {
            s.wurf();
        }
        break;
    }
    return s.sitzung().wurfzaehler > vorher;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Speichertisch s;
    Bytes bytes(daten, groesse);
    while (!bytes.leer()) {
        const bool aufgenommen = fuehreAus(bytes, s);
        const std::string fehler =
            pruefeInvarianten(s.spieltisch(), s.oberflaeche(), s.oberflaeche(), aufgenommen);
        if (!fehler.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", fehler.c_str());
            std::abort();
        }
    }
    return 0;
}
