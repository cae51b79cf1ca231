#include "itemleser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quentor {
namespace {

struct Gelesen {
    std::string anfang;
    double wert;
    bool operator==(const Gelesen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Gelesen& g) {
    return os << "{\"" << g.anfang << "\", " << g.wert << "}";
}

std::vector<Gelesen> alleItems(const std::string& daten) {
    Speicherquelle quelle(daten);
    Itemleser leser(quelle);
    leser.ueberspringeBom();
    std::vector<Gelesen> items;
    while (!leser.amEnde()) {
        const Item item = leser.lies();
        items.push_back({item.anfang, item.zahl.wert()});
    }
    return items;
}

struct Fall {
    const char* name;
    std::string daten;
    std::vector<Gelesen> items;
};

TEST(Itemleser, Regeln) {
    const std::vector<Fall> faelle = {
        {"Komma und Zeilenende trennen", "1,2\n3", {{"1", 1}, {"2", 2}, {"3", 3}}},
        {"LF, CRLF und CR sind je ein Zeilenende",
         "1\n2\r\n3\r4",
         {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}}},
        {"leere Zeile ist ein leeres Item", "1\n\n2", {{"1", 1}, {"", 0}, {"2", 2}}},
        {"leere Zeile mit CRLF", "1\r\n\r\n2\r\n", {{"1", 1}, {"", 0}, {"2", 2}}},
        {"Komma vor Zeilenende laesst ein leeres Item", "1,\n2", {{"1", 1}, {"", 0}, {"2", 2}}},
        {"Komma am Dateiende beendet nur das Item", "1,", {{"1", 1}}},
        {"Zeile nur aus Blanks", "1\n   \n2", {{"1", 1}, {"", 0}, {"2", 2}}},
        {"Blanks und Tabs vorn fallen weg", " \t 7, \t-\n", {{"7", 7}, {"-", 0}}},
        {"Blanks hinten bleiben", "5  ,6", {{"5  ", 5}, {"6", 6}}},
        {"Anfuehrung darf Kommas halten", "\"1,5\",2", {{"1,5", 1}, {"2", 2}}},
        {"Rest nach schliessender Anfuehrung faellt weg", "\"=x\"yz,3", {{"=x", 0}, {"3", 3}}},
        {"Anfuehrung ohne Ende laeuft bis zum Zeilenende",
         "\"12,13\n14",
         {{"12,13", 12}, {"14", 14}}},
        {"Anfuehrung endet nicht ueber die Zeile hinaus", "\"a\nb\"", {{"a", 0}, {"b\"", 0}}},
        {"leere Anfuehrung", "\"\",9", {{"", 0}, {"9", 9}}},
        {"Blanks in der Anfuehrung zaehlen zum Wert nicht", "\"  21\"", {{"  21", 21}}},
        {"BOM am Anfang wird uebersprungen",
         "\xEF\xBB\xBF"
         "Spielbank",
         {{"Spielbank", 0}}},
        {"BOM spaeter ist Text",
         "1\n\xEF\xBB\xBF"
         "2",
         {{"1", 1},
          {"\xEF\xBB\xBF"
           "2",
           0}}},
        {"nur BOM", "\xEF\xBB\xBF", {}},
        {"NUL ist ein Zeichen",
         std::string("4\0"
                     "5,6",
                     5),
         {{std::string("4\0"
                       "5",
                       3),
           4},
          {"6", 6}}},
        {"lange Items behalten ihren Anfang",
         std::string(100000, 'x') + ",1",
         {{"xxxxxxxxx", 0}, {"1", 1}}},
        {"Dateiende beendet das letzte Item", "Spielbank,Tisch", {{"Spielbank", 0}, {"Tisch", 0}}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(alleItems(f.daten), f.items) << f.name;
    }
}

TEST(Itemleser, GrosseDatenInKleinemPuffer) {
    // Items cross the reader's buffer boundaries; every one is read whole.
    std::string daten;
    for (int i = 0; i < 50000; ++i) {
        daten += std::to_string(i % 37) + (i % 3 == 0 ? "\r\n" : ",");
    }
    const auto items = alleItems(daten);
    ASSERT_EQ(items.size(), 50000U);
    for (int i = 0; i < 50000; i += 997) {
        EXPECT_EQ(items[static_cast<std::size_t>(i)].wert, i % 37);
    }
}

} // namespace
} // namespace quentor
