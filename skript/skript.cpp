#include "skript.h"

#include "speichertisch.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace quentor {

namespace {

class Skript {
  public:
    enum class Ausgang { weiter, beendet, fehler };
    struct Argumente; // of one command, as read from its line

    // Writes to `aus`, which must outlive the Skript.
    explicit Skript(std::ostream& aus);
    // Runs one line; on `fehler`, `grund` says what is wrong with it.
    Ausgang zeile(std::string_view zeile, std::string& grund);
    nlohmann::ordered_json zustand() const;
    static std::string uebersicht();

  private:
    struct Befehl;
    static const std::vector<Befehl>& befehle();

    Ausgang wurf(const Argumente&);
    Ausgang rotat(const Argumente&);
    Ausgang neu(const Argumente& a);
    Ausgang ende(const Argumente& a);
    Ausgang zahl(const Argumente& a);
    Ausgang haken(const Argumente& a);
    Ausgang datei(const Argumente& a);
    Ausgang zufall(const Argumente& a);
    Ausgang zeige(const Argumente&);
    void schreibe(const nlohmann::ordered_json& objekt);

    std::ostream& aus_;
    Speichertisch speicher_;
};

// How a command's arguments are read.
enum class Argumentart {
    keine,       // nothing may follow the word
    antwort,     // ja | nein
    optionsfeld, // 0 | 1
    text,        // everything after the first blank, as it stands
    pfad,        // as text; a word without a blank cancels the dialog
    zufallswerte // one or more reals 0 <= r < 1
};

struct Skript::Argumente {
    std::string_view text;
    bool hatText = false; // a blank followed the word
    bool ja = false;
    int index = 0;
    std::vector<float> werte;
};

struct Skript::Befehl {
    std::string_view wort;
    Argumentart art;
    std::string_view argumente;    // as the usage text shows them
    std::string_view beschreibung; // for the usage text
    Ausgang (Skript::*aktion)(const Argumente&);
};

const std::vector<Skript::Befehl>& Skript::befehle() {
    static const std::vector<Befehl> tabelle{
        {"wurf", Argumentart::keine, "", "ein Klick auf \"Wurf\"", &Skript::wurf},
        {"rotat", Argumentart::keine, "", "ein Klick auf \"Rotat\"", &Skript::rotat},
        {"neu", Argumentart::antwort, "ja|nein", "ein Klick auf \"Neu\", die Frage so beantwortet",
         &Skript::neu},
        {"ende", Argumentart::antwort, "ja|nein",
         "ein Klick auf \"Ende\", die Frage so beantwortet", &Skript::ende},
        {"zahl", Argumentart::text, "TEXT",
         "TEXT (alles nach dem ersten Blank) ins Zahlfeld getippt", &Skript::zahl},
        {"haken", Argumentart::optionsfeld, "0|1",
         "ein Klick auf Optionsfeld 0 (ohne Zero) oder 1 (löschen)", &Skript::haken},
        {"datei", Argumentart::pfad, "[PFAD]",
         "ein Klick auf \"Datei\"; PFAD gewählt, ohne PFAD abgebrochen", &Skript::datei},
        {"zufall", Argumentart::zufallswerte, "R1 R2 ...", "die nächsten Zufallswerte, 0 <= R < 1",
         &Skript::zufall},
        {"zeige", Argumentart::keine, "", "den Zustand als eine JSON-Zeile ausgeben",
         &Skript::zeige},
    };
    return tabelle;
}

std::vector<std::string_view> woerter(std::string_view text) {
    std::vector<std::string_view> liste;
    while (!text.empty()) {
        const std::size_t anfang = text.find_first_not_of(' ');
        if (anfang == std::string_view::npos) {
            break;
        }
        text.remove_prefix(anfang);
        const std::size_t ende = std::min(text.find(' '), text.size());
        liste.push_back(text.substr(0, ende));
        text.remove_prefix(ende);
    }
    return liste;
}

// A real 0 <= r < 1 in the usual notation (an optional sign, decimals, an exponent), read as
// single precision; nothing for anything else. A value too small for single precision is 0.
std::optional<float> zufallswert(std::string_view wort) {
    if (wort.size() > 1 && wort.front() == '+' && wort[1] != '-') {
        wort.remove_prefix(1);
    }
    float r = 0.0F;
    const char* ende = wort.data() + wort.size();
    std::from_chars_result ergebnis = std::from_chars(wort.data(), ende, r);
    if (ergebnis.ec == std::errc::result_out_of_range) {
        double genau = 0.0; // out of range for a float: zero if it is only too small
        ergebnis = std::from_chars(wort.data(), ende, genau);
        if (ergebnis.ec == std::errc() && genau >= 0.0 && genau < 1.0) {
            r = 0.0F;
        } else {
            ergebnis.ec = std::errc::result_out_of_range;
        }
    }
    if (ergebnis.ec != std::errc() || ergebnis.ptr != ende || !(r >= 0.0F && r < 1.0F)) {
        return std::nullopt;
    }
    return r;
}

std::string zitiert(std::string_view wort) {
    std::string text(1, '\'');
    text.append(wort).push_back('\'');
    return text;
}

std::optional<std::string> liesZufallswerte(std::string_view wort,
                                            const std::vector<std::string_view>& w,
                                            std::vector<float>& werte) {
    for (const auto einzeln : w) {
        const auto r = zufallswert(einzeln);
        if (!r) {
            return zitiert(wort) + " braucht Werte 0 <= r < 1, nicht " + zitiert(einzeln);
        }
        werte.push_back(*r);
    }
    if (werte.empty()) {
        return zitiert(wort) + " braucht mindestens einen Wert";
    }
    return std::nullopt;
}

// Fills `a` from the words after the command; returns what is wrong with them, if anything.
std::optional<std::string> liesWoerter(Argumentart art, std::string_view wort,
                                       const std::vector<std::string_view>& w,
                                       Skript::Argumente& a) {
    switch (art) {
    case Argumentart::keine:
        if (!w.empty()) {
            return zitiert(wort) + " nimmt kein Argument";
        }
        break;
    case Argumentart::antwort:
        if (w.size() != 1 || (w[0] != "ja" && w[0] != "nein")) {
            return zitiert(wort) + " braucht die Antwort ja oder nein";
        }
        a.ja = w[0] == "ja";
        break;
    case Argumentart::optionsfeld:
        if (w.size() != 1 || (w[0] != "0" && w[0] != "1")) {
            return zitiert(wort) + " braucht das Optionsfeld 0 oder 1";
        }
        a.index = w[0] == "1" ? 1 : 0;
        break;
    case Argumentart::zufallswerte:
        return liesZufallswerte(wort, w, a.werte);
    case Argumentart::text:
    case Argumentart::pfad:
        break;
    }
    return std::nullopt;
}

// The output names a file dialog "dialog" and a message "meldung".
nlohmann::ordered_json kastenAlsJson(const Kasten& k) {
    switch (k.art) {
    case Kastenart::dateidialog:
        return {{"dialog", {{"titel", k.titel}, {"filter", k.text}}}};
    case Kastenart::frage:
        return {{"frage", {{"titel", k.titel}, {"text", k.text}}}};
    case Kastenart::warnung:
        break;
    }
    return {{"meldung", {{"titel", k.titel}, {"text", k.text}}}};
}

Skript::Skript(std::ostream& aus) : aus_(aus) {
    speicher_.beobachte([this](const Kasten& k) { schreibe(kastenAlsJson(k)); });
}

void Skript::schreibe(const nlohmann::ordered_json& objekt) {
    aus_ << objekt.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    aus_.flush();
}

Skript::Ausgang Skript::zeile(std::string_view zeile, std::string& grund) {
    // Everything shown has been printed already; a long script keeps no history.
    speicher_.vergiss();
    if (!zeile.empty() && zeile.back() == '\r') {
        zeile.remove_suffix(1);
    }
    if (zeile.find_first_not_of(' ') == std::string_view::npos) {
        return Ausgang::weiter;
    }
    const std::size_t blank = zeile.find(' ');
    const std::string_view wort = zeile.substr(0, blank);
    const auto& tabelle = befehle();
    const auto befehl = std::find_if(tabelle.begin(), tabelle.end(),
                                     [wort](const Befehl& b) { return b.wort == wort; });
    if (befehl == tabelle.end()) {
        grund = "unbekannter Befehl " + zitiert(wort);
        return Ausgang::fehler;
    }
    Argumente argumente;
    argumente.hatText = blank != std::string_view::npos;
    argumente.text = argumente.hatText ? zeile.substr(blank + 1) : std::string_view();
    if (auto fehler = liesWoerter(befehl->art, wort, woerter(argumente.text), argumente)) {
        grund = std::move(*fehler);
        return Ausgang::fehler;
    }
    return (this->*befehl->aktion)(argumente);
}

Skript::Ausgang Skript::wurf(const Argumente& /*keine*/) {
    speicher_.wurf();
    return Ausgang::weiter;
}

Skript::Ausgang Skript::rotat(const Argumente& /*keine*/) {
    speicher_.ganzerotation();
    return Ausgang::weiter;
}

Skript::Ausgang Skript::neu(const Argumente& a) {
    speicher_.neu(a.ja);
    return Ausgang::weiter;
}

Skript::Ausgang Skript::ende(const Argumente& a) {
    return speicher_.ende(a.ja) ? Ausgang::beendet : Ausgang::weiter;
}

Skript::Ausgang Skript::zahl(const Argumente& a) {
    speicher_.tippe(a.text);
    return Ausgang::weiter;
}

Skript::Ausgang Skript::haken(const Argumente& a) {
    speicher_.klickeHaken(a.index);
    return Ausgang::weiter;
}

Skript::Ausgang Skript::datei(const Argumente& a) {
    if (a.hatText) {
        speicher_.lade(std::string(a.text));
    } else {
        speicher_.ladeAbgebrochen();
    }
    return Ausgang::weiter;
}

Skript::Ausgang Skript::zufall(const Argumente& a) {
    speicher_.vorgebenZufall(a.werte);
    return Ausgang::weiter;
}

Skript::Ausgang Skript::zeige(const Argumente& /*keine*/) {
    schreibe(zustand());
    return Ausgang::weiter;
}

nlohmann::ordered_json Skript::zustand() const {
    const Sitzung& s = speicher_.sitzung();
    const Tabelle& t = speicher_.tabelle();
    auto farben = nlohmann::ordered_json::array();
    auto texte = nlohmann::ordered_json::array();
    for (int z = 0; z < zeilenanzahl; ++z) {
        auto farbzeile = nlohmann::ordered_json::array();
        auto textzeile = nlohmann::ordered_json::array();
        for (int sp = 0; sp < spaltenanzahl; ++sp) {
            farbzeile.push_back(t.zelle(z, sp).farbe);
            textzeile.push_back(t.zelle(z, sp).text);
        }
        farben.push_back(farbzeile);
        texte.push_back(textzeile);
    }
    nlohmann::ordered_json j;
    for (const auto& [feld, name] : anzeigefelder) {
        j[std::string(name)] = speicher_.oberflaeche().text(feld);
    }
    j["wurfzaehler"] = s.wurfzaehler;
    j["aktzahl"] = s.aktzahl;
    j["rotpos"] = s.rotpos;
    j["rotlaenge"] = s.rotlaenge;
    j["rotnummer"] = s.rotnummer;
    j["dateimodus"] = s.dateimodus;
    j["dateianzahl"] = s.dateianzahl();
    j["loeschflag"] = s.loeschflag;
    j["freizahl"] = s.freizahl;
    j["haken"] = {speicher_.oberflaeche().haken(0), speicher_.oberflaeche().haken(1)};
    j["fenster"] = s.fenster;
    j["farben"] = farben;
    j["texte"] = texte;
    return j;
}

std::string Skript::uebersicht() {
    std::string text;
    for (const Befehl& b : befehle()) {
        std::string aufruf(2, ' ');
        aufruf.append(b.wort);
        if (!b.argumente.empty()) {
            aufruf.append(" ").append(b.argumente);
        }
        aufruf.resize(std::max<std::size_t>(aufruf.size() + 2, 22), ' ');
        text += aufruf + std::string(b.beschreibung) + "\n";
    }
    return text;
}

} // namespace

std::string skriptbefehle() {
    return Skript::uebersicht();
}

int fuehreSkriptAus(std::istream& ein, std::ostream& aus, std::ostream& fehler) {
    Skript skript(aus);
    std::string zeile;
    for (int nummer = 1; std::getline(ein, zeile); ++nummer) {
        std::string grund;
        switch (skript.zeile(zeile, grund)) {
        case Skript::Ausgang::weiter:
            break;
        case Skript::Ausgang::beendet:
            return 0;
        case Skript::Ausgang::fehler:
            fehler << "quentor-skript: Zeile " << nummer << ": " << grund << '\n';
            return 2;
        }
    }
    return 0;
}

} // namespace quentor
