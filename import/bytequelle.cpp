#include "bytequelle.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quentor {

namespace {
constexpr std::size_t puffergroesse = std::size_t{64} * 1024;
}

bool Bytequelle::nachfuellen() {
    daten_.erase(daten_.begin(), daten_.begin() + static_cast<std::ptrdiff_t>(pos_));
    pos_ = 0;
    return sichere(1);
}

// Makes sure at least `anzahl` bytes after the read position are buffered, if the data have them.
bool Bytequelle::sichere(std::size_t anzahl) {
    while (daten_.size() - pos_ < anzahl && !erschoepft_) {
        const std::size_t alt = daten_.size();
        daten_.resize(alt + puffergroesse);
        const std::size_t gelesen = lies(daten_.data() + alt, puffergroesse);
        daten_.resize(alt + gelesen);
        erschoepft_ = gelesen == 0;
    }
    return daten_.size() - pos_ >= anzahl;
}

bool Bytequelle::nimmFallsFolgt(std::string_view praefix) {
    if (!sichere(praefix.size()) ||
        std::string_view(daten_.data() + pos_, praefix.size()) != praefix) {
        return false;
    }
    pos_ += praefix.size();
    return true;
}

std::size_t Speicherquelle::lies(char* ziel, std::size_t anzahl) {
    const std::size_t n = std::min(anzahl, rest_.size());
    std::copy_n(rest_.data(), n, ziel);
    rest_.remove_prefix(n);
    return n;
}

std::unique_ptr<Dateiquelle> Dateiquelle::oeffne(const std::string& pfad) {
    if (pfad.empty() || pfad.find('\0') != std::string::npos) {
        return nullptr;
    }
    // Non-blocking, so that opening a pipe without a writer cannot hang; only regular files pass.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<Dateiquelle>(new Dateiquelle(fd));
}

Dateiquelle::~Dateiquelle() {
    ::close(deskriptor_);
}

std::size_t Dateiquelle::lies(char* ziel, std::size_t anzahl) {
    for (;;) {
        const ssize_t n = ::read(deskriptor_, ziel, anzahl);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            meldeFehler();
            return 0;
        }
    }
}

} // namespace quentor
