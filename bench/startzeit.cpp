// Start-up of a whole process up to the first paint of its window, timed from outside by
// scripts/bench.sh: `quentor_startzeit quentor` sets the application up as the program does and
// opens Form1; `quentor_startzeit leer` opens a bare window of the same size and title that shows
// one line of text (so it loads the font database, as any window with text does). Both end once
// their window has been painted: the time of a run is the start-up a user waits for.

#include "anwendung.h"
#include "form1.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Ends the event loop after the first paint of the watched window.
class ErstesZeichnen : public QObject {
  public:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(objekt, ereignis);
    }
};

std::unique_ptr<QWidget> leeresFenster() {
    auto fenster = std::make_unique<QWidget>();
    fenster->setWindowTitle(QStringLiteral("Tool / Quentor / V.2012.1"));
    fenster->setFixedSize(424, 535);
    auto* zeile = new QLabel(QStringLiteral("Frei:"), fenster.get());
    zeile->setFont(QFont(QStringLiteral("Arial"), 9));
    return fenster;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool quentor = argc == 2 && std::strcmp(argv[1], "quentor") == 0;
    if (!quentor && (argc != 2 || std::strcmp(argv[1], "leer") != 0)) {
        std::fprintf(stderr, "Aufruf: quentor_startzeit quentor|leer\n");
        return 2;
    }
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> fenster;
    if (quentor) {
        quentor::anwendungEinrichten(app);
        fenster = std::make_unique<quentor::Form1>();
    } else {
        fenster = leeresFenster();
    }
    ErstesZeichnen beobachter;
    fenster->installEventFilter(&beobachter);
    fenster->show();
    return QApplication::exec();
}
