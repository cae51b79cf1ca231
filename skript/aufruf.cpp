#include "aufruf.h"

#include "skript.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace quentor {

namespace {

constexpr std::string_view programm = "quentor-skript";
constexpr std::string_view kurzaufruf = "Aufruf: quentor-skript [--help] [--version] [DATEI]\n";

void hilfe(std::ostream& aus) {
    aus << kurzaufruf << "\n"
        << "Führt eine Quentor-Sitzung nach einem Skript aus, mit denselben Abläufen wie das\n"
           "Fenster: ein Befehl je Zeile, aus DATEI oder, ohne DATEI oder mit -, von der\n"
           "Standardeingabe. Leere Zeilen werden übergangen.\n\n"
        << "Befehle:\n"
        << skriptbefehle() << "\n"
        << "Ausgabe: eine JSON-Zeile für jedes \"zeige\" und für jeden Dialog, jede Frage und\n"
           "jede Meldung in dem Moment, in dem sie erscheinen.\n\n"
        << "Optionen:\n"
           "  -h, --help            diese Hilfe ausgeben\n"
           "  -V, --version         Namen und Version ausgeben\n\n"
        << "Exit-Status: 0 am Ende des Skripts oder nach \"ende ja\"; 2 bei einer Zeile, die\n"
           "nicht ausgeführt werden kann, einer unbekannten Option oder einer nicht lesbaren\n"
           "DATEI (mit einer Meldung auf der Standardfehlerausgabe).\n";
}

int falscherAufruf(std::ostream& fehler, const std::string& grund) {
    fehler << programm << ": " << grund << "\n" << kurzaufruf;
    return 2;
}

std::string grundVon(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return "nicht gefunden";
    case EACCES:
        return "keine Leseberechtigung";
    default:
        return std::strerror(fehlernummer);
    }
}

// Opens the script file, or says why it cannot be read. A folder opens as a stream on some
// systems and then reads as empty, so it is refused before.
std::optional<std::string> oeffne(const std::string& pfad, std::ifstream& datei) {
    std::error_code fehlercode;
    if (std::filesystem::is_directory(pfad, fehlercode)) {
        return "ist ein Ordner";
    }
    errno = 0;
    datei.open(pfad, std::ios::binary);
    if (!datei) {
        return grundVon(errno);
    }
    return std::nullopt;
}

int fuehreDateiAus(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    std::ifstream datei;
    if (const auto grund = oeffne(pfad, datei)) {
        fehler << programm << ": " << pfad << " kann nicht gelesen werden: " << *grund << "\n";
        return 2;
    }
    return fuehreSkriptAus(datei, aus, fehler);
}

} // namespace

int aufruf(const std::vector<std::string_view>& argumente, std::istream& ein, std::ostream& aus,
           std::ostream& fehler) {
    std::optional<std::string> datei;
    bool nurDateien = false;
    for (const std::string_view arg : argumente) {
        if (!nurDateien && (arg == "-h" || arg == "--help")) {
            hilfe(aus);
            return 0;
        }
        if (!nurDateien && (arg == "-V" || arg == "--version")) {
            aus << programm << " " << QUENTOR_VERSION << "\n";
            return 0;
        }
        if (!nurDateien && arg == "--") {
            nurDateien = true;
        } else if (!nurDateien && arg.size() > 1 && arg.front() == '-') {
            return falscherAufruf(fehler, "unbekannte Option '" + std::string(arg) + "'");
        } else if (datei) {
            return falscherAufruf(fehler, "nur eine DATEI, nicht auch '" + std::string(arg) + "'");
        } else {
            datei = std::string(arg);
        }
    }
    if (!datei || *datei == "-") {
        return fuehreSkriptAus(ein, aus, fehler);
    }
    return fuehreDateiAus(*datei, aus, fehler);
}

} // namespace quentor
