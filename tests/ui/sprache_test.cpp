// German from the first word to the last: Qt's own boxes, the file dialog with its messages and
// tips, and the number box's context menu, whatever the system's locale (ctest runs these tests a
// second time under an English locale). Without Qt's catalogue the program's own boxes still
// name their buttons in German.

#include "kaesten.h"
#include "testform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace quentor::uitest {
namespace {

// What the toolkit says in English where its catalogue is missing.
const QStringList englisch = {QStringLiteral("Yes"),
                              QStringLiteral("No"),
                              QStringLiteral("Cancel"),
                              QStringLiteral("Open"),
                              QStringLiteral("Look in:"),
                              QStringLiteral("File name:"),
                              QStringLiteral("Files of type:"),
                              QStringLiteral("Back"),
                              QStringLiteral("Forward"),
                              QStringLiteral("Parent Directory"),
                              QStringLiteral("Create New Folder"),
                              QStringLiteral("List View"),
                              QStringLiteral("Detail View"),
                              QStringLiteral("Size"),
                              QStringLiteral("Type"),
                              QStringLiteral("Date Modified"),
                              QStringLiteral("Undo"),
                              QStringLiteral("Redo"),
                              QStringLiteral("Cut"),
                              QStringLiteral("Copy"),
                              QStringLiteral("Paste"),
                              QStringLiteral("Delete"),
                              QStringLiteral("Select All"),
                              QStringLiteral("File not found"),
                              QStringLiteral("Please verify")};

// A text as shown: without the marks of keyboard mnemonics and shortcuts.
QString gezeigt(QString text) {
    text.remove(QLatin1Char('&'));
    return text.section(QLatin1Char('\t'), 0, 0).trimmed();
}

QStringList englischeIn(const QStringList& texte) {
    QStringList gefunden;
    for (const QString& text : texte) {
        for (const QString& wort : englisch) {
            if (gezeigt(text) == wort || text.contains(wort)) {
                gefunden << text;
            }
        }
    }
    return gefunden;
}

// Every text of a box or dialog: captions, buttons, tips, column headers.
QStringList texteVon(QWidget* kasten) {
    QStringList texte{kasten->windowTitle()};
    for (QWidget* w : kasten->findChildren<QWidget*>()) {
        texte << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            texte << label->text();
        } else if (auto* knopf = qobject_cast<QAbstractButton*>(w)) {
            texte << gezeigt(knopf->text());
        } else if (auto* kopf = qobject_cast<QHeaderView*>(w); kopf && kopf->model()) {
            for (int i = 0; i < kopf->count(); ++i) {
                texte << kopf->model()->headerData(i, kopf->orientation()).toString();
            }
        }
    }
    texte.removeAll(QString());
    return texte;
}

QStringList knopftexte(QMessageBox* box) {
    QStringList texte;
    for (QAbstractButton* knopf : box->buttons()) {
        texte << gezeigt(knopf->text());
    }
    texte.sort();
    return texte;
}

// With and without Qt's catalogue installed.
class Kastenknoepfe : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_NE(katalog, nullptr) << "Qt's German catalogue (qt6-translations-l10n) is missing";
        if (!GetParam()) {
            QCoreApplication::removeTranslator(katalog);
        }
    }
    void TearDown() override { QCoreApplication::installTranslator(katalog); }
};

TEST_P(Kastenknoepfe, FrageMitJaUndNein) {
    Testform f;
    f.echteKaesten();
    f.zeige();
    QStringList texte;
    beantworteNaechstenKasten([&texte](QWidget* kasten) {
        texte = knopftexte(qobject_cast<QMessageBox*>(kasten));
        drueckeTaste(kasten, Qt::Key_Escape);
    });
    f.klicke("okneu");
    EXPECT_EQ(texte, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
}

TEST_P(Kastenknoepfe, MeldungMitOk) {
    QStringList texte;
    beantworteNaechstenKasten([&texte](QWidget* kasten) {
        texte = knopftexte(qobject_cast<QMessageBox*>(kasten));
        drueckeTaste(kasten, Qt::Key_Return);
    });
    zeigeWarnung(nullptr, QStringLiteral(" Fehler! "), QStringLiteral("Text"));
    EXPECT_EQ(texte, QStringList{QStringLiteral("OK")});
}

INSTANTIATE_TEST_SUITE_P(Deutsch, Kastenknoepfe, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& zeile) {
                             return zeile.param ? "MitKatalog" : "OhneKatalog";
                         });

// Qt's file dialog, opened by "Datei", and the message it gives for a file that does not exist.
TEST(Deutsch, DateidialogUndSeineMeldung) {
    QTemporaryDir ordner;
    Testform f;
    f.echteKaesten();
    f.zeige();
    QStringList dialogtexte;
    QStringList meldungstexte;
    beantworteNaechstenKasten([&](QWidget* kasten) {
        auto* dialog = qobject_cast<QFileDialog*>(kasten);
        ASSERT_NE(dialog, nullptr);
        dialog->setViewMode(QFileDialog::Detail);
        dialogtexte = texteVon(dialog);
        beantworteNaechstenKasten([&meldungstexte](QWidget* meldung) {
            meldungstexte = texteVon(meldung);
            drueckeTaste(meldung, Qt::Key_Return);
        });
        dialog->selectFile(ordner.filePath(QStringLiteral("fehlt.txt")));
        static_cast<QDialog*>(dialog)->accept(); // a missing file: the dialog answers, stays open
        dialog->reject();
    });
    f.klicke("okdatei");
    EXPECT_TRUE(dialogtexte.contains(QStringLiteral("Abbrechen")))
        << dialogtexte.join(u'|').toStdString();
    EXPECT_EQ(englischeIn(dialogtexte), QStringList());
    EXPECT_FALSE(meldungstexte.isEmpty()) << "the dialog said nothing about the missing file";
    EXPECT_EQ(englischeIn(meldungstexte), QStringList());
}

TEST(Deutsch, KontextmenueDesZahlfelds) {
    Testform f;
    auto* zahl = f.element<QLineEdit>("zahl");
    zahl->setText(QStringLiteral("17"));
    const std::unique_ptr<QMenu> menue(zahl->createStandardContextMenu());
    QStringList texte;
    for (const QAction* aktion : menue->actions()) {
        texte << gezeigt(aktion->text());
    }
    texte.removeAll(QString());
    EXPECT_TRUE(texte.contains(QStringLiteral("Alles auswählen")))
        << texte.join(u'|').toStdString();
    EXPECT_EQ(englischeIn(texte), QStringList());
}

} // namespace
} // namespace quentor::uitest
