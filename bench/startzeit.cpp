// Start-up of a whole process up to the first paint of its window, timed from outside by
// scripts/bench.sh: `quentor_startzeit quentor` starts as the program does (main.cpp): the
// application's set-up (German catalogue, desktop file name, window icon), then Form1.
// `quentor_startzeit nackt` opens the same window in a bare Qt application, without that set-up.
// Both end once their window has been painted: the time of a run is the start-up a user waits
// for, and the difference is what the set-up costs.

#include "anwendung.h"
#include "form1.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstring>

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

} // namespace

int main(int argc, char* argv[]) {
    const bool eingerichtet = argc == 2 && std::strcmp(argv[1], "quentor") == 0;
    if (!eingerichtet && (argc != 2 || std::strcmp(argv[1], "nackt") != 0)) {
        std::fprintf(stderr, "Aufruf: quentor_startzeit quentor|nackt\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (eingerichtet) {
        quentor::anwendungEinrichten(app);
    }
    quentor::Form1 form;
    ErstesZeichnen beobachter;
    form.installEventFilter(&beobachter);
    form.show();
    return QApplication::exec();
}
