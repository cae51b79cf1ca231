// The window tests run on the offscreen platform, with the C locale for every number they read.

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C"); // QApplication took the user's locale
    QLocale::setDefault(QLocale::c());
    QApplication::setQuitOnLastWindowClosed(false); // a closed test window must not end the run
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
