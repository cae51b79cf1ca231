#pragma once
// Short display texts ("17", "2 / 1") built in place, so a spin writes its fields and its message
// to a screen reader without allocating. Holds at most `platz` characters; what would not fit is
// left off.

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace quentor {

template <std::size_t platz> class Textpuffer {
  public:
    Textpuffer() = default;
    explicit Textpuffer(int zahl) { *this << zahl; }

    Textpuffer& operator<<(int zahl) {
        const auto ergebnis =
            std::to_chars(zeichen_.data() + laenge_, zeichen_.data() + platz, zahl);
        if (ergebnis.ec == std::errc()) {
            laenge_ = static_cast<std::size_t>(ergebnis.ptr - zeichen_.data());
        }
        return *this;
    }
    Textpuffer& operator<<(std::string_view text) {
        const std::size_t n = std::min(text.size(), platz - laenge_);
        std::copy_n(text.data(), n, zeichen_.data() + laenge_);
        laenge_ += n;
        return *this;
    }
    operator std::string_view() const { return {zeichen_.data(), laenge_}; }

  private:
    std::array<char, platz + 1> zeichen_{};
    std::size_t laenge_ = 0;
};

// A display field's text: a number, or a rotation and position.
using Kurztext = Textpuffer<31>;
// The message after a spin, "36, Rotation 139 / 37, frei 36, belegt 37" at its longest.
using Ansagetext = Textpuffer<63>;

} // namespace quentor
