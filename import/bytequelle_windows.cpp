// Dateiquelle on Windows: the UTF-8 path opened through the wide-character API, regular files
// only. The class keeps an int descriptor; here it is a C runtime descriptor that owns the file's
// handle, so the shared header needs no Windows type.

#include "bytequelle.h"
#include "windowsnamen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace quentor {

namespace {

// The path in UTF-16; empty for invalid UTF-8 (no replacement characters, no overlong forms).
std::wstring breit(const std::string& pfad) {
    if (pfad.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int laenge = static_cast<int>(pfad.size());
    const int zeichen =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pfad.data(), laenge, nullptr, 0);
    std::wstring ergebnis(static_cast<std::size_t>(std::max(zeichen, 0)), L'\0');
    if (zeichen > 0) {
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pfad.data(), laenge, ergebnis.data(),
                            zeichen);
    }
    return ergebnis;
}

// Others may go on reading, writing, renaming; a file somebody holds without share rights fails
// with a sharing violation. Should a pipe slip through, its server gets no rights of the user.
HANDLE oeffneLesend(const std::wstring& pfad) {
    return CreateFileW(pfad.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | SECURITY_SQOS_PRESENT |
                           SECURITY_ANONYMOUS,
                       nullptr);
}

// A file on a disk, not a folder, pipe, console or other device.
bool istGewoehnlicheDatei(HANDLE datei) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(datei) == FILE_TYPE_DISK && GetFileInformationByHandle(datei, &info) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The handle as a binary C runtime descriptor (no text-mode translation); -1 if that fails, and
// the handle is then closed.
int alsDeskriptor(HANDLE datei) {
    const int deskriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(datei), _O_RDONLY | _O_BINARY);
    if (deskriptor < 0) {
        CloseHandle(datei);
    }
    return deskriptor;
}

} // namespace

std::unique_ptr<Dateiquelle> Dateiquelle::oeffne(const std::string& pfad) {
    if (pfad.empty() || pfad.find('\0') != std::string::npos || istWindowsGeraet(pfad)) {
        return nullptr;
    }
    const std::wstring breiterPfad = breit(pfad);
    const HANDLE datei = breiterPfad.empty() ? INVALID_HANDLE_VALUE : oeffneLesend(breiterPfad);
    if (datei == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    if (!istGewoehnlicheDatei(datei)) {
        CloseHandle(datei);
        return nullptr;
    }
    const int deskriptor = alsDeskriptor(datei);
    return deskriptor < 0 ? nullptr : std::unique_ptr<Dateiquelle>(new Dateiquelle(deskriptor));
}

Dateiquelle::~Dateiquelle() {
    _close(deskriptor_); // closes the handle too
}

std::size_t Dateiquelle::lies(char* ziel, std::size_t anzahl) {
    const auto datei = reinterpret_cast<HANDLE>(_get_osfhandle(deskriptor_));
    const auto hoechstens = static_cast<DWORD>(std::min<std::size_t>(anzahl, MAXDWORD));
    DWORD gelesen = 0;
    if (ReadFile(datei, ziel, hoechstens, &gelesen, nullptr) == 0) {
        meldeFehler();
        return 0;
    }
    return gelesen;
}

} // namespace quentor
