#pragma once
// A session wired to the in-memory window, a random source whose draws can be given, and the real
// permanence reader: the script driver and the fuzz targets drive it as the window's events would.

#include "permanenzleser.h"
#include "speicherfenster.h"
#include "spieltisch.h"

namespace quentor {

struct Speichertisch {
    Speichertisch() { tisch.start(); }
    Speichertisch(const Speichertisch&) = delete;
    Speichertisch& operator=(const Speichertisch&) = delete;

    Speicherfenster fenster;
    Vorgabezufall zufall;
    Dateileser leser;
    Spieltisch tisch{Umgebung{fenster, fenster, fenster, fenster, zufall, leser}};
};

} // namespace quentor
