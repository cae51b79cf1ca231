#include "itemleser.h"

namespace quentor {

void Item::nimm(char c) {
    if (anfang.size() < anfangslaenge) {
        anfang.push_back(c);
    }
    zahl.nimm(c);
}

void Itemleser::ueberspringeBom() {
    quelle_.nimmFallsFolgt("\xEF\xBB\xBF");
}

Item Itemleser::lies() {
    while (quelle_.naechstes() == ' ' || quelle_.naechstes() == '\t') {
        quelle_.nimm();
    }
    Item item;
    if (quelle_.naechstes() == '"') {
        quelle_.nimm();
        liesInAnfuehrung(item);
    } else {
        liesBisEnde(&item);
    }
    nimmTrenner();
    return item;
}

// Up to the comma or line end that ends the item, which stays unread; without an item the
// characters are dropped.
void Itemleser::liesBisEnde(Item* item) {
    for (int c = quelle_.naechstes(); c != Bytequelle::ende && c != ',' && !istZeilenende(c);
         c = quelle_.naechstes()) {
        quelle_.nimm();
        if (item != nullptr) {
            item->nimm(static_cast<char>(c));
        }
    }
}

void Itemleser::liesInAnfuehrung(Item& item) {
    for (int c = quelle_.naechstes(); c != Bytequelle::ende && c != '"' && !istZeilenende(c);
         c = quelle_.naechstes()) {
        item.nimm(static_cast<char>(quelle_.nimm()));
    }
    if (quelle_.naechstes() == '"') {
        quelle_.nimm();
        liesBisEnde(nullptr); // what stands after the closing quote is dropped
    }
}

// Takes the comma or line end that ended the item; CRLF is one line end.
void Itemleser::nimmTrenner() {
    const int c = quelle_.nimm();
    if (c == '\r' && quelle_.naechstes() == '\n') {
        quelle_.nimm();
    }
}

} // namespace quentor
