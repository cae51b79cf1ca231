#pragma once
// What the tests need of the operating system, on Linux and on Windows alike.

#include <string>

#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace quentor::test {

inline int prozessnummer() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

// The process's peak memory so far, in KiB.
inline long spitzenspeicherKiB() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS zaehler{};
    GetProcessMemoryInfo(GetCurrentProcess(), &zaehler, sizeof zaehler);
    return static_cast<long>(zaehler.PeakWorkingSetSize / 1024);
#else
    rusage verbrauch{};
    ::getrusage(RUSAGE_SELF, &verbrauch);
    return verbrauch.ru_maxrss;
#endif
}

} // namespace quentor::test
