// The window tests run on the offscreen platform (or the one QUENTOR_TEST_PLATTFORM names, such as
// wayland), with the application set up as the program sets it up, and with the C locale in the C
// library for every number they read.

#include "anwendung.h"
#include "testform.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    const QByteArray plattform = qgetenv("QUENTOR_TEST_PLATTFORM");
    qputenv("QT_QPA_PLATFORM", plattform.isEmpty() ? QByteArray("offscreen") : plattform);
    QApplication app(argc, argv);
    quentor::uitest::katalog = quentor::anwendungEinrichten(app);
    std::setlocale(LC_ALL, "C");                    // QApplication took the user's locale
    QApplication::setQuitOnLastWindowClosed(false); // a closed test window must not end the run
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
