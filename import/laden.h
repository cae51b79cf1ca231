#pragma once
// Loading a permanence file: the recorded numbers of a casino table, replayed spin by spin.
//
// Format: items separated by commas and line ends. Item 1 must begin with "Spielbank"; items 2 to
// 4 are a header and ignored; from item 5 on, an item starting with "-" is a separator (skipped),
// one starting with "=" ends the data, and any other item (an empty one too) is a value, its
// numeric value stored as a real. At most 3599 values are taken.

#include "bytequelle.h"
#include "schnittstellen.h"
#include "sitzung.h"

#include <vector>

namespace quentor {

enum class Leseergebnis { gelesen, formatUngueltig, lesefehler };

// Reads the values of a permanence from `quelle` into `werte` (emptied first). On a rejected or
// unreadable file `werte` is left empty.
Leseergebnis liesPermanenz(Bytequelle& quelle, std::vector<double>& werte);

// The "Datei" command: asks for a file and loads it into the session. Afterwards the session is in
// file mode, unless the dialog reported no file (then it is in random mode with no values). A
// rejected or unreadable file is answered with a message and leaves file mode with 0 values.
void laden(Sitzung& sitzung, Anzeige& anzeige, Dateidialog& dialog, Meldungen& meldungen);

} // namespace quentor
