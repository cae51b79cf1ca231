// "Datei": a permanence file chosen in the file dialog, loaded and replayed; a rejected file and
// its message; a cancelled dialog; and Qt's real dialog and message box answered by the test.

#include "testform.h"

#include <QAccessible>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quentor::uitest {
namespace {

const QByteArray permanenz = "Spielbank Musterstadt\nTisch 3\n05.12.2026\nKopf\n5\n-----\n17\n"
                             "=====\n8\n";

const Sitzung& sitzung(const Testform& f) {
    return f.form.spieltisch().sitzung();
}

class Datei : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        pfad = schreibeDatei(ordner, "tisch.txt", permanenz);
        f.zeige();
    }
    QTemporaryDir ordner;
    QString pfad;
    Testform f;
};

TEST_F(Datei, WerteWerdenGeladenUndNacheinanderGespielt) {
    f.dateiwahl.push_back(pfad);
    f.klicke("okdatei");

    ASSERT_EQ(f.gezeigteKaesten.size(), 1U);
    EXPECT_EQ(f.gezeigteKaesten[0].art, Kastenart::dateidialog);
    EXPECT_EQ(f.gezeigteKaesten[0].titel, "Datei Öffnen");
    EXPECT_EQ(f.gezeigteKaesten[0].text, "Dateien (*.txt)");
    EXPECT_EQ(f.vorgaben[0], "");
    EXPECT_EQ(f.text("Label7"), QDir::toNativeSeparators(pfad));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.element("Label7"))->text(QAccessible::Name),
              QDir::toNativeSeparators(pfad))
        << "a screen reader hears the path";
    EXPECT_EQ(f.text("Textanzahl"), "2");

    f.klicke("okwurf");
    EXPECT_EQ(f.text("zahl"), "5");
    f.klicke("okwurf");
    EXPECT_EQ(f.text("zahl"), "17");
    f.klicke("okwurf"); // the values are used up: nothing changes
    EXPECT_EQ(f.text("zahl"), "17");
    EXPECT_EQ(f.text("laufnummer"), "2");
}

TEST_F(Datei, AbbruchOhneFruehereDateiSpieltZufaellig) {
    f.klicke("okdatei");
    EXPECT_EQ(sitzung(f).dateimodus, 0);
    EXPECT_EQ(f.text("Label7"), "");
    EXPECT_EQ(f.gezeigteKaesten.size(), 1U) << "no message";
    f.klicke("okwurf");
    EXPECT_EQ(f.text("laufnummer"), "1");
}

TEST_F(Datei, UngueltigesFormatWirdGemeldet) {
    f.dateiwahl.push_back(schreibeDatei(ordner, "falsch.txt", "kein Format\n1\n2\n3\n4\n"));
    f.klicke("okdatei");

    ASSERT_EQ(f.gezeigteKaesten.size(), 2U);
    EXPECT_EQ(f.gezeigteKaesten[1].art, Kastenart::warnung);
    EXPECT_EQ(f.gezeigteKaesten[1].titel, " Fehler! ");
    EXPECT_EQ(f.gezeigteKaesten[1].text, "Diese Datei hat ein ungültiges Datenformat! ");
    EXPECT_EQ(f.text("Textanzahl"), "");
    EXPECT_TRUE(f.text("Label7").endsWith("falsch.txt"));
    f.klicke("okwurf"); // file mode with no values: spins do nothing
    EXPECT_EQ(f.text("laufnummer"), "");
}

// A path with umlauts, ß and € reaches the reader whole (as UTF-8) and Label7 as it is, with the
// system's separators.
TEST_F(Datei, PfadMitUmlautenUndEuro) {
    const QString unterordner = QStringLiteral("Übungen €");
    ASSERT_TRUE(QDir(ordner.path()).mkpath(unterordner));
    const QString name =
        schreibeDatei(ordner, unterordner + QStringLiteral("/Straße.txt"), permanenz);
    f.dateiwahl.push_back(name);
    f.klicke("okdatei");

    EXPECT_EQ(f.gezeigteKaesten.size(), 1U) << "no message";
    EXPECT_EQ(f.text("Label7"), QDir::toNativeSeparators(name));
    EXPECT_EQ(f.text("Textanzahl"), "2");
}

// A device chosen in the dialog is never read: the reader's message comes at once.
TEST_F(Datei, GeraetWirdNichtGelesen) {
#ifdef _WIN32
    const QStringList geraete = {ordner.filePath(QStringLiteral("NUL.txt")),
                                 ordner.filePath(QStringLiteral("CON"))};
#else
    const QStringList geraete = {QStringLiteral("/dev/zero")};
#endif
    for (const QString& geraet : geraete) {
        f.gezeigteKaesten.clear();
        f.dateiwahl.push_back(geraet);
        QElapsedTimer uhr;
        uhr.start();
        f.klicke("okdatei");
        EXPECT_LT(uhr.elapsed(), 2000) << geraet.toStdString();
        ASSERT_EQ(f.gezeigteKaesten.size(), 2U) << geraet.toStdString();
        EXPECT_EQ(f.gezeigteKaesten[1].text, "Die Datei kann nicht gelesen werden! ");
    }
}

TEST_F(Datei, LangerPfadWirdAbgeschnittenNichtVergroessert) {
    const QString tief = QStringLiteral("ein_recht_langer_ordnername_fuer_den_test/").repeated(4);
    ASSERT_TRUE(QDir(ordner.path()).mkpath(tief));
    const QString lang = schreibeDatei(ordner, tief + "tisch.txt", permanenz);
    f.dateiwahl.push_back(lang);
    f.klicke("okdatei");

    auto* label = f.element<QLabel>("Label7");
    EXPECT_EQ(label->text(), QDir::toNativeSeparators(lang));
    EXPECT_GT(label->fontMetrics().horizontalAdvance(lang), label->width());
    EXPECT_EQ(label->geometry(), QRect(176, 16, 241, 17));
}

TEST_F(Datei, EchterDialogWirdVomTestBeantwortet) {
    f.echteKaesten();
    QString titel;
    QStringList filter;
    QPointer<QFileDialog> erster; // null again if the dialog were deleted
    beantworteNaechstenKasten([&](QWidget* kasten) {
        auto* dialog = qobject_cast<QFileDialog*>(kasten);
        ASSERT_NE(dialog, nullptr);
        erster = dialog;
        titel = dialog->windowTitle();
        filter = dialog->nameFilters();
        dialog->selectFile(pfad);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept is protected
    });
    f.klicke("okdatei");
    EXPECT_EQ(titel, "Datei Öffnen");
    EXPECT_EQ(filter, QStringList{"Dateien (*.txt)"});
    EXPECT_EQ(f.text("Label7"), QDir::toNativeSeparators(pfad));
    EXPECT_EQ(f.text("Textanzahl"), "2");

    // Cancelled: the window's one dialog opened on the file chosen last and reports it again, so
    // that file is loaded once more.
    QStringList vorgewaehlt;
    beantworteNaechstenKasten([&](QWidget* kasten) {
        auto* dialog = qobject_cast<QFileDialog*>(kasten);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog, erster.data()) << "a second dialog";
        vorgewaehlt = dialog->selectedFiles();
        dialog->reject();
    });
    f.klicke("okdatei");
    EXPECT_EQ(vorgewaehlt, QStringList{pfad});
    EXPECT_EQ(sitzung(f).dateimodus, 1);
    EXPECT_EQ(sitzung(f).dateianzahl(), 2);
}

TEST_F(Datei, EchteMeldungMitWarnsymbol) {
    f.kaesten.warnung = zeigeWarnung;
    f.dateiwahl.push_back(schreibeDatei(ordner, "falsch.txt", "spielbank\n1\n2\n3\n4\n"));
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe;
    beantworteNaechstenKasten([&](QWidget* kasten) {
        auto* box = qobject_cast<QMessageBox*>(kasten);
        ASSERT_NE(box, nullptr);
        titel = box->windowTitle();
        text = box->text();
        symbol = box->icon();
        knoepfe = box->standardButtons();
        drueckeTaste(box, Qt::Key_Return);
    });
    f.klicke("okdatei");
    EXPECT_EQ(titel, " Fehler! ");
    EXPECT_EQ(text, "Diese Datei hat ein ungültiges Datenformat! ");
    EXPECT_EQ(symbol, QMessageBox::Warning);
    EXPECT_EQ(knoepfe, QMessageBox::Ok);
    EXPECT_EQ(f.text("Textanzahl"), "");
}

} // namespace
} // namespace quentor::uitest
