#include "szene.h"

#include "kastenbild.h"
#include "spielereingabe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace quentor::anleitung {

namespace {

// Fixed draws, so that every run draws the same pictures: the numbers above, then the generator
// with its fixed seed.
std::unique_ptr<Zufallsquelle> festerZufall() {
    auto zufall = std::make_unique<Vorgabezufall>();
    std::vector<float> werte;
    for (const int n : ersteZahlen) {
        werte.push_back((static_cast<float>(n) + 0.5F) / 37.0F);
    }
    zufall->vorgeben(werte);
    return zufall;
}

// Qt's own questions and messages, and a file dialog that picks `wahl` (or is cancelled): the
// dialog lists the folders of the machine that draws, so it is not pictured.
Kaesten kaesten(const std::optional<QString>& wahl) {
    Kaesten k;
    k.dateidialog = [&wahl](QWidget*, const QString&, const QString&, const QString&) {
        return wahl;
    };
    return k;
}

// Closes a message box with its escape button: "Nein" for a question, the only button, "OK", for
// a message (Qt names no escape button of its own there); any other dialog as Escape would.
void schliesse(QWidget& kasten) {
    auto* box = qobject_cast<QMessageBox*>(&kasten);
    if (box == nullptr || box->buttons().isEmpty()) {
        if (auto* dialog = qobject_cast<QDialog*>(&kasten)) {
            dialog->reject();
        }
        return;
    }
    QAbstractButton* knopf = box->escapeButton();
    (knopf != nullptr ? knopf : box->buttons().constFirst())->click();
}

// Waits, inside the box's own event loop, until the box is shown; then draws it over the window.
void nimmKastenAuf(QWidget& form, QImage& bild, int versuche) {
    QWidget* kasten = QApplication::activeModalWidget();
    if (kasten == nullptr || !kasten->isVisible()) {
        if (versuche > 0) {
            QTimer::singleShot(
                10, &form, [&form, &bild, versuche] { nimmKastenAuf(form, bild, versuche - 1); });
        }
        return;
    }
    if (QTest::qWaitForWindowExposed(kasten)) {
        QApplication::processEvents();
        bild = ueberDemFenster(form.grab().toImage(), *kasten);
    }
    schliesse(*kasten);
}

} // namespace

Szene::Szene() : form_(festerZufall(), kaesten(wahl_)) {}

bool Szene::zeige() {
    form_.show();
    if (!QTest::qWaitForWindowExposed(&form_)) {
        return false;
    }
    form_.activateWindow();
    return QTest::qWaitForWindowActive(&form_);
}

void Szene::klicke(const char* name) {
    if (auto* element = form_.findChild<QWidget*>(QString::fromLatin1(name))) {
        test::klickeWieDerSpieler(*element);
    }
}

void Szene::klicke(const char* name, int mal) {
    for (int i = 0; i < mal; ++i) {
        klicke(name);
    }
}

QImage Szene::bild() {
    QApplication::processEvents();
    return form_.grab().toImage();
}

QImage Szene::bildMitKasten(const char* name) {
    QImage bild;
    QTimer::singleShot(0, &form_, [this, &bild] { nimmKastenAuf(form_, bild, 500); });
    klicke(name);
    return bild;
}

} // namespace quentor::anleitung
