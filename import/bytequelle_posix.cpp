// Dateiquelle on POSIX systems: a file descriptor opened without blocking, regular files only.

#include "bytequelle.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quentor {

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
