#pragma once
// The script driver: runs one command a line against one in-memory session, through the same
// core operations as the window's events, and writes one JSON object a line for every state shown
// (`zeige`) and for every box (question, message, file dialog) at the moment it appears.

#include <iosfwd>
#include <string>

namespace quentor {

// Reads the whole script; returns the exit status (0, or 2 at a line it cannot run).
int fuehreSkriptAus(std::istream& ein, std::ostream& aus, std::ostream& fehler);
// The commands with their arguments and what they do, one a line, for the usage text.
std::string skriptbefehle();

} // namespace quentor
