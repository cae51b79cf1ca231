#pragma once
// The in-memory session's sources that can be given their results: a random source whose draws
// can be given, and a reader that reads files from disk or hands over given data instead.

#include "dateileser.h"
#include "zufall.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quentor {

// Draws the given reals first, in order, and then those of a generator with a fixed seed.
class Vorgabezufall : public Zufallsquelle {
  public:
    static constexpr std::uint32_t festeSaat = 20120101;
    float naechste() override;
    void vorgeben(std::vector<float> werte) { vorgaben_.assign(werte.begin(), werte.end()); }

  private:
    std::deque<float> vorgaben_;
    Mersennezufall ersatz_{festeSaat};
};

// Reads permanence files from disk, or hands over the given data for every file while it is set;
// either way no more values than asked for.
class Vorgabeleser : public Permanenzleser {
  public:
    Permanenzdaten lies(const std::string& pfad, std::size_t hoechstens) override;
    void vorgeben(std::optional<Permanenzdaten> daten) { vorgabe_ = std::move(daten); }

  private:
    std::optional<Permanenzdaten> vorgabe_;
    Dateileser datei_;
};

} // namespace quentor
