#include "zahlwert.h"

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
    if (ziffern_.empty() && c == '0') {
        if (imBruch) {
            --exponent_;
        }
        return;
    }
    if (ziffern_.size() < behalteneZiffern) {
        ziffern_.push_back(c);
    } else if (c != '0') {
        restNichtNull_ = true;
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
    double betrag = 0.0;
    if (ziffern_.empty() || exponent_ < kleinerAlsDouble) {
        betrag = 0.0;
    } else if (exponent_ > groesserAlsDouble) {
        betrag = std::numeric_limits<double>::infinity();
    } else {
        std::string text;
        text.reserve(ziffern_.size() + 16);
        text.append("0.").append(ziffern_);
        if (restNichtNull_) {
            text.push_back('1'); // stands for the non-zero digits cut off; keeps the rounding
        }
        text.push_back('e');
        text.append(std::to_string(exponent_));
        const auto ergebnis = std::from_chars(text.data(), text.data() + text.size(), betrag);
        if (ergebnis.ec == std::errc::result_out_of_range) {
            betrag = exponent_ > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    return negativ_ ? -betrag : betrag;
}

double zahlwert(std::string_view text) {
    Zahlleser leser;
    for (const char c : text) {
        leser.nimm(c);
    }
    return leser.wert();
}

} // namespace quentor
