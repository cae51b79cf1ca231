#include "testform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <numeric>

namespace quentor::uitest {

QTranslator* katalog = nullptr;

float Folge::naechste() {
    const int n = zahlen_[naechste_];
    naechste_ = (naechste_ + 1) % zahlen_.size();
    return (static_cast<float>(n) + 0.5F) / 37.0F;
}

std::vector<int> alleZahlen() {
    std::vector<int> zahlen(37);
    std::iota(zahlen.begin(), zahlen.end(), 0);
    return zahlen;
}

namespace {

// Boxes that show themselves through `kaesten`, whatever it holds when they are shown.
Kaesten ueber(const Kaesten& kaesten) {
    return {.frage = [&kaesten](auto... a) { return kaesten.frage(a...); },
            .warnung = [&kaesten](auto... a) { kaesten.warnung(a...); },
            .dateidialog = [&kaesten](auto... a) { return kaesten.dateidialog(a...); }};
}

} // namespace

Testform::Testform(std::vector<int> zahlen)
    : form(std::make_unique<Folge>(std::move(zahlen)), ueber(kaesten)) {
    Kaesten& k = aufzeichnend_;
    k.frage = [this](QWidget*, const QString& titel, const QString& text) {
        gezeigteKaesten.push_back({Kastenart::frage, titel.toStdString(), text.toStdString()});
        if (antworten.empty()) {
            return false;
        }
        const bool ja = antworten.front();
        antworten.pop_front();
        return ja;
    };
    k.warnung = [this](QWidget*, const QString& titel, const QString& text) {
        gezeigteKaesten.push_back({Kastenart::warnung, titel.toStdString(), text.toStdString()});
    };
    k.dateidialog = [this](QWidget*, const QString& titel, const QString& filter,
                           const QString& vorgabe) -> std::optional<QString> {
        gezeigteKaesten.push_back(
            {Kastenart::dateidialog, titel.toStdString(), filter.toStdString()});
        vorgaben.push_back(vorgabe);
        if (dateiwahl.empty()) {
            return std::nullopt;
        }
        const QString wahl = dateiwahl.front();
        dateiwahl.pop_front();
        if (wahl.isEmpty()) {
            return std::nullopt;
        }
        return wahl;
    };
    aufzeichnendeKaesten();
}

void Testform::zeige() {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

void Testform::klicke(const char* name) const {
    QWidget* w = element(name);
    ASSERT_NE(w, nullptr) << name;
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QString Testform::text(const char* name) const {
    const QWidget* w = element(name);
    if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
        return box->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w)) {
        return knopf->text();
    }
    ADD_FAILURE() << "no control with text: " << name;
    return {};
}

QString Testform::zellentext(int zeile, int spalte) const {
    const auto* tabelle = element<QTableView>("tabelle");
    return tabelle->model()->index(zeile, spalte).data(Qt::DisplayRole).toString();
}

QColor Testform::zellenfarbe(int zeile, int spalte) const {
    const auto* tabelle = element<QTableView>("tabelle");
    return tabelle->model()->index(zeile, spalte).data(Qt::BackgroundRole).value<QBrush>().color();
}

namespace {

void warteAufKasten(const std::function<void(QWidget*)>& antwort, int versuche) {
    QWidget* kasten = QApplication::activeModalWidget();
    if (kasten == nullptr || !kasten->isVisible()) {
        if (versuche > 0) {
            QTimer::singleShot(10, qApp,
                               [antwort, versuche] { warteAufKasten(antwort, versuche - 1); });
        } else {
            ADD_FAILURE() << "no modal box appeared";
        }
        return;
    }
    QPointer<QWidget> offen(kasten);
    antwort(kasten);
    QTimer::singleShot(2000, qApp, [offen] {
        if (offen && offen->isVisible()) {
            ADD_FAILURE() << "the box was not closed by the answer";
            if (auto* dialog = qobject_cast<QDialog*>(offen.data())) {
                dialog->done(QDialog::Rejected);
            }
        }
    });
}

} // namespace

void beantworteNaechstenKasten(std::function<void(QWidget*)> antwort) {
    QTimer::singleShot(0, qApp, [antwort = std::move(antwort)] { warteAufKasten(antwort, 500); });
}

void drueckeTaste(QWidget* kasten, Qt::Key taste) {
    QWidget* ziel = QApplication::focusWidget();
    if (ziel == nullptr || !kasten->isAncestorOf(ziel)) {
        ziel = kasten;
    }
    QTest::keyClick(ziel, taste);
}

QString schreibeDatei(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt) {
    QString pfad = ordner.filePath(name);
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    return pfad;
}

} // namespace quentor::uitest
