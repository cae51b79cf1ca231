#pragma once
// A file in memory holding given bytes, so that a fuzz target loads them through the real "Datei"
// command and the real file reader. One file for the whole process: each call replaces its
// contents and returns its path.

#include <cstdlib>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

namespace quentor {

inline std::string speicherdatei(std::string_view inhalt) {
    static const int fd = ::memfd_create("permanenz.txt", 0);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0 ||
        ::write(fd, inhalt.data(), inhalt.size()) != static_cast<ssize_t>(inhalt.size())) {
        std::abort();
    }
    return "/proc/self/fd/" + std::to_string(fd);
}

} // namespace quentor
