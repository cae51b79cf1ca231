#include "anwendung.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quentor {

QTranslator* anwendungEinrichten(QApplication& app) {
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENTOR_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QUENTOR_APP_ID)));
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
