// quentor-skript: drives one session from a script on standard input (see README).

#include "skript.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    return quentor::fuehreSkriptAus(std::cin, std::cout, std::cerr);
}
