#include "vorgaben.h"

namespace quentor {

float Vorgabezufall::naechste() {
    if (vorgaben_.empty()) {
        return ersatz_.naechste();
    }
    const float r = vorgaben_.front();
    vorgaben_.pop_front();
    return r;
}

Permanenzdaten Vorgabeleser::lies(const std::string& pfad, std::size_t hoechstens) {
    if (!vorgabe_) {
        return datei_.lies(pfad, hoechstens);
    }
    Permanenzdaten daten = *vorgabe_;
    if (daten.werte.size() > hoechstens) {
        daten.werte.resize(hoechstens);
    }
    return daten;
}

} // namespace quentor
