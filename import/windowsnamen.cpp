#include "windowsnamen.h"

#include <algorithm>
#include <array>

namespace quentor {

namespace {

bool istTrenner(char c) {
    return c == '\\' || c == '/';
}

char klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares ASCII letters without regard to case.
bool gleich(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return klein(x) == klein(y); });
}

bool istLaufwerk(std::string_view pfad) {
    return pfad.size() >= 2 && pfad[1] == ':' && klein(pfad[0]) >= 'a' && klein(pfad[0]) <= 'z';
}

// The first component of a path and what follows its separator.
std::string_view erstesTeil(std::string_view pfad) {
    return pfad.substr(0, std::find_if(pfad.begin(), pfad.end(), istTrenner) - pfad.begin());
}
std::string_view nachErstemTeil(std::string_view pfad) {
    return pfad.substr(std::min(erstesTeil(pfad).size() + 1, pfad.size()));
}

// The name Windows compares with the device names: the last component without a drive, up to the
// first dot or colon (extension, stream), without trailing blanks.
std::string_view basisname(std::string_view pfad) {
    const std::size_t trenner = pfad.find_last_of("\\/");
    std::string_view name = trenner == std::string_view::npos ? pfad : pfad.substr(trenner + 1);
    if (trenner == std::string_view::npos && istLaufwerk(name)) {
        name.remove_prefix(2);
    }
    name = name.substr(0, name.find_first_of(".:"));
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

// COM and LPT with a digit, or with a superscript one, two or three (UTF-8).
bool istSchnittstelle(std::string_view name) {
    if (name.size() < 4 ||
        !(gleich(name.substr(0, 3), "com") || gleich(name.substr(0, 3), "lpt"))) {
        return false;
    }
    const std::string_view nummer = name.substr(3);
    return (nummer.size() == 1 && nummer[0] >= '0' && nummer[0] <= '9') || nummer == "\xC2\xB9" ||
           nummer == "\xC2\xB2" || nummer == "\xC2\xB3";
}

bool istGeraetename(std::string_view name) {
    static constexpr std::array<std::string_view, 6> namen = {"con", "prn",    "aux",
                                                              "nul", "conin$", "conout$"};
    return istSchnittstelle(name) ||
           std::any_of(namen.begin(), namen.end(), [name](auto n) { return gleich(name, n); });
}

// \\.\ reaches devices only; \\?\ also does, unless a drive or UNC path follows.
bool imGeraeteraum(std::string_view pfad) {
    if (pfad.size() < 4 || !istTrenner(pfad[0]) || !istTrenner(pfad[1]) || !istTrenner(pfad[3])) {
        return false;
    }
    const std::string_view rest = pfad.substr(4);
    return pfad[2] == '.' ||
           (pfad[2] == '?' && !istLaufwerk(rest) && !gleich(erstesTeil(rest), "unc"));
}

// "server\share\..." of a UNC path, also after \\?\UNC\; empty for other paths.
std::string_view uncTeil(std::string_view pfad) {
    if (pfad.size() < 3 || !istTrenner(pfad[0]) || !istTrenner(pfad[1])) {
        return {};
    }
    const std::string_view rest = pfad.substr(2);
    if (rest.size() > 2 && rest[0] == '?' && istTrenner(rest[1]) &&
        gleich(erstesTeil(rest.substr(2)), "unc")) {
        return nachErstemTeil(rest.substr(2));
    }
    return rest;
}

// \\server\pipe\... and \\server\mailslot\...
bool istRohrfreigabe(std::string_view pfad) {
    const std::string_view freigabe = erstesTeil(nachErstemTeil(uncTeil(pfad)));
    return gleich(freigabe, "pipe") || gleich(freigabe, "mailslot");
}

} // namespace

bool istWindowsGeraet(std::string_view pfad) {
    return imGeraeteraum(pfad) || istRohrfreigabe(pfad) || istGeraetename(basisname(pfad));
}

} // namespace quentor
