// quentor-skript: drives one session from a script (see --help).

#include "aufruf.h"

#include <iostream>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    return quentor::aufruf({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
