// What a screen reader gets from the window: the window a frame with its title, each cell of the
// grid one number and its state, the cell under the cursor focused only while the grid has the
// focus, an event for each cell whose reading changed, and one message per spin or rotation with
// what the fields show. The events are taken as a screen reader's bridge takes them.

#include "testform.h"
#include "umrechnung.h"

#include <QAccessible>
#include <QImage>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace quentor::uitest {
namespace {

// Every accessibility event the window sends while it lives, in order.
struct Gehoert {
    QAccessible::Event art;
    QObject* objekt;
    int kind;
    QString ansage; // the message, for a message to the screen reader; empty otherwise
};
std::vector<Gehoert>* gehoert = nullptr;

// The text of a message to the screen reader; empty for any other event.
QString ansagetextVon(QAccessibleEvent& ereignis) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (ereignis.type() == QAccessible::Announcement) {
        return static_cast<QAccessibleAnnouncementEvent&>(ereignis).message();
    }
#else
    // Before Qt 6.8: a notification that tells it appeared.
    QAccessibleInterface* quelle = ereignis.accessibleInterface();
    if (ereignis.type() == QAccessible::ObjectShow && quelle != nullptr &&
        quelle->role() == QAccessible::Notification) {
        return quelle->text(QAccessible::Name);
    }
#endif
    return {};
}

void hoere(QAccessibleEvent* ereignis) {
    if (gehoert != nullptr) {
        gehoert->push_back(
            {ereignis->type(), ereignis->object(), ereignis->child(), ansagetextVon(*ereignis)});
    }
}

class Zugang : public ::testing::Test {
  protected:
    void SetUp() override {
        gehoert = &ereignisse;
        QAccessible::installUpdateHandler(hoere);
        f.zeige();
        ereignisse.clear();
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        gehoert = nullptr;
    }
    QAccessibleInterface* gitter() const {
        return QAccessible::queryAccessibleInterface(f.element<QTableView>("tabelle"));
    }
    QAccessibleInterface* zelle(int zeile, int spalte) const {
        return gitter()->tableInterface()->cellAt(zeile, spalte);
    }
    std::vector<QString> ansagen() const {
        std::vector<QString> texte;
        for (const Gehoert& g : ereignisse) {
            if (!g.ansage.isEmpty()) {
                texte.push_back(g.ansage);
            }
        }
        return texte;
    }
    QString ausDenFeldern() const {
        return f.text("zahl") + ", Rotation " + f.text("Label3") + ", frei " + f.text("Label23") +
               ", belegt " + f.text("Label8");
    }

    std::vector<Gehoert> ereignisse;
    Testform f{{5, 12, 5, 0}};
};

// The tests of the events, on a platform whose accessibility is on.
class ZugangAmBus : public Zugang {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QAccessible::isActive()) << "keine Barrierefreiheitsschnittstelle aktiv";
        Zugang::SetUp();
    }
};

TEST_F(Zugang, FensterIstEinRahmenMitSeinemTitel) {
    QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(&f.form);
    EXPECT_EQ(fenster->role(), QAccessible::Window);
    EXPECT_EQ(fenster->text(QAccessible::Name), f.form.windowTitle());
}

// Each cell reads as the core reads it, the zero left out too; blank cells are not focusable; no
// headers.
TEST_F(Zugang, JedeZelleWieDerKernSieLiest) {
    for (const bool ohneZero : {false, true}) {
        Testform t({5, 12, 5, 0});
        if (ohneZero) {
            t.klicke("Check1(0)");
        }
        for (int i = 0; i < 4; ++i) {
            t.klicke("okwurf");
        }
        QAccessibleTableInterface* tabelle =
            QAccessible::queryAccessibleInterface(t.element<QTableView>("tabelle"))
                ->tableInterface();
        for (int zeile = 0; zeile < zeilenanzahl; ++zeile) {
            for (int spalte = 0; spalte < spaltenanzahl; ++spalte) {
                const QString gelesen = qtext(t.form.spieltisch().tabelle().lesung(zeile, spalte));
                QAccessibleInterface* z = tabelle->cellAt(zeile, spalte);
                EXPECT_EQ(z->text(QAccessible::Name), gelesen) << zeile << "," << spalte;
                EXPECT_EQ(z->state().focusable, !gelesen.isEmpty()) << gelesen.toStdString();
                EXPECT_EQ(z->role(), QAccessible::Cell);
            }
        }
    }
    EXPECT_EQ(gitter()->childCount(), 39) << "the cells alone, no header";
    EXPECT_EQ(gitter()->indexOfChild(zelle(4, 2)), 14);
}

TEST_F(Zugang, NurDieZelleUnterDemCursorUndNurMitFokus) {
    auto* ansicht = f.element<QTableView>("tabelle");
    ansicht->setFocus();
    EXPECT_EQ(ansicht->currentIndex(), ansicht->model()->index(0, 1))
        << "the focus puts the cursor on the zero, not on a blank cell";
    QTest::keyClick(ansicht, Qt::Key_Right);
    EXPECT_EQ(ansicht->currentIndex(), ansicht->model()->index(0, 1)) << "no blank cell";
    QTest::keyClick(ansicht, Qt::Key_Down);
    const QModelIndex cursor = ansicht->currentIndex();
    ASSERT_EQ(cursor, ansicht->model()->index(1, 1));
    int fokussiert = 0;
    for (int i = 0; i < gitter()->childCount(); ++i) {
        fokussiert += gitter()->child(i)->state().focused ? 1 : 0;
    }
    EXPECT_EQ(fokussiert, 1);
    EXPECT_TRUE(zelle(cursor.row(), cursor.column())->state().focused);
    EXPECT_EQ(gitter()->focusChild(), zelle(cursor.row(), cursor.column()));

    f.element("okwurf")->setFocus();
    EXPECT_FALSE(zelle(cursor.row(), cursor.column())->state().focused);
    EXPECT_EQ(gitter()->focusChild(), nullptr);
}

// A screen reader hears of the cell the cursor moved to, and of that cell alone.
TEST_F(ZugangAmBus, DerFokusNenntDieZelleUnterDemCursor) {
    auto* ansicht = f.element<QTableView>("tabelle");
    ansicht->setFocus();
    for (const Qt::Key taste : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
        ereignisse.clear();
        QTest::keyClick(ansicht, taste);
        const QModelIndex cursor = ansicht->currentIndex();
        std::vector<QAccessibleInterface*> fokus;
        for (const Gehoert& g : ereignisse) {
            if (g.art == QAccessible::Focus && g.objekt == ansicht) {
                fokus.push_back(gitter()->child(g.kind));
            }
        }
        EXPECT_EQ(fokus, std::vector{zelle(cursor.row(), cursor.column())})
            << zelle(cursor.row(), cursor.column())->text(QAccessible::Name).toStdString();
    }
}

// The cursor shows as a frame inside the cell once a key moved it, with the cell's colour all
// around it; a click or the focus elsewhere leaves the grid's picture as it was.
TEST_F(Zugang, CursorNurNachTastenMitDerFarbeRingsum) {
    auto* ansicht = f.element<QTableView>("tabelle");
    const QImage vorher = ansicht->grab().toImage();
    ansicht->setFocus();
    EXPECT_EQ(ansicht->grab().toImage(), vorher) << "the focus alone draws nothing";
    QTest::keyClick(ansicht, Qt::Key_Down);
    QTest::keyClick(ansicht, Qt::Key_Down); // from the zero to the 5
    const QRect zelle = ansicht->visualRect(ansicht->currentIndex());
    const QImage mitCursor = ansicht->grab().toImage();
    const QColor farbe = vorher.pixelColor(zelle.center().x(), zelle.top() + 1);
    for (const QPoint innen : {QPoint(1, 1), QPoint(zelle.width() - 3, zelle.height() - 3),
                               QPoint(1, zelle.height() / 2)}) {
        EXPECT_EQ(mitCursor.pixelColor(zelle.topLeft() + innen), farbe) << "colour around";
    }
    const QColor rahmen = ansicht->palette().color(QPalette::Text);
    for (const QPoint rand : {QPoint(2, zelle.height() / 2), QPoint(3, zelle.height() / 2),
                              QPoint(zelle.width() / 2, 2), QPoint(zelle.width() - 4, 3)}) {
        EXPECT_EQ(mitCursor.pixelColor(zelle.topLeft() + rand), rahmen) << "the frame";
    }

    f.element("okwurf")->setFocus();
    EXPECT_EQ(ansicht->grab().toImage(), vorher) << "without the focus";
    ansicht->setFocus();
    QTest::keyClick(ansicht, Qt::Key_Right);
    QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {}, zelle.center());
    EXPECT_EQ(ansicht->grab().toImage(), vorher) << "after a click";
}

// A spin tells each cell whose reading changed, by its child number, and no other.
TEST_F(ZugangAmBus, EinWurfMeldetDieGeaendertenZellen) {
    f.klicke("okwurf");
    ereignisse.clear();
    f.klicke("okwurf"); // 5 came, 12 current
    std::vector<QString> geaendert;
    for (const Gehoert& g : ereignisse) {
        if (g.art == QAccessible::NameChanged && g.objekt == f.element("tabelle")) {
            geaendert.push_back(gitter()->child(g.kind)->text(QAccessible::Name));
        }
    }
    EXPECT_EQ(geaendert, (std::vector<QString>{"5, gekommen", "12, aktuell"}));
}

TEST_F(ZugangAmBus, EineAnsageJeWurfUndJeRotation) {
    f.klicke("okwurf");
    EXPECT_EQ(ansagen(), std::vector<QString>{"5, Rotation 1 / 1, frei 36, belegt 1"});
    ereignisse.clear();
    f.klicke("okstep");
    EXPECT_EQ(ansagen(), std::vector<QString>{ausDenFeldern()});
    EXPECT_EQ(f.text("laufnummer"), "38");
}

} // namespace
} // namespace quentor::uitest
