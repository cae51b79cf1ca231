// The numeric conversion against the C library: the prefix the rule reads (blanks and tabs, sign,
// digits with at most one point) must convert to exactly what strtod makes of it, and feeding the
// text in one piece or character by character must agree.

#include "zahlwert.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string gelesenerTeil(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) {
        return {};
    }
    std::string teil;
    if (text[i] == '+' || text[i] == '-') {
        teil += text[i++];
    }
    bool punkt = false;
    bool ziffer = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ziffer = true;
        } else if (c == '.' && !punkt) {
            punkt = true;
        } else {
            break;
        }
        teil += c;
    }
    return ziffer ? teil : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    const double wert = quentor::zahlwert(text);

    const std::string teil = gelesenerTeil(text);
    const double erwartet = teil.empty() ? 0.0 : std::strtod(teil.c_str(), nullptr);
    if (std::memcmp(&wert, &erwartet, sizeof wert) != 0) { // bitwise: the sign of zero too
        std::abort();
    }
    quentor::Zahlleser leser;
    for (const char c : text) {
        leser.nimm(c);
    }
    const double stueckweise = leser.wert();
    if (std::memcmp(&wert, &stueckweise, sizeof wert) != 0) {
        std::abort();
    }
    return 0;
}
