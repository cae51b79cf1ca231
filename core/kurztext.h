#pragma once
// Short display texts ("17", "2 / 1") built in place, so a spin writes its fields without
// allocating. Holds at most 31 characters; what would not fit is left off.

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace quentor {

class Kurztext {
  public:
    Kurztext() = default;
    explicit Kurztext(int zahl) { *this << zahl; }

    Kurztext& operator<<(int zahl) {
        const auto ergebnis =
            std::to_chars(zeichen_.data() + laenge_, zeichen_.data() + platz, zahl);
        if (ergebnis.ec == std::errc()) {
            laenge_ = static_cast<std::size_t>(ergebnis.ptr - zeichen_.data());
        }
        return *this;
    }
    Kurztext& operator<<(std::string_view text) {
        const std::size_t n = std::min(text.size(), platz - laenge_);
        std::copy_n(text.data(), n, zeichen_.data() + laenge_);
        laenge_ += n;
        return *this;
    }
    operator std::string_view() const { return {zeichen_.data(), laenge_}; }

  private:
    static constexpr std::size_t platz = 31;
    std::array<char, platz + 1> zeichen_{};
    std::size_t laenge_ = 0;
};

} // namespace quentor
