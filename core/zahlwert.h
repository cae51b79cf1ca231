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
// counts. The usual short number is kept as an integer and converted with one exact operation.
class Zahlleser {
  public:
    void nimm(char c);
    double wert() const;

  private:
    enum class Phase : std::uint8_t { vorn, vorzeichen, ganz, bruch, fertig };
    static constexpr int ganzzahlZiffern = 19; // fit a 64-bit integer

    void ziffer(char c, bool imBruch);
    double kurzerBetrag() const;
    double langerBetrag() const;

    Phase phase_ = Phase::vorn;
    bool negativ_ = false;
    bool ziffernGesehen_ = false;
    bool restNichtNull_ = false;
    int ziffernzahl_ = 0;        // significant digits, counted up to ganzzahlZiffern + 1
    std::uint64_t mantisse_ = 0; // the first up to 19 significant digits as an integer
    std::string ziffern_;        // all significant digits kept, once there are more than 19
    std::int64_t exponent_ = 0;  // value = 0.<digits> * 10^exponent_
};

double zahlwert(std::string_view text);

} // namespace quentor
