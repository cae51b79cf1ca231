// The guide (anleitung.html) against the program: it shows exactly the pictures the program draws
// (zustaende.cpp, drawn into QUENTOR_BILDER by the build), each with a text for those who cannot
// see it; every text it quotes as the program's (<q class="programm">) is one the window shows or
// the core writes; its example is the shipped permanence file, which the reader takes.

#include "anwendung.h"
#include "dateileser.h"
#include "form1.h"
#include "kaesten.h"
#include "szene.h"
#include "texte.h"
#include "zustaende.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

#include <string_view>

namespace quentor::anleitung {

namespace {

QString liesDatei(const char* pfad) {
    QFile datei(QString::fromUtf8(pfad));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad;
    return QString::fromUtf8(datei.readAll());
}

// HTML text as a reader sees it: markup gone, the few entities the guide uses decoded, runs of
// white space one blank.
QString klartext(QString html) {
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    const std::pair<const char*, const char*> zeichen[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};
    for (const auto& [entitaet, zeichen1] : zeichen) {
        html.replace(QLatin1String(entitaet), QLatin1String(zeichen1));
    }
    return html.simplified();
}

// The first group of every match of `muster` in the guide.
QStringList fundstellen(const QString& html, const QString& muster) {
    QStringList funde;
    const QRegularExpression ausdruck(muster, QRegularExpression::DotMatchesEverythingOption);
    for (const auto& treffer : ausdruck.globalMatch(html)) {
        funde << treffer.captured(1);
    }
    return funde;
}

const QString& anleitung() {
    static const QString html = liesDatei(QUENTOR_ANLEITUNG);
    return html;
}

// ---- the pictures

TEST(Bilder, DieAnleitungZeigtGenauDieGezeichnetenZustaende) {
    QStringList gezeichnet;
    for (const Zustand& zustand : zustaende()) {
        gezeichnet << QStringLiteral("bilder/%1.png").arg(QString::fromLatin1(zustand.name));
    }
    const QStringList gezeigt =
        fundstellen(anleitung(), QStringLiteral(R"re(<img\s[^>]*src="([^"]*)")re"));
    for (const QString& bild : gezeigt) {
        EXPECT_TRUE(gezeichnet.contains(bild)) << "nicht gezeichnet: " << bild.toStdString();
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(QUENTOR_BILDER "/") + bild.mid(7)))
            << "nicht im Bau: " << bild.toStdString();
    }
    for (const QString& bild : gezeichnet) {
        EXPECT_TRUE(gezeigt.contains(bild)) << "nicht gezeigt: " << bild.toStdString();
    }
}

TEST(Bilder, JedesBildHatEinenText) {
    const QStringList bilder = fundstellen(anleitung(), QStringLiteral(R"re((<img\s[^>]*>))re"));
    ASSERT_FALSE(bilder.isEmpty());
    const QRegularExpression text(QStringLiteral(R"re(\salt="[^"]*[^"\s][^"]*")re"));
    for (const QString& bild : bilder) {
        EXPECT_TRUE(text.match(bild).hasMatch()) << bild.toStdString();
    }
}

// ---- the quoted texts

void fuegeHinzu(QSet<QString>& texte, const QString& text) {
    const QString lesbar = QString(text).remove(QLatin1Char('&')).simplified();
    if (!lesbar.isEmpty()) {
        texte.insert(lesbar);
    }
}

// What the window's controls show and tell: captions, tooltips, names and descriptions.
void texteDesFensters(QSet<QString>& texte) {
    Szene szene;
    const Form1& form = szene.form();
    fuegeHinzu(texte, form.windowTitle());
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        for (const QString& t : {w->toolTip(), w->accessibleName(), w->accessibleDescription()}) {
            fuegeHinzu(texte, t);
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            fuegeHinzu(texte, label->text());
        } else if (const auto* knopf = qobject_cast<const QAbstractButton*>(w)) {
            fuegeHinzu(texte, knopf->text());
        }
    }
}

// The buttons of the modal box once it is shown, read from inside its event loop (the box is
// shown after this is called); then the box is closed with its escape button or its only one.
void liesKnoepfe(QSet<QString>& texte, int versuche) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        if (versuche > 0) {
            QTimer::singleShot(10, qApp, [&texte, versuche] { liesKnoepfe(texte, versuche - 1); });
        }
        return;
    }
    for (const QAbstractButton* knopf : box->buttons()) {
        fuegeHinzu(texte, knopf->text());
    }
    (box->escapeButton() != nullptr ? box->escapeButton() : box->buttons().constFirst())->click();
}

// The buttons of the window's real question and message boxes, read while they are shown.
void texteDerKaesten(QSet<QString>& texte) {
    QWidget eltern;
    liesKnoepfe(texte, 500);
    zeigeFrage(&eltern, QStringLiteral("Frage"), QStringLiteral("?"));
    liesKnoepfe(texte, 500);
    zeigeWarnung(&eltern, QStringLiteral("Meldung"), QStringLiteral("!"));
}

// The core's texts (texte.h), the file dialog's filter as Qt shows it, and the window's.
const QSet<QString>& programmtexte() {
    static const QSet<QString> texte = [] {
        QSet<QString> t;
        for (const std::string_view text :
             {texte::formtitel, texte::ende, texte::zustandFrei, texte::zustandGekommen,
              texte::zustandAktuell, texte::zeroAusgelassen, texte::dialogtitel, texte::fehlertitel,
              texte::ungueltigesFormat, texte::nichtLesbar, texte::neuTitel, texte::neuFrage,
              texte::endeTitel, texte::endeFrage}) {
            fuegeHinzu(t, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
        for (int position = 1; position <= permanenzgrenze; ++position) {
            fuegeHinzu(t, QString::fromStdString(texte::ungueltigePermanenz(position)));
        }
        fuegeHinzu(t, qtFilter(texte::dialogfilter));
        texteDesFensters(t);
        texteDerKaesten(t);
        return t;
    }();
    return texte;
}

TEST(Zitate, JedesZitatIstEinTextDesProgramms) {
    const QStringList zitate =
        fundstellen(anleitung(), QStringLiteral(R"re(<q class="programm">(.*?)</q>)re"));
    ASSERT_GE(zitate.size(), 20)
        << "zu wenige Zitate gefunden: ist die Auszeichnung noch dieselbe?";
    for (const QString& zitat : zitate) {
        EXPECT_TRUE(programmtexte().contains(klartext(zitat)))
            << "kein Text des Programms: \"" << klartext(zitat).toStdString() << '"';
    }
}

// ---- the example

std::vector<double> werte(std::string_view inhalt) {
    Speicherquelle quelle(inhalt);
    std::vector<double> gelesen;
    EXPECT_EQ(liesPermanenz(quelle, gelesen), Leseergebnis::gelesen);
    return gelesen;
}

TEST(Beispiel, DieAnleitungZeigtDieMitgelieferteDatei) {
    const QStringList beispiele =
        fundstellen(anleitung(), QStringLiteral(R"re(<pre class="permanenz">(.*?)</pre>)re"));
    ASSERT_EQ(beispiele.size(), 1);
    const QString& gezeigt = beispiele.front();
    const QString datei = liesDatei(QUENTOR_BEISPIEL);
    EXPECT_EQ(gezeigt.trimmed().toStdString(), datei.trimmed().toStdString());
    EXPECT_FALSE(werte(datei.toStdString()).empty());
}

} // namespace

} // namespace quentor::anleitung

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quentor::anwendungEinrichten(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
