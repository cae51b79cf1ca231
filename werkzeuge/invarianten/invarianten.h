#pragma once
// Properties of a session that hold after every operation; used by the property tests and the
// session fuzzer.

#include "schnittstellen.h"
#include "spieltisch.h"

#include <string>

namespace quentor {

// Returns an empty string when every property holds, otherwise a description of the first one
// broken. `nachAufnahme`: the last operation was a spin that recorded a number.
std::string pruefeInvarianten(const Spieltisch& tisch, const Anzeige& anzeige,
                              const Optionsfelder& optionsfelder, bool nachAufnahme);

} // namespace quentor
