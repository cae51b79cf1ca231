// Draws the pictures of the player's guide: the real window, offscreen, in each state the guide
// shows (zustaende.cpp), as ORDNER/NAME.png; then writes the names, one a line, to LISTE. The
// folder is emptied first, so that it holds only the pictures of this run.
//
// Usage: quentor_anleitungsbilder ORDNER BEISPIEL.txt LISTE

#include "anwendung.h"
#include "szene.h"
#include "zustaende.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace quentor::anleitung;

bool schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

bool zeichne(const Zustand& zustand, const QDir& ziel) {
    Szene szene;
    const QString datei = ziel.filePath(QString::fromLatin1(zustand.name) + QStringLiteral(".png"));
    if (szene.zeige() && zustand.herstellen(szene).save(datei)) {
        return true;
    }
    std::fprintf(stderr, "quentor_anleitungsbilder: %s nicht gezeichnet\n", qPrintable(datei));
    return false;
}

int zeichneAlle(const QDir& ziel, const QString& liste) {
    QByteArray namen;
    for (const Zustand& zustand : zustaende()) {
        if (!zeichne(zustand, ziel)) {
            return 2;
        }
        namen += zustand.name + QByteArray("\n");
    }
    return schreibe(liste, namen) ? 0 : 2;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList worte = QApplication::arguments();
    if (worte.size() != 4) {
        std::fputs("Aufruf: quentor_anleitungsbilder ORDNER BEISPIEL.txt LISTE\n", stderr);
        return 2;
    }
    quentor::anwendungEinrichten(app);
    QDir ziel(QDir(worte[1]).absolutePath());
    const QString beispiel = QFileInfo(worte[2]).absoluteFilePath();
    const QString liste = QFileInfo(worte[3]).absoluteFilePath();
    ziel.removeRecursively();
    // The scenes load their files by relative names from `arbeit`, so that the window shows the
    // same path in every run.
    QTemporaryDir arbeit;
    if (!ziel.mkpath(QStringLiteral(".")) || !arbeit.isValid() ||
        !legeDateienAn(QDir(arbeit.path()), beispiel) || !QDir::setCurrent(arbeit.path())) {
        std::fputs("quentor_anleitungsbilder: Ordner oder Dateien nicht angelegt\n", stderr);
        return 2;
    }
    const int ergebnis = zeichneAlle(ziel, liste);
    QDir::setCurrent(QDir::rootPath());
    return ergebnis;
}
