#pragma once
// What the tools and the tests need of the operating system, on Linux and on Windows alike.

#include <string>

#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#endif

namespace quentor::test {

inline int prozessnummer() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

#ifdef _WIN32
inline PROCESS_MEMORY_COUNTERS speicherzaehler() {
    PROCESS_MEMORY_COUNTERS zaehler{};
    GetProcessMemoryInfo(GetCurrentProcess(), &zaehler, sizeof zaehler);
    return zaehler;
}
#endif

// The process's peak memory so far, in KiB.
inline long spitzenspeicherKiB() {
#ifdef _WIN32
    return static_cast<long>(speicherzaehler().PeakWorkingSetSize / 1024);
#else
    rusage verbrauch{};
    ::getrusage(RUSAGE_SELF, &verbrauch);
    return verbrauch.ru_maxrss;
#endif
}

// The process's resident memory now, in KiB.
inline long speicherKiB() {
#ifdef _WIN32
    return static_cast<long>(speicherzaehler().WorkingSetSize / 1024);
#else
    long seiten = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> seiten >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
#endif
}

} // namespace quentor::test
