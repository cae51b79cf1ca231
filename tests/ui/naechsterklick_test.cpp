// After every way of closing Qt's real file dialog, the window's very next click does what it
// says. The clicks and keys go through the windows, as a player's do, so that anything Qt left
// open over the window (the file name box's list of completions) would take them.

#include "spielereingabe.h"
#include "testform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quentor::uitest {
namespace {

using test::doppelklickeWieDerSpieler;
using test::drueckeWieDerSpieler;
using test::klickeWieDerSpieler;

// Types a full path into the file name box, which opens its list of completions.
void tippeName(QFileDialog& dialog, const QString& pfad) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([name] { return name->hasFocus(); }));
    QTest::keyClicks(name, pfad);
}

QWidget& knopf(QFileDialog& dialog, QDialogButtonBox::StandardButton art) {
    return *dialog.findChild<QDialogButtonBox*>()->button(art);
}

// Clicks `ziel` or presses `taste` until the dialog closes, at most twice: while the list of
// completions is open, the first only closes the list (Qt's way on X11 and offscreen).
void bisZu(QFileDialog& dialog, const std::function<void()>& eingabe) {
    eingabe();
    if (dialog.isVisible()) {
        eingabe();
    }
}

// The file as the dialog's view of its folder lists it: the view and the file's place in it.
std::pair<QAbstractItemView*, QPoint> zeigeInListe(QFileDialog& dialog, const QString& pfad) {
    dialog.setDirectory(QFileInfo(pfad).absolutePath());
    const QString name = QFileInfo(pfad).fileName();
    QAbstractItemView* ansicht = nullptr;
    QModelIndex zeile;
    const bool gefunden = QTest::qWaitFor([&] {
        for (QAbstractItemView* v : dialog.findChildren<QAbstractItemView*>()) {
            const auto treffer = v->model()->match(v->model()->index(0, 0, v->rootIndex()),
                                                   Qt::DisplayRole, name, 1, Qt::MatchExactly);
            if (v->isVisible() && !treffer.isEmpty() && !v->visualRect(treffer[0]).isEmpty()) {
                ansicht = v;
                zeile = treffer[0];
                return true;
            }
        }
        return false;
    });
    EXPECT_TRUE(gefunden) << name.toStdString();
    return {ansicht, gefunden ? ansicht->visualRect(zeile).center() : QPoint()};
}

struct Dateien {
    QString gut;    // two values, 5 and 17
    QString falsch; // no permanence file
};

struct Schluss {
    std::string name;
    std::function<void(QFileDialog&, const Dateien&)> schliesse;
    const char* danach;     // the control clicked next: "okwurf" or "okdatei"
    const char* textanzahl; // what "MAX." shows once the dialog is closed
};

void PrintTo(const Schluss& schluss, std::ostream* aus) {
    *aus << schluss.name;
}

void mitEnter(QFileDialog& d, const QString& pfad) {
    tippeName(d, pfad);
    drueckeWieDerSpieler(d, Qt::Key_Return);
}

const Schluss schluesse[] = {
    {"NameUndEnter", [](QFileDialog& d, const Dateien& f) { mitEnter(d, f.gut); }, "okwurf", "2"},
    {"NameUndEnterDannDatei", [](QFileDialog& d, const Dateien& f) { mitEnter(d, f.gut); },
     "okdatei", "2"},
    {"NameUndOeffnen",
     [](QFileDialog& d, const Dateien& f) {
         tippeName(d, f.gut);
         bisZu(d, [&] { klickeWieDerSpieler(knopf(d, QDialogButtonBox::Open)); });
     },
     "okwurf", "2"},
    {"ListeUndOeffnen",
     [](QFileDialog& d, const Dateien& f) {
         const auto [ansicht, stelle] = zeigeInListe(d, f.gut);
         ASSERT_NE(ansicht, nullptr);
         klickeWieDerSpieler(*ansicht->viewport(), stelle);
         klickeWieDerSpieler(knopf(d, QDialogButtonBox::Open));
     },
     "okwurf", "2"},
    {"DoppelklickInDerListe",
     [](QFileDialog& d, const Dateien& f) {
         const auto [ansicht, stelle] = zeigeInListe(d, f.gut);
         ASSERT_NE(ansicht, nullptr);
         doppelklickeWieDerSpieler(*ansicht->viewport(), stelle);
     },
     "okwurf", "2"},
    {"Escape", [](QFileDialog& d, const Dateien&) { drueckeWieDerSpieler(d, Qt::Key_Escape); },
     "okwurf", ""},
    {"Abbrechen",
     [](QFileDialog& d, const Dateien&) {
         klickeWieDerSpieler(knopf(d, QDialogButtonBox::Cancel));
     },
     "okwurf", ""},
    {"NameUndEscape",
     [](QFileDialog& d, const Dateien& f) {
         tippeName(d, f.gut);
         bisZu(d, [&] { drueckeWieDerSpieler(d, Qt::Key_Escape); });
     },
     "okwurf", ""},
    // The core's message follows the dialog; it is closed with a click on its "OK".
    {"AbgelehnteDateiMitMeldung",
     [](QFileDialog& d, const Dateien& f) {
         mitEnter(d, f.falsch);
         beantworteNaechstenKasten([](QWidget* kasten) {
             auto* box = qobject_cast<QMessageBox*>(kasten);
             ASSERT_NE(box, nullptr);
             klickeWieDerSpieler(*box->button(QMessageBox::Ok));
         });
     },
     "okdatei", ""},
};

class NaechsterKlick : public testing::TestWithParam<Schluss> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        dateien = {schreibeDatei(ordner, "tisch.txt", "Spielbank\nTisch 3\nDatum\nKopf\n5\n17\n"),
                   schreibeDatei(ordner, "falsch.txt", "kein Format\n1\n2\n3\n4\n")};
        f.zeige();
        f.echteKaesten();
    }
    QTemporaryDir ordner;
    Dateien dateien;
    Testform f;
};

TEST_P(NaechsterKlick, HatSeineWirkung) {
    const Schluss& schluss = GetParam();
    bool geschlossen = false;
    beantworteNaechstenKasten([&](QWidget* kasten) {
        auto* dialog = qobject_cast<QFileDialog*>(kasten);
        ASSERT_NE(dialog, nullptr);
        schluss.schliesse(*dialog, dateien);
        geschlossen = !dialog->isVisible();
    });
    klickeWieDerSpieler(*f.element("okdatei"));
    ASSERT_TRUE(geschlossen);
    EXPECT_EQ(f.text("Textanzahl"), schluss.textanzahl);

    f.aufzeichnendeKaesten();
    klickeWieDerSpieler(*f.element(schluss.danach));
    if (std::string(schluss.danach) == "okwurf") {
        EXPECT_EQ(f.text("laufnummer"), "1") << "the click on \"Wurf\" spun nothing";
    } else {
        ASSERT_FALSE(f.gezeigteKaesten.empty()) << "the click on \"Datei\" opened no dialog";
        EXPECT_EQ(f.gezeigteKaesten[0].art, Kastenart::dateidialog);
    }
}

INSTANTIATE_TEST_SUITE_P(Dateidialog, NaechsterKlick, testing::ValuesIn(schluesse), NachName{});

} // namespace
} // namespace quentor::uitest
