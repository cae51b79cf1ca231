#include "zustaende.h"

#include "szene.h"

#include <QDir>
#include <QFile>

#include <iterator>

namespace quentor::anleitung {

namespace {

constexpr int einigeWuerfe = static_cast<int>(std::size(ersteZahlen));

QImage start(Szene& s) {
    return s.bild();
}

QImage wuerfe(Szene& s) {
    s.klicke("okwurf", einigeWuerfe);
    return s.bild();
}

QImage rotation(Szene& s) {
    s.klicke("okstep");
    return s.bild();
}

// Three values of the guide's example replayed; no picture when the example was not taken.
QImage datei(Szene& s) {
    s.waehle(QString::fromLatin1(beispieldatei));
    s.klicke("okdatei");
    s.klicke("okwurf", 3);
    return s.form().spieltisch().sitzung().dateianzahl() > 0 ? s.bild() : QImage();
}

QImage ohneZero(Szene& s) {
    s.klicke("Check1(0)");
    s.klicke("okstep");
    return s.bild();
}

// A whole rotation with the table cleared at its end, and the first spin of the next one.
QImage loeschen(Szene& s) {
    s.klicke("Check1(1)");
    s.klicke("okstep");
    s.klicke("okwurf");
    return s.bild();
}

QImage frageNeu(Szene& s) {
    s.klicke("okwurf", einigeWuerfe);
    return s.bildMitKasten("okneu");
}

QImage frageEnde(Szene& s) {
    s.klicke("okwurf", einigeWuerfe);
    return s.bildMitKasten("okende");
}

QImage meldungFormat(Szene& s) {
    s.waehle(QString::fromLatin1(falscheDatei));
    return s.bildMitKasten("okdatei");
}

QImage meldungLesen(Szene& s) {
    s.waehle(QString::fromLatin1(fehlendeDatei));
    return s.bildMitKasten("okdatei");
}

// The first value is taken, the second is no number 0 to 36.
QImage meldungPosition(Szene& s) {
    s.waehle(QString::fromLatin1(fehlerhafteDatei));
    s.klicke("okdatei");
    s.klicke("okwurf");
    return s.bildMitKasten("okwurf");
}

bool schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

constexpr Zustand alle[] = {
    {"start", start},
    {"wuerfe", wuerfe},
    {"rotation", rotation},
    {"datei", datei},
    {"ohne-zero", ohneZero},
    {"loeschen", loeschen},
    {"frage-neu", frageNeu},
    {"frage-ende", frageEnde},
    {"meldung-format", meldungFormat},
    {"meldung-lesen", meldungLesen},
    {"meldung-position", meldungPosition},
};

} // namespace

std::span<const Zustand> zustaende() {
    return alle;
}

bool legeDateienAn(const QDir& ordner, const QString& beispiel) {
    const auto pfad = [&ordner](const char* name) {
        return ordner.filePath(QString::fromLatin1(name));
    };
    return QFile::copy(beispiel, pfad(beispieldatei)) &&
           schreibe(pfad(falscheDatei), "Notizen vom Abend\n17\n5\n") &&
           schreibe(pfad(fehlerhafteDatei), "Spielbank Musterstadt\nTisch 7\n06.12.2026\nAbend\n"
                                            "12\n40\n");
}

} // namespace quentor::anleitung
