#include "anwendung.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quentor {

namespace {

// The icon from the desktop's theme where it is installed, else the one built into the program.
QIcon symbol() {
    QIcon eingebaut;
    for (const int groesse : {16, 22, 24, 32, 48, 64, 128, 256}) {
        eingebaut.addFile(QStringLiteral(":/symbol/%1x%1/apps/" QUENTOR_APP_ID ".png").arg(groesse));
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
