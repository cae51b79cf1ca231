#include "anwendung.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quentor::anwendungEinrichten(app);
    quentor::Form1 form;
    form.show();
    return app.exec();
}
