#pragma once
// Numeric value of a text, the same rule for the number box and for permanence file items:
// leading blanks and tabs are skipped, then an optional sign + or -, then digits with at most one
// decimal point "."; the value of that prefix is returned, 0 when it has no digit, and +-infinity
// when it is too large for a double. Nothing else is read (no exponent, no hex, no separators),
// and the result never depends on the locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace quentor {

// Takes the text one character at a time, so an item of any length is converted in bounded
// memory: only the first significant digits are kept (enough to round exactly), the rest only
// counts.
class Zahlleser {
  public:
    void nimm(char c);
    double wert() const;

  private:
    enum class Phase : std::uint8_t { vorn, vorzeichen, ganz, bruch, fertig };
    void ziffer(char c, bool imBruch);

    Phase phase_ = Phase::vorn;
    bool negativ_ = false;
    bool ziffernGesehen_ = false;
    bool restNichtNull_ = false;
    std::string ziffern_;       // significant digits, without leading zeros
    std::int64_t exponent_ = 0; // value = 0.<ziffern_> * 10^exponent_
};

double zahlwert(std::string_view text);

} // namespace quentor
