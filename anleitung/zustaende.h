#pragma once
// The states of the window that the guide (anleitung.html) shows, one picture each.

#include <QImage>

#include <span>

class QDir;
class QString;

namespace quentor::anleitung {

class Szene;

// The permanence files the states load, in the working folder of the scenes: the guide's example
// (copied there), one in the wrong format, one with a value that is no number at position 2, and
// one that is not there.
inline constexpr const char* beispieldatei = "beispiel.txt";
inline constexpr const char* falscheDatei = "notizen.txt";
inline constexpr const char* fehlerhafteDatei = "tisch7.txt";
inline constexpr const char* fehlendeDatei = "verschoben.txt";

struct Zustand {
    const char* name;             // the picture is bilder/NAME.png
    QImage (*herstellen)(Szene&); // brings a fresh window, already shown, there and draws it
};

std::span<const Zustand> zustaende();

// Lays out the files above in `ordner`, the example copied from `beispiel`; false when one could
// not be written.
bool legeDateienAn(const QDir& ordner, const QString& beispiel);

} // namespace quentor::anleitung
