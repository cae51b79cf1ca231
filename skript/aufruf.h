#pragma once
// The command line of quentor-skript: options, where the script comes from, exit statuses.

#include <iosfwd>
#include <string_view>
#include <vector>

namespace quentor {

// quentor-skript [--help | --version | [--] DATEI | -]. Runs the script from DATEI, or from `ein`
// without one (or with "-"); returns the exit status: 0 when done, 2 for an unknown option, an
// unreadable DATEI or a script line that cannot be run (message on `fehler`).
int aufruf(const std::vector<std::string_view>& argumente, std::istream& ein, std::ostream& aus,
           std::ostream& fehler);

} // namespace quentor
