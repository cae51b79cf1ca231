#pragma once
// Windows path names that reach a device instead of a file. They are refused before anything is
// opened: opening a device can block or have effects of its own.

#include <string_view>

namespace quentor {

// True for a UTF-8 path whose last component is a DOS device name (CON, PRN, AUX, NUL, COM0..9,
// LPT0..9, COM¹²³, LPT¹²³, CONIN$, CONOUT$; in any case, with any extension or trailing blanks),
// for a path into the device namespace (\\.\..., \\?\... other than a drive or UNC path, with / or
// \ alike) and for a pipe or mailslot share (\\server\pipe\...).
bool istWindowsGeraet(std::string_view pfad);

} // namespace quentor
