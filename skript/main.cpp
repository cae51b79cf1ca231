// quentor-skript: drives one session from a script (see --help).

#include "aufruf.h"

#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // Bytes as they are: no CRLF for LF and no end of input at a Ctrl-Z, as on every other system.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    return quentor::aufruf({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
