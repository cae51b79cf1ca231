#include "anwendung.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quentor {

namespace {

// The window icon, built into the program at the sizes window managers and task bars take (16 to
// 64 pixels); the desktop shows the installed icon, of every size and as an icon theme may
// replace it, through the desktop entry. Searching the icon theme and decoding the large PNGs
// made the start a fifth slower; neither is done.
QIcon symbol() {
    QIcon eingebaut;
    QDirIterator bilder(QStringLiteral(":/symbol"), {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (bilder.hasNext()) {
        eingebaut.addFile(bilder.next());
    }
    return eingebaut;
}

// Installs Qt's German catalogue and makes German the default locale.
QTranslator* deutschEinrichten(QCoreApplication& app) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto* katalog = new QTranslator(&app);
    for (const QString& ordner :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (katalog->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ordner) &&
            QCoreApplication::installTranslator(katalog)) {
            return katalog;
        }
    }
    delete katalog;
    return nullptr;
}

} // namespace

QTranslator* anwendungEinrichten(QApplication& app) {
    // Qt's own style on every system: the fixed layout looks the same, to the pixel, on Linux,
    // under any desktop's theme, and on Windows.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENTOR_APP_ID));
    QApplication::setWindowIcon(symbol());
    return deutschEinrichten(app);
}

} // namespace quentor
