#include "anwendung.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QTranslator>
#if QT_CONFIG(settings)
#include <QSettings>
#endif

namespace quentor {

namespace {

// The window icon, built into the program as raw RGBA pixels at the sizes window managers and
// task bars take (16 to 64 pixels, named by their size); the desktop shows the installed icon, of
// every size and as an icon theme may replace it, through the desktop entry. Searching the icon
// theme, and decoding PNGs (which first loads Qt's image plugins), made the start a fifth slower;
// neither is done. Empty on Windows, which takes the program's own icon resource.
QIcon symbol() {
    QIcon symbol;
    QDirIterator bilder(QStringLiteral(":/symbol"), QDir::Files);
    while (bilder.hasNext()) {
        const QString name = bilder.next();
        const int n = QFileInfo(name).baseName().toInt();
        const QByteArray pixel = QResource(name).uncompressedData();
        if (n > 0 && pixel.size() == qsizetype{4} * n * n) {
            const QImage bild(reinterpret_cast<const uchar*>(pixel.constData()), n, n,
                              qsizetype{4} * n, QImage::Format_RGBA8888);
            symbol.addPixmap(QPixmap::fromImage(bild));
        }
    }
    return symbol;
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

// Qt keeps the settings of its own dialogs (the file dialog's folders, history and view) under the
// organisation "QtProject", shared by every Qt program of the user, reads them when a dialog is
// built and writes them when it closes. The program keeps nothing between runs: the settings of
// the user and of the system are pointed at a folder that cannot exist, inside a device file, so
// nothing is read from them and nothing can be written. (Qt for Windows is built without settings,
// which there would live in the registry.)
void keineEinstellungen() {
#if QT_CONFIG(settings)
    const QString nirgends = QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope bereich : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, bereich, nirgends);
        }
    }
#endif
}

} // namespace

QTranslator* anwendungEinrichten(QApplication& app) {
    // Qt's own style on every system: with the window's fixed light palette (hellepalette.h) the
    // fixed layout looks the same, to the pixel, on Linux under any desktop's theme and on Windows
    // with any system colours.
    keineEinstellungen();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENTOR_APP_ID));
    if (const QIcon eingebaut = symbol(); !eingebaut.isNull()) {
        QApplication::setWindowIcon(eingebaut);
    }
    return deutschEinrichten(app);
}

} // namespace quentor
