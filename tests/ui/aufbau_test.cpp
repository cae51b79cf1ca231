// Every control of the window as the user finds it after the start: place, size, caption,
// colours, font, alignment, tooltip, state; then the window itself, the focus and its order.

#include "testform.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace quentor::uitest {
namespace {

const QColor grau224(224, 224, 224);
const QColor grau220(220, 220, 220);
const QColor grau128(128, 128, 128);
const QColor grau64(64, 64, 64);
const QColor gruen128(0, 128, 0);
const QColor hellgruen(128, 255, 128);
const QColor knopfgruen(102, 153, 102);
const QColor knopfgrau(192, 192, 192);
constexpr Qt::Alignment links = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment mitte = Qt::AlignCenter;

struct Soll {
    const char* name;
    const char* klasse;
    QRect ort; // pixels in the client area
    const char* text;
    std::optional<QColor> hintergrund; // as painted
    std::optional<QColor> textfarbe;   // none: the system's
    double punkte;
    bool fett;
    Qt::Alignment ausrichtung;
    const char* tooltip = "";
    const char* rolle = ""; // accessible name, when it is not the text
    bool rahmen = false;
    const char* bedeutung = "";    // accessible description
    const char* beschriftung = ""; // the caption linked to it as its label
};

void PrintTo(const Soll& s, std::ostream* aus) {
    *aus << s.name;
}

const char* const frei = " Zeigt die aktuelle Anzahl der nichtgekommenen Zahlen innerhalb der "
                         "eingestellten Rotation an ";

// clang-format off
const Soll steuerelemente[] = {
    {"Label25", "QLabel", {88, 16, 27, 17}, "Frei:", grau224, grau64, 9, true, links, frei},
    {"Label23", "QLabel", {124, 15, 25, 15}, "", grau220, gruen128, 12, true, links, "", "", false, "Anzahl freier Zahlen", "Label25"},
    {"Label7", "QLabel", {176, 16, 241, 17}, "", grau224, grau128, 8.25, false, links, "", "", false, "Pfad der geladenen Datei"},
    {"tabelle", "QTableView", {48, 40, 159, 430}, "", std::nullopt, QColor(0, 64, 0), 9.75, true, {}, "", "Roulettetisch"},
    {"Label9", "QLabel", {72, 480, 43, 17}, "Belegt:", grau224, grau64, 9, true, links},
    {"Label8", "QLabel", {126, 478, 25, 15}, "", grau220, gruen128, 12, true, links, "", "", false, "Anzahl belegter Zahlen", "Label9"},
    {"Label5", "QLabel", {264, 48, 33, 17}, "LFN", grau220, grau128, 9, true, links},
    {"Label6", "QLabel", {330, 48, 33, 17}, "MAX.", grau220, grau128, 9, true, links},
    {"laufnummer", "QLineEdit", {248, 64, 57, 27}, "", hellgruen, std::nullopt, 12, true, mitte, "", "LFN", false, "Laufnummer (Anzahl der Würfe)", "Label5"},
    {"Textanzahl", "QLineEdit", {320, 64, 49, 25}, "", grau224, std::nullopt, 9.75, true, mitte, "", "MAX.", false, "Anzahl der Werte aus der Datei", "Label6"},
    {"Label22", "QLabel", {264, 104, 33, 17}, "ZAHL", grau220, grau128, 8.25, true, links},
    {"zahl", "QLineEdit", {248, 120, 57, 26}, "", hellgruen, std::nullopt, 12, true, mitte, "", "ZAHL", false, "Aktuelle Zahl", "Label22"},
    {"Label4", "QLabel", {256, 158, 41, 17}, "ROTAT", grau220, grau128, 8.25, true, links},
    {"Label3", "QLabel", {240, 176, 73, 25}, "", grau224, QColor(0, 0, 192), 9.75, true, mitte, "", "", true, "Rotation und Position", "Label4"},
    {"Check1(0)", "QCheckBox", {248, 256, 17, 17}, "", std::nullopt, std::nullopt, 9, true, {}, "", "36 Zahlen (ohne Zero)", false, "", "Label1"},
    {"Label1", "QLabel", {272, 256, 137, 17}, "36 Zahlen (ohne Zero)", grau224, std::nullopt, 9, false, links},
    {"Check1(1)", "QCheckBox", {248, 272, 17, 17}, "", std::nullopt, std::nullopt, 9, true, {}, "", "löschen nach Rotation", false, "", "Label2"},
    {"Label2", "QLabel", {272, 272, 129, 17}, "löschen nach Rotation", grau224, std::nullopt, 9, false, links},
    {"okwurf", "QPushButton", {224, 336, 60, 36}, "Wurf", knopfgruen, std::nullopt, 9.75, true, {}},
    {"okstep", "QPushButton", {296, 336, 60, 36}, "Rotat", knopfgruen, std::nullopt, 9.75, true, {}, "1 komplette Rotation"},
    {"okdatei", "QPushButton", {296, 400, 57, 25}, "Datei", knopfgrau, std::nullopt, 9, true, {}},
    {"okneu", "QPushButton", {224, 440, 60, 25}, "Neu", knopfgrau, std::nullopt, 9.75, true, {}, "Reset und Neuanfang"},
    {"okende", "QPushButton", {296, 440, 60, 25}, "Ende", knopfgrau, std::nullopt, 9.75, true, {}},
};
// clang-format on

// A pixel of the control's own surface, away from its text and frame.
QPoint flaechenpunkt(const Soll& s) {
    const QRect& r = s.ort;
    if (std::string_view(s.klasse) == "QPushButton") {
        return {r.left() + 6, r.center().y()};
    }
    if (std::string_view(s.klasse) == "QLineEdit") {
        return r.center();
    }
    return {r.right() - 2, r.bottom() - 2};
}

class Steuerelemente : public testing::TestWithParam<Soll> {
  protected:
    static void SetUpTestSuite() {
        testform = std::make_unique<Testform>();
        testform->zeige();
        bild = testform->form.grab().toImage();
    }
    static void TearDownTestSuite() { testform.reset(); }

    static std::unique_ptr<Testform> testform;
    static QImage bild;
};

std::unique_ptr<Testform> Steuerelemente::testform;
QImage Steuerelemente::bild;

TEST_P(Steuerelemente, WieBeimStart) {
    const Soll& s = GetParam();
    QWidget* w = testform->element(s.name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->inherits(s.klasse)) << w->metaObject()->className();
    EXPECT_EQ(w->geometry(), s.ort);
    if (qobject_cast<QTableView*>(w) == nullptr) {
        EXPECT_EQ(testform->text(s.name), QString::fromUtf8(s.text));
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());

    if (s.hintergrund) {
        EXPECT_EQ(bild.pixelColor(flaechenpunkt(s)), *s.hintergrund);
    }
    const QPalette::ColorRole schriftrolle =
        qobject_cast<QLabel*>(w) != nullptr ? QPalette::WindowText : QPalette::Text;
    EXPECT_EQ(w->palette().color(schriftrolle),
              s.textfarbe.value_or(QApplication::palette(w).color(schriftrolle)));

    const QFont font = w->font();
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), s.punkte);
    EXPECT_EQ(font.bold(), s.fett);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_EQ(label->alignment(), s.ausrichtung);
        for (const QPoint ecke : {s.ort.topLeft(), s.ort.bottomRight()}) {
            EXPECT_EQ(bild.pixelColor(ecke) == QColor(Qt::black), s.rahmen);
        }
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        EXPECT_EQ(box->alignment(), s.ausrichtung);
    }
    if (auto* knopf = qobject_cast<QPushButton*>(w)) {
        EXPECT_FALSE(knopf->isDefault() || knopf->autoDefault());
    }
    if (auto* haken = qobject_cast<QCheckBox*>(w)) {
        EXPECT_FALSE(haken->isChecked());
    }

    EXPECT_EQ(w->toolTip(), QString::fromUtf8(s.tooltip));
}

// What a screen reader hears: the name is what the control shows (a display label still empty,
// a button its caption) or the caption beside it; the description says what the value means.
// A display label is named only by what it shows, though its caption is linked to it.
TEST_P(Steuerelemente, ZugaenglichMitNameBeschreibungUndBeschriftung) {
    const Soll& s = GetParam();
    QWidget* w = testform->element(s.name);
    ASSERT_NE(w, nullptr);
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(zugang, nullptr);
    EXPECT_EQ(zugang->text(QAccessible::Name),
              QString::fromUtf8(*s.rolle != '\0' ? s.rolle : s.text));
    // Without a description of its own a control is described by its tooltip.
    EXPECT_EQ(zugang->text(QAccessible::Description),
              QString::fromUtf8(*s.bedeutung != '\0' ? s.bedeutung : s.tooltip));
    QStringList beschriftungen;
    for (const auto& [anderes, beziehung] : zugang->relations(QAccessible::Label)) {
        beschriftungen << anderes->object()->objectName();
    }
    const QString beschriftung = QString::fromUtf8(s.beschriftung);
    EXPECT_EQ(beschriftungen, beschriftung.isEmpty() ? QStringList() : QStringList{beschriftung});
}

// The help event a hovering mouse sends to the widget under it: shown as the control's tooltip,
// or ignored all the way up when the control has none.
TEST_P(Steuerelemente, TooltipBeimZeigen) {
    const Soll& s = GetParam();
    QWidget* w = testform->element(s.name);
    ASSERT_NE(w, nullptr);
    const QPoint punkt = w->rect().center();
    QWidget* ziel = w->childAt(punkt) != nullptr ? w->childAt(punkt) : w;
    const QPoint ort = ziel->mapFrom(w, punkt);
    QHelpEvent hilfe(QEvent::ToolTip, ort, ziel->mapToGlobal(ort));
    QApplication::sendEvent(ziel, &hilfe);
    const QString erwartet = QString::fromUtf8(s.tooltip);
    if (erwartet.isEmpty()) {
        EXPECT_FALSE(hilfe.isAccepted());
    } else {
        EXPECT_TRUE(hilfe.isAccepted());
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), erwartet);
    }
}

std::string testname(const testing::TestParamInfo<Soll>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Aufbau, Steuerelemente, testing::ValuesIn(steuerelemente), testname);

TEST(Aufbau, TitelGroesseHintergrundSchrift) {
    Testform f;
    f.zeige();
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Tool / Quentor / V.2012.1"));
    EXPECT_EQ(f.form.size(), QSize(424, 535));
    EXPECT_EQ(f.form.minimumSize(), f.form.maximumSize()) << "the client area is fixed";
    EXPECT_EQ(f.form.grab().toImage().pixelColor(2, 2), grau224);
    EXPECT_EQ(f.form.font().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(f.form.font().pointSizeF(), 9.0);
    EXPECT_TRUE(f.form.font().bold());
    EXPECT_EQ(f.form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
              qsizetype{23});
}

// The window carries the program's icon (built in where it is not installed), and the desktop
// file name is the application ID, by which a desktop finds the entry and the icon.
TEST(Aufbau, SymbolUndAnwendungsname) {
    Testform f;
    f.zeige();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("example.quentor.Quentor"));
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows gives the window the icon of the program's resources (quentor.ico)";
#endif
    const QIcon symbol = f.form.windowIcon();
    ASSERT_FALSE(symbol.isNull());
    for (const int groesse : {16, 32, 48, 64}) {
        EXPECT_EQ(symbol.pixmap(groesse).size(), QSize(groesse, groesse)) << groesse;
    }
    // The 16-pixel picture is the drawn one: dark green frame, green top with the zero field.
    const QImage klein = symbol.pixmap(16).toImage();
    EXPECT_EQ(klein.pixelColor(0, 8), QColor(0x0d, 0x6b, 0x33));
    EXPECT_EQ(klein.pixelColor(3, 2), QColor(0x2f, 0xa3, 0x52));
}

// Arial is asked for; fonts-liberation answers with Liberation Sans, which has Arial's metrics.
// 9.75 and 8.25 points are 13 and 11 pixels.
TEST(Aufbau, ArialMitGenauenGroessen) {
    Testform f;
    const QFontInfo tabelle(f.element("tabelle")->font());
    EXPECT_TRUE(tabelle.family() == QStringLiteral("Arial") ||
                tabelle.family() == QStringLiteral("Liberation Sans"))
        << tabelle.family().toStdString();
    EXPECT_EQ(tabelle.pixelSize(), 13);
    EXPECT_EQ(QFontInfo(f.element("Label22")->font()).pixelSize(), 11);
    EXPECT_EQ(QFontInfo(f.element("zahl")->font()).pixelSize(), 16);
}

TEST(Aufbau, FokusBeginntBeiDerTabelleUndFolgtDerTabulatorfolge) {
    Testform f;
    f.zeige();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("tabelle"));

    QStringList folge;
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        folge << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(folge, QStringList({"okwurf", "laufnummer", "zahl", "okneu", "okende", "okstep",
                                  "Check1(0)", "Check1(1)", "okdatei", "Textanzahl", "tabelle"}));
}

} // namespace
} // namespace quentor::uitest
