#include "bytequelle.h"

#include <algorithm>

namespace quentor {

namespace {
constexpr std::size_t puffergroesse = std::size_t{64} * 1024;
}

bool Bytequelle::nachfuellen() {
    daten_.erase(daten_.begin(), daten_.begin() + static_cast<std::ptrdiff_t>(pos_));
    pos_ = 0;
    return sichere(1);
}

// Makes sure at least `anzahl` bytes after the read position are buffered, if the data have them.
bool Bytequelle::sichere(std::size_t anzahl) {
    while (daten_.size() - pos_ < anzahl && !erschoepft_) {
        const std::size_t alt = daten_.size();
        daten_.resize(alt + puffergroesse);
        const std::size_t gelesen = lies(daten_.data() + alt, puffergroesse);
        daten_.resize(alt + gelesen);
        erschoepft_ = gelesen == 0;
    }
    return daten_.size() - pos_ >= anzahl;
}

bool Bytequelle::nimmFallsFolgt(std::string_view praefix) {
    if (!sichere(praefix.size()) ||
        std::string_view(daten_.data() + pos_, praefix.size()) != praefix) {
        return false;
    }
    pos_ += praefix.size();
    return true;
}

std::size_t Speicherquelle::lies(char* ziel, std::size_t anzahl) {
    const std::size_t n = std::min(anzahl, rest_.size());
    std::copy_n(rest_.data(), n, ziel);
    rest_.remove_prefix(n);
    return n;
}

} // namespace quentor
