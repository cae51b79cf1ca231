#include "anwendung.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quentor {

namespace {

// The icon from the desktop's theme where it is installed, else the one built into the program
// (every size of it).
QIcon symbol() {
    QIcon eingebaut;
    QDirIterator bilder(QStringLiteral(":/symbol"), {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (bilder.hasNext()) {
        eingebaut.addFile(bilder.next());
    }
    return QIcon::fromTheme(QStringLiteral(QUENTOR_APP_ID), eingebaut);
}

} // namespace

QTranslator* anwendungEinrichten(QApplication& app) {
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENTOR_APP_ID));
    QApplication::setWindowIcon(symbol());
    return deutschEinrichten(app);
}

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

} // namespace quentor
