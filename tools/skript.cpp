#include "skript.h"

#include "laden.h"
#include "texte.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

namespace quentor {

namespace {

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

std::optional<bool> antwort(const std::vector<std::string_view>& w) {
    if (w.size() == 1 && (w[0] == "ja" || w[0] == "nein")) {
        return w[0] == "ja";
    }
    return std::nullopt;
}

nlohmann::ordered_json ereignisAlsJson(const Ereignis& e) {
    if (e.art == Ereignis::Art::dialog) {
        return {{"dialog", {{"titel", e.titel}, {"filter", e.text}}}};
    }
    return {{"meldung", {{"titel", e.titel}, {"text", e.text}}}};
}

} // namespace

Skript::Skript(std::ostream& aus) : aus_(aus), tisch_(fenster_, fenster_, fenster_, zufall_) {
    fenster_.beobachter = [this](const Ereignis& e) { schreibe(ereignisAlsJson(e)); };
    tisch_.start();
}

void Skript::schreibe(const nlohmann::ordered_json& objekt) {
    aus_ << objekt.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    aus_.flush();
}

void Skript::frage(std::string_view titel, std::string_view text) {
    schreibe({{"frage", {{"titel", titel}, {"text", text}}}});
}

Skript::Ausgang Skript::zeile(std::string_view zeile, std::string& grund) {
    // Everything shown has been printed already; a long script keeps no history.
    fenster_.ereignisse.clear();
    fenster_.neuGezeichnet.clear();
    if (!zeile.empty() && zeile.back() == '\r') {
        zeile.remove_suffix(1);
    }
    if (zeile.find_first_not_of(' ') == std::string_view::npos) {
        return Ausgang::weiter;
    }
    const std::size_t blank = zeile.find(' ');
    if (blank == std::string_view::npos) {
        return befehl(zeile, {}, false, grund);
    }
    return befehl(zeile.substr(0, blank), zeile.substr(blank + 1), true, grund);
}

Skript::Ausgang Skript::befehl(std::string_view wort, std::string_view rest, bool hatRest,
                               std::string& grund) {
    const auto argumente = woerter(rest);
    const auto ohneArgumente = [&] {
        if (!argumente.empty()) {
            grund = "'" + std::string(wort) + "' nimmt kein Argument";
        }
        return argumente.empty();
    };
    if (wort == "wurf" || wort == "rotat" || wort == "zeige") {
        if (!ohneArgumente()) {
            return Ausgang::fehler;
        }
        if (wort == "wurf") {
            tisch_.wurf();
        } else if (wort == "rotat") {
            tisch_.ganzerotation();
        } else {
            schreibe(zustand());
        }
        return Ausgang::weiter;
    }
    if (wort == "neu" || wort == "ende") {
        const auto ja = antwort(argumente);
        if (!ja) {
            grund = "'" + std::string(wort) + "' braucht die Antwort ja oder nein";
            return Ausgang::fehler;
        }
        if (wort == "neu") {
            frage(texte::neuTitel, texte::neuFrage);
            if (*ja) {
                tisch_.neustart();
            }
            return Ausgang::weiter;
        }
        frage(texte::endeTitel, texte::endeFrage);
        return *ja ? Ausgang::beendet : Ausgang::weiter;
    }
    if (wort == "zahl") {
        fenster_.setzeText(Feld::zahl, rest);
        return Ausgang::weiter;
    }
    if (wort == "haken") {
        if (argumente.size() != 1 || (argumente[0] != "0" && argumente[0] != "1")) {
            grund = "'haken' braucht das Optionsfeld 0 oder 1";
            return Ausgang::fehler;
        }
        const int index = argumente[0] == "1" ? 1 : 0;
        fenster_.setzeHaken(index, 1 - fenster_.haken(index));
        tisch_.optionen();
        return Ausgang::weiter;
    }
    if (wort == "datei") {
        if (hatRest) {
            fenster_.waehle(std::string(rest));
        } else {
            fenster_.abbrechen();
        }
        laden(tisch_.sitzung(), fenster_, fenster_, fenster_);
        return Ausgang::weiter;
    }
    if (wort == "zufall") {
        std::vector<float> werte;
        for (const auto w : argumente) {
            const auto r = zufallswert(w);
            if (!r) {
                grund = "'zufall' braucht Werte 0 <= r < 1, nicht '" + std::string(w) + "'";
                return Ausgang::fehler;
            }
            werte.push_back(*r);
        }
        if (werte.empty()) {
            grund = "'zufall' braucht mindestens einen Wert";
            return Ausgang::fehler;
        }
        zufall_.vorgeben(std::move(werte));
        return Ausgang::weiter;
    }
    grund = "unbekannter Befehl '" + std::string(wort) + "'";
    return Ausgang::fehler;
}

nlohmann::ordered_json Skript::zustand() const {
    const Sitzung& s = tisch_.sitzung();
    const Tabelle& t = tisch_.tabelle();
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
    j["zahl"] = fenster_.text(Feld::zahl);
    j["laufnummer"] = fenster_.text(Feld::laufnummer);
    j["Textanzahl"] = fenster_.text(Feld::Textanzahl);
    j["Label3"] = fenster_.text(Feld::Label3);
    j["Label23"] = fenster_.text(Feld::Label23);
    j["Label8"] = fenster_.text(Feld::Label8);
    j["Label7"] = fenster_.text(Feld::Label7);
    j["wurfzaehler"] = s.wurfzaehler;
    j["aktzahl"] = s.aktzahl;
    j["rotpos"] = s.rotpos;
    j["rotlaenge"] = s.rotlaenge;
    j["rotnummer"] = s.rotnummer;
    j["dateimodus"] = s.dateimodus;
    j["dateianzahl"] = s.dateianzahl;
    j["loeschflag"] = s.loeschflag;
    j["freizahl"] = s.freizahl;
    j["haken"] = {fenster_.haken(0), fenster_.haken(1)};
    j["fenster"] = s.fenster;
    j["farben"] = farben;
    j["texte"] = texte;
    return j;
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
