#pragma once
// Reading a permanence file: the recorded numbers of a casino table, replayed spin by spin.
//
// Format: items separated by commas and line ends. Item 1 must begin with "Spielbank"; items 2 to
// 4 are a header and ignored; from item 5 on, an item starting with "-" is a separator (skipped),
// one starting with "=" ends the data, and any other item (an empty one too) is a value, its
// numeric value stored as a real. Reading stops after as many values as the caller takes (the
// session: `permanenzgrenze`, sitzung.h); the rest of the file is not read.
// The reader only turns bytes into values: what the session does with them is the core's affair.

#include "bytequelle.h"
#include "schnittstellen.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace quentor {

// Reads at most `hoechstens` values of a permanence from `quelle` into `werte` (emptied first). On
// a rejected or unreadable file `werte` is left empty.
Leseergebnis liesPermanenz(Bytequelle& quelle, std::vector<double>& werte,
                           std::size_t hoechstens = std::numeric_limits<std::size_t>::max());

// Permanence files on disk; only regular files are read (bytequelle.h).
class Dateileser : public Permanenzleser {
  public:
    Permanenzdaten lies(const std::string& pfad, std::size_t hoechstens) override;
};

} // namespace quentor
