#pragma once
// Splits a permanence file into items. A comma or a line end (LF, CRLF or a lone CR) ends an item;
// blanks and tabs in front of an item are skipped; an item that then starts with a double quote
// runs to the next double quote on the same line (or to the line end) and is taken without its
// quotes, whatever follows the closing quote up to the next comma or line end is dropped. The end
// of the data ends the last item. An item is never held whole: only its first characters and its
// numeric value are kept.

#include "bytequelle.h"
#include "zahlwert.h"

#include <string>

namespace quentor {

struct Item {
    static constexpr std::size_t anfangslaenge = 9; // enough for the identification "Spielbank"

    std::string anfang; // the first characters of the item, quotes removed
    Zahlleser zahl;     // its numeric value
    void nimm(char c);
};

class Itemleser {
  public:
    // Reads from `quelle`, which must outlive the Itemleser.
    explicit Itemleser(Bytequelle& quelle) : quelle_(quelle) {}

    // Skips a UTF-8 byte order mark; call before the first item.
    void ueberspringeBom();
    bool amEnde() { return quelle_.amEnde(); }
    Item lies();

  private:
    static bool istZeilenende(int c) { return c == '\n' || c == '\r'; }
    void liesBisEnde(Item* item);
    void liesInAnfuehrung(Item& item);
    void nimmTrenner();

    Bytequelle& quelle_;
};

} // namespace quentor
