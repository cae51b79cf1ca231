#include "zahlwert.h"

#include <array>
#include <charconv>
#include <limits>

namespace quentor {

namespace {
// A double is rounded exactly from at most 768 significant decimal digits; the digits beyond are
// only needed as "is anything non-zero left", kept in restNichtNull_.
constexpr std::size_t behalteneZiffern = 800;
// Beyond these decimal exponents every non-zero prefix is infinite or rounds to zero.
constexpr std::int64_t groesserAlsDouble = 400;
constexpr std::int64_t kleinerAlsDouble = -400;
} // namespace

void Zahlleser::ziffer(char c, bool imBruch) {
    ziffernGesehen_ = true;
    if (ziffernzahl_ == 0 && c == '0') {
        if (imBruch) {
            --exponent_;
        }
        return;
    }
    if (ziffernzahl_ < ganzzahlZiffern) {
        mantisse_ = mantisse_ * 10U + static_cast<std::uint64_t>(c - '0');
        ++ziffernzahl_;
    } else {
        if (ziffernzahl_ == ganzzahlZiffern) {
            ziffern_ = std::to_string(mantisse_);
            ++ziffernzahl_;
        }
        if (ziffern_.size() < behalteneZiffern) {
            ziffern_.push_back(c);
        } else if (c != '0') {
            restNichtNull_ = true;
        }
    }
    if (!imBruch) {
        ++exponent_;
    }
}

void Zahlleser::nimm(char c) {
    const bool istZiffer = c >= '0' && c <= '9';
    switch (phase_) {
    case Phase::vorn:
        if (c == ' ' || c == '\t') {
            return;
        }
        if (c == '+' || c == '-') {
            negativ_ = c == '-';
            phase_ = Phase::vorzeichen;
            return;
        }
        [[fallthrough]];
    case Phase::vorzeichen:
    case Phase::ganz:
        if (istZiffer) {
            phase_ = Phase::ganz;
            ziffer(c, false);
        } else {
            phase_ = c == '.' ? Phase::bruch : Phase::fertig;
        }
        return;
    case Phase::bruch:
        if (istZiffer) {
            ziffer(c, true);
        } else {
            phase_ = Phase::fertig;
        }
        return;
    case Phase::fertig:
        return;
    }
}

double Zahlleser::wert() const {
    if (!ziffernGesehen_) {
        return 0.0;
    }
    const double betrag = ziffernzahl_ == 0 ? 0.0 : kurzerBetrag();
    return negativ_ ? -betrag : betrag;
}

// Up to 15 digits are exact in a double, and so are the powers of ten up to 10^22: the product or
// quotient of the two is then correctly rounded by the one operation.
double Zahlleser::kurzerBetrag() const {
    constexpr std::array<double, 23> zehnerpotenzen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const std::int64_t k = exponent_ - ziffernzahl_;
    if (ziffernzahl_ > 15 || k < -22 || k > 22) {
        return langerBetrag();
    }
    const auto m = static_cast<double>(mantisse_);
    return k >= 0 ? m * zehnerpotenzen[static_cast<std::size_t>(k)]
                  : m / zehnerpotenzen[static_cast<std::size_t>(-k)];
}

double Zahlleser::langerBetrag() const {
    if (exponent_ < kleinerAlsDouble) {
        return 0.0;
    }
    if (exponent_ > groesserAlsDouble) {
        return std::numeric_limits<double>::infinity();
    }
    std::string text = "0.";
    text.append(ziffernzahl_ > ganzzahlZiffern ? ziffern_ : std::to_string(mantisse_));
    if (restNichtNull_) {
        text.push_back('1'); // stands for the non-zero digits cut off; keeps the rounding
    }
    text.push_back('e');
    text.append(std::to_string(exponent_));
    double betrag = 0.0;
    const auto ergebnis = std::from_chars(text.data(), text.data() + text.size(), betrag);
    if (ergebnis.ec == std::errc::result_out_of_range) {
        betrag = exponent_ > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return betrag;
}

double zahlwert(std::string_view text) {
    Zahlleser leser;
    for (const char c : text) {
        leser.nimm(c);
    }
    return leser.wert();
}

} // namespace quentor
