// The events of the window: every button and option box clicked, the two questions answered both
// ways (by the test and through Qt's real boxes), the number box's change event, and the live
// repaint of a whole rotation.

#include "testform.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace quentor::uitest {
namespace {

const QColor frei(102, 153, 102);
const QColor gekommen(255, 187, 0);
const QColor aktuell(0, 255, 0);

QColor farbeVon(const Testform& f, int n) {
    return f.zellenfarbe(zahlzeile(n), zahlspalte(n));
}

const Sitzung& sitzung(const Testform& f) {
    return f.form.spieltisch().sitzung();
}

TEST(Wurf, DreiWuerfeZeigenZahlZaehlerUndFarben) {
    Testform f({5, 12, 5});
    f.zeige();
    for (int i = 0; i < 3; ++i) {
        f.klicke("okwurf");
    }
    EXPECT_EQ(f.text("zahl"), "5");
    EXPECT_EQ(f.text("laufnummer"), "3");
    EXPECT_EQ(f.text("Label3"), "1 / 3");
    EXPECT_EQ(f.text("Label23"), "35");
    EXPECT_EQ(f.text("Label8"), "2");
    EXPECT_EQ(farbeVon(f, 12), gekommen);
    EXPECT_EQ(farbeVon(f, 5), aktuell);
    EXPECT_EQ(farbeVon(f, 7), frei);
}

// A screen reader hears in each display label's name what it shows, after spins and after "Neu".
TEST(Wurf, AnzeigenHeissenWieIhrInhalt) {
    Testform f({5, 12, 5});
    f.zeige();
    const auto name = [&f](const char* label) {
        return QAccessible::queryAccessibleInterface(f.element(label))->text(QAccessible::Name);
    };
    for (int i = 0; i < 3; ++i) {
        f.klicke("okwurf");
    }
    EXPECT_EQ(name("Label23"), "35");
    EXPECT_EQ(name("Label8"), "2");
    EXPECT_EQ(name("Label3"), "1 / 3");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(f.element("Label23"))->text(QAccessible::Description),
        "Anzahl freier Zahlen");
    f.antworten.push_back(true);
    f.klicke("okneu");
    for (const char* label : {"Label23", "Label8", "Label3"}) {
        EXPECT_EQ(name(label), "") << label;
    }
}

TEST(Wurf, GetipptesInDerLaufnummerBleibtBisZumNaechstenWurf) {
    Testform f;
    f.zeige();
    QTest::keyClicks(f.element("laufnummer"), "abc");
    EXPECT_EQ(f.text("laufnummer"), "abc");
    f.klicke("okwurf");
    EXPECT_EQ(f.text("laufnummer"), "1");
}

// zahl_Change: every change of the number box's text, typed or set by a spin, turns its text
// black and enables "Wurf" unless the text is empty. The test first paints the text red and
// disables "Wurf", which the window itself never does.
struct Aenderung {
    const char* name;
    std::function<void(Testform&)> vorher;
    std::function<void(Testform&)> aendern;
    bool wurfFrei;
};

void PrintTo(const Aenderung& zeile, std::ostream* aus) {
    *aus << zeile.name;
}

const Aenderung aenderungen[] = {
    {"Getippt", [](Testform&) {}, [](Testform& f) { QTest::keyClicks(f.element("zahl"), "7"); },
     true},
    {"VonDerRotationGesetzt", [](Testform&) {}, [](Testform& f) { f.klicke("okstep"); }, true},
    {"Geloescht", [](Testform& f) { QTest::keyClicks(f.element("zahl"), "7"); },
     [](Testform& f) { QTest::keyClick(f.element("zahl"), Qt::Key_Backspace); }, false},
};

class ZahlAenderung : public testing::TestWithParam<Aenderung> {};

TEST_P(ZahlAenderung, SchwarzUndWurfFrei) {
    Testform f;
    f.zeige();
    auto* zahl = f.element<QLineEdit>("zahl");
    auto* wurf = f.element<QPushButton>("okwurf");
    GetParam().vorher(f);
    QPalette rot = zahl->palette();
    rot.setColor(QPalette::Text, Qt::red);
    zahl->setPalette(rot);
    wurf->setEnabled(false);

    GetParam().aendern(f);
    EXPECT_EQ(zahl->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(wurf->isEnabled(), GetParam().wurfFrei);
}

INSTANTIATE_TEST_SUITE_P(Ereignisse, ZahlAenderung, testing::ValuesIn(aenderungen), NachName());

TEST(Optionsfelder, JederKlickWendetBeideAn) {
    Testform f({0});
    f.zeige();
    f.klicke("Check1(0)");
    EXPECT_TRUE(f.element<QCheckBox>("Check1(0)")->isChecked());
    EXPECT_EQ(sitzung(f).rotlaenge, 36);
    EXPECT_EQ(f.zellentext(0, 1), "");

    f.klicke("okwurf"); // a drawn zero colours the empty zero cell
    EXPECT_EQ(farbeVon(f, 0), aktuell);
    f.klicke("Check1(1)");
    EXPECT_EQ(sitzung(f).loeschflag, 1);
    EXPECT_EQ(sitzung(f).rotlaenge, 36);
    EXPECT_EQ(farbeVon(f, 0), frei);
    EXPECT_EQ(f.zellentext(0, 1), "");

    f.klicke("Check1(0)");
    EXPECT_EQ(sitzung(f).rotlaenge, 37);
    EXPECT_EQ(f.zellentext(0, 1), "0");
    f.klicke("Check1(1)");
    EXPECT_EQ(sitzung(f).loeschflag, 0);
}

TEST(Optionsfelder, KlickAufDenTextDanebenSchaltetNichts) {
    Testform f;
    f.zeige();
    f.klicke("Label1");
    f.klicke("Label2");
    EXPECT_FALSE(f.element<QCheckBox>("Check1(0)")->isChecked());
    EXPECT_FALSE(f.element<QCheckBox>("Check1(1)")->isChecked());
    EXPECT_EQ(sitzung(f).rotlaenge, 37);
    f.klicke("Check1(0)");
    f.klicke("Label1");
    EXPECT_TRUE(f.element<QCheckBox>("Check1(0)")->isChecked());
}

// What the three live fields show each time they are painted during one click on "Rotat".
class Malprotokoll : public QObject {
  public:
    explicit Malprotokoll(const Testform& f) {
        for (const char* name : {"laufnummer", "zahl", "Label3"}) {
            QWidget* w = f.element(name);
            w->installEventFilter(this);
            namen_[w] = name;
        }
        testform_ = &f;
        gitter_ = f.element<QTableView>("tabelle")->viewport();
        gitter_->installEventFilter(this);
    }
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && ziel == gitter_) {
            ++gitterBilder;
        } else if (ereignis->type() == QEvent::Paint) {
            const char* name = namen_.at(ziel);
            gemalt[name].push_back(testform_->text(name));
        }
        return false;
    }
    std::map<std::string, QStringList> gemalt;
    int gitterBilder = 0;

  private:
    std::map<QObject*, const char*> namen_;
    const Testform* testform_ = nullptr;
    QWidget* gitter_ = nullptr;
};

TEST(Rotation, AnzeigenUndGitterWerdenWaehrendDesLaufsGezeichnet) {
    Testform f; // draws 0, 1, ..., 36
    f.zeige();
    QApplication::processEvents(); // nothing left over from showing
    Malprotokoll protokoll(f);
    f.klicke("okstep");

    QStringList laufnummern;
    QStringList zahlen;
    QStringList rotationen;
    for (int i = 1; i <= 37; ++i) {
        laufnummern << QString::number(i);
        zahlen << QString::number(i - 1);
        rotationen << QStringLiteral("1 / %1").arg(i);
    }
    auto gezeigt = [&](const char* name) {
        QStringList folge = protokoll.gemalt[name];
        folge.removeDuplicates();
        return folge;
    };
    EXPECT_GE(protokoll.gemalt["laufnummer"].size(), 37);
    EXPECT_GE(protokoll.gemalt["zahl"].size(), 37);
    EXPECT_GE(protokoll.gemalt["Label3"].size(), 37);
    EXPECT_EQ(gezeigt("laufnummer"), laufnummern);
    EXPECT_EQ(gezeigt("zahl"), zahlen);
    EXPECT_EQ(gezeigt("Label3"), rotationen);
    EXPECT_GE(protokoll.gitterBilder, 37) << "the grid follows the run too";
}

// The two questions answered by the test: Yes runs the command, No changes nothing.
struct Antwort {
    const char* name;
    const char* knopf;
    bool ja;
    const char* titel;
    const char* text;
    bool zurueckgesetzt;
    bool offen;
};

void PrintTo(const Antwort& zeile, std::ostream* aus) {
    *aus << zeile.name;
}

const Antwort antworten[] = {
    {"NeuJa", "okneu", true, " Neuanfang", "Bitte bestätigen... ", true, true},
    {"NeuNein", "okneu", false, " Neuanfang", "Bitte bestätigen... ", false, true},
    {"EndeJa", "okende", true, " Beenden", "Bitte bestätigen...   ", false, false},
    {"EndeNein", "okende", false, " Beenden", "Bitte bestätigen...   ", false, true},
};

class Frage : public testing::TestWithParam<Antwort> {};

TEST_P(Frage, JaFuehrtAusNeinLaesstAlles) {
    const Antwort& a = GetParam();
    Testform f({5, 12, 5});
    f.zeige();
    f.klicke("Check1(0)");
    for (int i = 0; i < 3; ++i) {
        f.klicke("okwurf");
    }
    f.antworten.push_back(a.ja);
    f.klicke(a.knopf);

    ASSERT_EQ(f.gezeigteKaesten.size(), 1U);
    EXPECT_EQ(f.gezeigteKaesten[0].art, Kastenart::frage);
    EXPECT_EQ(f.gezeigteKaesten[0].titel, a.titel);
    EXPECT_EQ(f.gezeigteKaesten[0].text, a.text);
    EXPECT_EQ(f.form.isVisible(), a.offen);
    if (a.zurueckgesetzt) {
        for (const char* feld : {"zahl", "laufnummer", "Label3", "Label23", "Label8"}) {
            EXPECT_EQ(f.text(feld), "") << feld;
        }
        EXPECT_EQ(farbeVon(f, 5), frei);
        EXPECT_EQ(sitzung(f).rotlaenge, 36) << "the ticked box is applied again";
        EXPECT_EQ(f.zellentext(0, 1), "");
    } else {
        EXPECT_EQ(f.text("laufnummer"), "3");
        EXPECT_EQ(f.text("Label3"), "1 / 3");
        EXPECT_EQ(farbeVon(f, 5), aktuell);
    }
}

INSTANTIATE_TEST_SUITE_P(Ereignisse, Frage, testing::ValuesIn(antworten), NachName());

TEST(Frage, SchliessfeldBeendetOhneFrage) {
    Testform f;
    f.zeige();
    EXPECT_TRUE(f.form.close());
    EXPECT_FALSE(f.form.isVisible());
    EXPECT_TRUE(f.gezeigteKaesten.empty());
}

// Qt's own question box, answered with the keyboard.
struct EchteAntwort {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe;
    QMessageBox::StandardButton vorgabe = QMessageBox::NoButton;
};

TEST(EchteFrage, EnterAntwortetJa) {
    Testform f({5});
    f.echteKaesten();
    f.zeige();
    f.klicke("okwurf");
    EchteAntwort gesehen;
    beantworteNaechstenKasten([&gesehen](QWidget* kasten) {
        auto* box = qobject_cast<QMessageBox*>(kasten);
        ASSERT_NE(box, nullptr);
        gesehen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                   box->standardButton(box->defaultButton())};
        drueckeTaste(box, Qt::Key_Return);
    });
    f.klicke("okneu");
    EXPECT_EQ(gesehen.titel, " Neuanfang");
    EXPECT_EQ(gesehen.text, "Bitte bestätigen... ");
    EXPECT_EQ(gesehen.symbol, QMessageBox::Question);
    EXPECT_EQ(gesehen.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(gesehen.vorgabe, QMessageBox::Yes);
    EXPECT_EQ(f.text("laufnummer"), "");
}

TEST(EchteFrage, EscapeAntwortetNein) {
    Testform f;
    f.echteKaesten();
    f.zeige();
    QString titel;
    beantworteNaechstenKasten([&titel](QWidget* kasten) {
        titel = kasten->windowTitle();
        drueckeTaste(kasten, Qt::Key_Escape);
    });
    f.klicke("okende");
    EXPECT_EQ(titel, " Beenden");
    EXPECT_TRUE(f.form.isVisible());
}

} // namespace
} // namespace quentor::uitest
