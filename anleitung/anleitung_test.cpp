// The guide (anleitung.html) against the program: it shows exactly the pictures the program draws
// (zustaende.cpp, drawn into QUENTOR_BILDER by the build), each with a text for those who cannot
// see it, and every count a picture's texts state is the one its scene shows; every text it
// quotes as the program's (<q class="programm">) is one the window shows or the core writes; its
// example is the shipped permanence file, which the reader takes.

#include "anwendung.h"
#include "dateileser.h"
#include "form1.h"
#include "kaesten.h"
#include "szene.h"
#include "texte.h"
#include "zustaende.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <utility>
#include <vector>

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

// ---- the counts the pictures' texts state

// What the window shows beside each caption of a display field ("LFN", "Frei:", "MAX.", ...).
std::map<QString, QString> angezeigt(const Form1& form) {
    std::map<QString, QString> werte;
    for (const QLabel* beschriftung : form.findChildren<QLabel*>()) {
        const QWidget* feld = beschriftung->buddy();
        if (const auto* text = qobject_cast<const QLineEdit*>(feld)) {
            werte[beschriftung->text()] = text->text();
        } else if (const auto* anzeige = qobject_cast<const QLabel*>(feld)) {
            werte[beschriftung->text()] = anzeige->text();
        }
    }
    return werte;
}

// The scene as its picture was drawn, in a working folder that holds the files it loads; what
// the window then shows beside its captions.
std::map<QString, QString> szenenwerte(const Zustand& zustand) {
    QTemporaryDir arbeit;
    const QString vorher = QDir::currentPath();
    EXPECT_TRUE(arbeit.isValid() &&
                legeDateienAn(QDir(arbeit.path()), QStringLiteral(QUENTOR_BEISPIEL)) &&
                QDir::setCurrent(arbeit.path()));
    Szene szene;
    EXPECT_TRUE(szene.zeige()) << zustand.name;
    zustand.herstellen(szene);
    QDir::setCurrent(vorher);
    return angezeigt(szene.form());
}

// The first group of the first match of `muster` in `text`.
QString erster(const QString& text, const QString& muster) {
    return QRegularExpression(muster, QRegularExpression::DotMatchesEverythingOption)
        .match(text)
        .captured(1);
}

// The alt text and the caption of each figure, read as text, by the name of its picture.
std::vector<std::pair<QString, QString>> bildtexte() {
    std::vector<std::pair<QString, QString>> texte;
    for (const QString& figur :
         fundstellen(anleitung(), QStringLiteral("<figure>(.*?)</figure>"))) {
        texte.emplace_back(
            erster(figur, QStringLiteral(R"re(src="bilder/([^"]+)\.png")re")),
            klartext(erster(figur, QStringLiteral(R"re(alt="([^"]*)")re")) + QLatin1Char(' ') +
                     erster(figur, QStringLiteral("<figcaption>(.*?)</figcaption>"))));
    }
    return texte;
}

// The counts `text` states, each with the caption it belongs to: a caption followed by its value
// ("LFN 5", "LFN zeigt 5", "ROTAT 1 / 5", "Frei: 33"), and "5 Würfen" for LFN.
std::vector<std::pair<QString, QString>> genannt(const QString& text,
                                                 const std::map<QString, QString>& werte) {
    std::vector<std::pair<QString, QString>> funde;
    const QString wert = QStringLiteral(R"re((?:\s+zeigt)?\s+(\d+(?: / \d+)?)\b)re");
    for (const auto& [beschriftung, _] : werte) {
        const QRegularExpression muster(QStringLiteral("(?<![\\w.])") +
                                        QRegularExpression::escape(beschriftung) + wert);
        for (const auto& treffer : muster.globalMatch(text)) {
            funde.emplace_back(beschriftung, treffer.captured(1));
        }
    }
    const QRegularExpression wuerfe(QStringLiteral(R"re(\b(\d+) Würfen?\b)re"));
    for (const auto& treffer : wuerfe.globalMatch(text)) {
        funde.emplace_back(QStringLiteral("LFN"), treffer.captured(1));
    }
    return funde;
}

const Zustand* zustandNamens(const QString& name) {
    for (const Zustand& zustand : zustaende()) {
        if (name == QLatin1String(zustand.name)) {
            return &zustand;
        }
    }
    return nullptr;
}

// Every count a picture's alt text or caption states is the one its scene shows, and a picture of
// a window with spins states their number: a changed scene with an unchanged text fails.
TEST(Bilder, JedeZahlImTextZeigtAuchDasBild) {
    const auto texte = bildtexte();
    ASSERT_EQ(texte.size(), zustaende().size());
    for (const auto& [bild, text] : texte) {
        const Zustand* zustand = zustandNamens(bild);
        ASSERT_NE(zustand, nullptr) << "kein Zustand zu: " << bild.toStdString();
        const auto werte = szenenwerte(*zustand);
        const auto lfn = werte.find(QStringLiteral("LFN"));
        ASSERT_NE(lfn, werte.end()) << "keine Beschriftung LFN im Fenster";
        bool lfnGenannt = false;
        for (const auto& [beschriftung, zahl] : genannt(text, werte)) {
            EXPECT_EQ(zahl.toStdString(), werte.at(beschriftung).toStdString())
                << bild.toStdString() << ", " << beschriftung.toStdString()
                << " in: " << text.toStdString();
            lfnGenannt = lfnGenannt || beschriftung == lfn->first;
        }
        EXPECT_TRUE(lfn->second.isEmpty() || lfnGenannt)
            << bild.toStdString() << " nennt LFN " << lfn->second.toStdString() << " nicht";
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
