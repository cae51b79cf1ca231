// quentor_dauerlauf: the real window through a long evening. Random user actions (spins, whole
// rotations, numbers typed into the number box, option clicks, "Neu" and "Ende" answered Yes or No,
// and "Datei" with a good, a rejected, a missing or an unreadable file typed into Qt's own file
// dialog, or cancelled) are made on the window with Qt's real dialogs and boxes, answered the way
// a user answers them; clicks and keys go through the windows, as a player's do. After every action
// the session's invariants are checked against what the window shows, the window must show what the
// same action shows on an in-memory session (so a click that did nothing, or something else, is
// found), "Datei" must have opened the dialog, and the window must have answered within a few
// seconds. Resident memory is printed at the start, every --alle actions and at the end. The run
// begins with a file accepted and a dialog cancelled, and ends with "Ende" answered Yes.
// Exit status 0 when everything held, 1 at the first fault, 2 on a usage error.

#include "anwendung.h"
#include "form1.h"
#include "invarianten.h"
#include "plattform.h"
#include "speichertisch.h"
#include "spielereingabe.h"
#include "umrechnung.h"
#include "zufall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace quentor {
namespace {

using test::drueckeWieDerSpieler;
using test::klickeWieDerSpieler;

[[noreturn]] void abbruch(long ereignis, const QString& grund) {
    std::fprintf(stderr, "Fehler bei Ereignis %ld: %s\n", ereignis, qPrintable(grund));
    std::_Exit(1);
}

// What the window shows, read from its controls, as the session's checks read a display.
class Angezeigt : public Anzeige, public Optionsfelder {
  public:
    explicit Angezeigt(const Form1& form) : form_(form) {}
    void setzeText(Feld /*feld*/, std::string_view /*text*/) override {}
    void neuZeichnen(Feld /*feld*/) override {}
    void tabelleGeaendert() override {}
    void ansagen(std::string_view /*text*/) override {}
    std::string text(Feld feld) const override {
        const QWidget* w = form_.findChild<QWidget*>(qtext(name(feld)));
        if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
            return box->text().toStdString();
        }
        return static_cast<const QLabel*>(w)->text().toStdString();
    }
    int haken(int index) const override {
        const auto name = QStringLiteral("Check1(%1)").arg(index);
        return form_.findChild<QCheckBox*>(name)->isChecked() ? 1 : 0;
    }

  private:
    const Form1& form_;
};

// The grid shows the core's table, cell by cell, and at most two cells are current.
QString pruefeGitter(const Form1& form) {
    const QAbstractItemModel* modell =
        form.findChild<QTableView*>(QStringLiteral("tabelle"))->model();
    const Tabelle& tabelle = form.spieltisch().tabelle();
    int aktuell = 0;
    for (int zeile = 0; zeile < modell->rowCount(); ++zeile) {
        for (int spalte = 0; spalte < modell->columnCount(); ++spalte) {
            const QModelIndex zelle = modell->index(zeile, spalte);
            const Zelle soll = tabelle.zelle(zeile, spalte);
            const QColor farbe = zelle.data(Qt::BackgroundRole).value<QBrush>().color();
            if (farbe != qfarbe(soll.farbe) || zelle.data().toString() != qtext(soll.text)) {
                return QStringLiteral("Zelle (%1, %2) zeigt nicht, was der Kern hält")
                    .arg(zeile)
                    .arg(spalte);
            }
            aktuell += soll.farbe == farbeaktuell ? 1 : 0;
        }
    }
    return aktuell <= 2 ? QString() : QStringLiteral("%1 aktuelle Zellen").arg(aktuell);
}

// The window's random source; its draws are kept until the in-memory session has drawn them too.
class Mitschreibzufall : public Zufallsquelle {
  public:
    explicit Mitschreibzufall(std::uint32_t saat) : zufall_(saat) {}
    float naechste() override { return gezogen_.emplace_back(zufall_.naechste()); }
    // The draws since the last call.
    std::vector<float> abgeben() { return std::exchange(gezogen_, {}); }

  private:
    Mersennezufall zufall_;
    std::vector<float> gezogen_;
};

// What the window shows against what the same actions show on the in-memory session: the display
// fields, the option boxes, every cell and the count of spins.
QString vergleiche(const Angezeigt& fenster, const Spieltisch& tisch, const Speichertisch& abbild) {
    for (const auto& [feld, feldname] : anzeigefelder) {
        const std::string soll = abbild.oberflaeche().text(feld);
        if (fenster.text(feld) != soll) {
            return QStringLiteral("%1 zeigt \"%2\" statt \"%3\"")
                .arg(qtext(feldname), qtext(fenster.text(feld)), qtext(soll));
        }
    }
    for (int index = 0; index < 2; ++index) {
        if (fenster.haken(index) != abbild.oberflaeche().haken(index)) {
            return QStringLiteral("Check1(%1) steht anders").arg(index);
        }
    }
    for (int zeile = 0; zeile < zeilenanzahl; ++zeile) {
        for (int spalte = 0; spalte < spaltenanzahl; ++spalte) {
            const Zelle ist = tisch.tabelle().zelle(zeile, spalte);
            const Zelle soll = abbild.tabelle().zelle(zeile, spalte);
            if (ist.farbe != soll.farbe || ist.text != soll.text) {
                return QStringLiteral("Zelle (%1, %2) weicht ab").arg(zeile).arg(spalte);
            }
        }
    }
    if (tisch.sitzung().wurfzaehler != abbild.sitzung().wurfzaehler) {
        return QStringLiteral("%1 Würfe statt %2")
            .arg(tisch.sitzung().wurfzaehler)
            .arg(abbild.sitzung().wurfzaehler);
    }
    return {};
}

// What a player does, and how often in a hundred actions.
enum class Aktion { wurf, rotat, zahl, haken, neu, ende, abbruch, datei };
struct Aktionsart {
    const char* name;
    unsigned gewicht;
};
constexpr std::array<Aktionsart, 8> aktionen{{{"wurf", 45},
                                              {"rotat", 7},
                                              {"zahl", 12},
                                              {"haken", 8},
                                              {"neu", 7},
                                              {"ende", 3},
                                              {"abbruch", 6},
                                              {"datei", 12}}};

// How the next modal box is answered. A file dialog still open after its answer (a folder was
// typed, or Qt's own box said the file does not exist) is left with Escape.
struct Antwort {
    bool ja = false; // a question
    QString datei;   // the file dialog: typed and confirmed; empty: cancel
};

class Antworter : public QObject {
  public:
    explicit Antworter(const std::atomic<long>& ereignis) : ereignis_(ereignis) {
        takt_.setInterval(1);
        connect(&takt_, &QTimer::timeout, this, &Antworter::pruefe);
        takt_.start();
    }
    // Each action is answered afresh: the file dialog is one object that opens again and again.
    void neueAktion(Antwort antwort) {
        naechste = std::move(antwort);
        offen_ = nullptr;
        beantwortet_ = nullptr;
        beantwortetAm_ = -1;
    }
    Antwort naechste;
    long bedenkzeit = 0; // milliseconds

  private:
    // Called every millisecond, also inside the event loop of a modal box. A box is answered
    // once it has been open for the user's time to think.
    void pruefe() {
        QWidget* kasten = QApplication::activeModalWidget();
        if (kasten == nullptr || !kasten->isVisible()) {
            offen_ = nullptr;
            return;
        }
        if (kasten != offen_) {
            offen_ = kasten;
            beantwortetAm_ = -1;
            seit_.start();
        } else if (seit_.elapsed() > 10000 + bedenkzeit) {
            abbruch(ereignis_, QStringLiteral("ein Dialog blieb offen: ") + kasten->windowTitle());
        } else if ((beantwortetAm_ < 0 && seit_.elapsed() >= bedenkzeit) ||
                   (kasten == beantwortet_ && seit_.elapsed() > beantwortetAm_ + 300)) {
            // Its first answer, or still open after it: a file dialog is then left.
            if (beantworte(kasten)) {
                beantwortetAm_ = seit_.elapsed();
            }
        }
    }
    // False when the box cannot be answered yet.
    bool beantworte(QWidget* kasten) {
        if (auto* dialog = qobject_cast<QFileDialog*>(kasten)) {
            return beantworte(dialog);
        }
        if (auto* box = qobject_cast<QMessageBox*>(kasten)) {
            const bool frage = box->button(QMessageBox::Yes) != nullptr;
            klickeWieDerSpieler(*box->button(!frage        ? QMessageBox::Ok
                                             : naechste.ja ? QMessageBox::Yes
                                                           : QMessageBox::No));
            return true;
        }
        abbruch(ereignis_, QStringLiteral("ein unbekannter Dialog: ") + kasten->windowTitle());
    }
    // The file's full path typed over the name the dialog shows, once the name box has the focus,
    // and Enter; or "Abbrechen". A dialog still open after its answer is left with Escape.
    bool beantworte(QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr) {
            abbruch(ereignis_, QStringLiteral("der Dateidialog hat kein Namensfeld"));
        }
        if (dialog == beantwortet_) {
            drueckeWieDerSpieler(*dialog, Qt::Key_Escape);
            return true;
        }
        if (naechste.datei.isEmpty()) {
            beantwortet_ = dialog;
            klickeWieDerSpieler(
                *dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
            return true;
        }
        if (!name->hasFocus()) {
            return false;
        }
        beantwortet_ = dialog;
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, naechste.datei);
        // Pressed after this tick: the dialog may open a box of its own (a file that does not
        // exist), whose event loop must see the next ticks.
        QTimer::singleShot(0, dialog, [dialog] { drueckeWieDerSpieler(*dialog, Qt::Key_Return); });
        return true;
    }

    const std::atomic<long>& ereignis_;
    QTimer takt_;
    QPointer<QWidget> offen_;
    QPointer<QFileDialog> beantwortet_;
    QElapsedTimer seit_;
    qint64 beantwortetAm_ = -1;
};

// Ends the run when no action has ended for a minute: the window hangs.
class Wachhund {
  public:
    explicit Wachhund(const std::atomic<long>& ereignis)
        : faden_([this, &ereignis] { wache(ereignis); }) {}
    Wachhund(const Wachhund&) = delete;
    Wachhund& operator=(const Wachhund&) = delete;
    ~Wachhund() {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            aus_ = true;
        }
        wecker_.notify_one();
        faden_.join();
    }

  private:
    void wache(const std::atomic<long>& ereignis) {
        std::unique_lock<std::mutex> sperre(mutex_);
        long zuletzt = -1;
        while (!wecker_.wait_for(sperre, std::chrono::minutes(1), [this] { return aus_; })) {
            if (ereignis == zuletzt) {
                abbruch(zuletzt, QStringLiteral("das Fenster antwortet seit einer Minute nicht"));
            }
            zuletzt = ereignis;
        }
    }

    std::mutex mutex_;
    std::condition_variable wecker_;
    bool aus_ = false;
    std::thread faden_; // last: it starts at once
};

// The files a player picks: good ones, a rejected one, one with a value that is no number, an
// empty one, a folder, a missing one, and a device where the system has one.
QStringList legeDateienAn(const QTemporaryDir& ordner, std::mt19937& zufall) {
    const auto schreibe = [&](const QString& name, const QByteArray& inhalt) {
        QFile datei(ordner.filePath(name));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size()) {
            abbruch(0, QStringLiteral("kann nicht schreiben: ") + datei.fileName());
        }
        return datei.fileName();
    };
    QByteArray werte;
    QByteArray viele;
    for (int i = 0; i < 4000; ++i) {
        (i < 120 ? werte : viele) += QByteArray::number(zufall() % 37) + (i % 10 ? "\n" : "\n-\n");
    }
    const QByteArray kopf = "Spielbank Musterstadt\nTisch 3\n05.12.2026\nKopf\n";
    QDir(ordner.path()).mkdir(QStringLiteral("ordner"));
    QStringList dateien = {schreibe("gut.txt", kopf + werte),
                           schreibe("voll.txt", kopf + viele),
                           schreibe("ungueltig.txt", "kein Format\n1\n2\n"),
                           schreibe("ausserhalb.txt", kopf + "5\n37\n4\n"),
                           schreibe("leer.txt", ""),
                           ordner.filePath(QStringLiteral("ordner")),
                           ordner.filePath(QStringLiteral("fehlt.txt"))};
#ifndef _WIN32
    dateien << QStringLiteral("/dev/zero");
#endif
    return dateien;
}

class Dauerlauf {
  public:
    // `nur`: the index in `aktionen` of the one kind of action to make, or any other value for all.
    Dauerlauf(unsigned saat, long bedenkzeit, std::size_t nur, const QStringList& dateien)
        : nur_(nur), zufall_(saat), dateien_(dateien),
          form_(ziehungFuer(saat),
                {.dateidialog = [this](auto... werte) { return waehle(werte...); }}),
          angezeigt_(form_), antworter_(ereignis_), wachhund_(ereignis_) {
        antworter_.bedenkzeit = bedenkzeit;
    }

    void zeige() {
        form_.show();
        if (!QTest::qWaitForWindowExposed(&form_)) {
            abbruch(0, QStringLiteral("das Fenster erscheint nicht"));
        }
    }
    // The first file accepted, then a dialog cancelled, then random actions.
    void laufe(long anzahl, long alle) {
        melde();
        datei(dateien_.front());
        datei(QString());
        while (ereignis_ < anzahl) {
            handle();
            if (ereignis_ % alle == 0) {
                melde();
            }
        }
        antworter_.neueAktion({.ja = true, .datei = {}});
        klicke("okende");
        melde();
        std::printf("Aktionen:");
        for (std::size_t i = 0; i < aktionen.size(); ++i) {
            std::printf(" %s %ld", aktionen[i].name, anzahl_[i]);
        }
        std::printf("\nDateidialoge: %ld, davon mit einer Datei geschlossen: %ld\n", dialoge_,
                    gewaehlteDateien_);
    }

  private:
    void melde() const {
        std::printf("Ereignis %ld: %.1f MB\n", ereignis_.load(),
                    static_cast<double>(test::speicherKiB()) / 1024.0);
        std::fflush(stdout);
    }
    // 0 to n - 1
    unsigned wuerfle(unsigned n) { return static_cast<unsigned>(zufall_() % n); }
    // Qt's real file dialog, and what it reported to the window.
    std::optional<QString> waehle(QWidget* eltern, const QString& titel, const QString& filter,
                                  const QString& vorgabe) {
        ++dialoge_;
        gewaehlt_ = zeigeDateidialog(eltern, titel, filter, vorgabe);
        gewaehlteDateien_ += gewaehlt_ ? 1 : 0;
        return gewaehlt_;
    }
    // The window's random source, kept to hand its draws to the in-memory session.
    std::unique_ptr<Zufallsquelle> ziehungFuer(unsigned saat) {
        auto quelle = std::make_unique<Mitschreibzufall>(saat);
        ziehung_ = quelle.get();
        return quelle;
    }
    void klicke(const char* name) {
        klickeWieDerSpieler(*form_.findChild<QWidget*>(QString::fromLatin1(name)));
    }
    // "Datei" must open the dialog; the in-memory session is given what it reported.
    void datei(const QString& pfad) {
        const long vorher = dialoge_;
        fuehreAus(
            {.datei = pfad}, [this] { klicke("okdatei"); },
            [this, vorher] {
                if (dialoge_ != vorher + 1) {
                    abbruch(ereignis_, QStringLiteral("\"Datei\" öffnete keinen Dialog"));
                }
                if (gewaehlt_ && !gewaehlt_->isEmpty()) {
                    abbild_.lade(QDir::toNativeSeparators(*gewaehlt_).toStdString());
                } else {
                    abbild_.ladeAbgebrochen();
                }
            });
    }
    void tippe() {
        static const QStringList texte = {QString(),
                                          QStringLiteral("0"),
                                          QStringLiteral("17"),
                                          QStringLiteral("36"),
                                          QStringLiteral("37"),
                                          QStringLiteral("-1"),
                                          QStringLiteral("3,5"),
                                          QStringLiteral(" 12.5"),
                                          QStringLiteral("abc")};
        auto* zahl = form_.findChild<QLineEdit*>(QStringLiteral("zahl"));
        const QString& text = texte[wuerfle(static_cast<unsigned>(texte.size()))];
        fuehreAus(
            {},
            [&] {
                QTest::keyClick(zahl, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(zahl, Qt::Key_Delete);
                QTest::keyClicks(zahl, text);
            },
            [&] { abbild_.tippe(text.toStdString()); });
    }
    // One action, drawn by weight unless the run makes one kind only.
    void handle() {
        std::size_t art = nur_;
        if (art >= aktionen.size()) {
            unsigned wahl = wuerfle(100);
            for (art = 0; wahl >= aktionen[art].gewicht; ++art) {
                wahl -= aktionen[art].gewicht;
            }
        }
        ++anzahl_[art];
        mache(static_cast<Aktion>(art));
    }
    void mache(Aktion aktion) {
        const bool ja = aktion != Aktion::ende && wuerfle(2) == 0;
        const Antwort antwort{.ja = ja, .datei = {}};
        switch (aktion) {
        case Aktion::wurf:
            return fuehreAus(
                antwort, [this] { klicke("okwurf"); }, [this] { abbild_.wurf(); });
        case Aktion::rotat:
            return fuehreAus(
                antwort, [this] { klicke("okstep"); }, [this] { abbild_.ganzerotation(); });
        case Aktion::zahl:
            return tippe();
        case Aktion::haken: {
            const int index = static_cast<int>(wuerfle(2));
            return fuehreAus(
                antwort, [this, index] { klicke(index == 0 ? "Check1(0)" : "Check1(1)"); },
                [this, index] { abbild_.klickeHaken(index); });
        }
        case Aktion::neu:
            return fuehreAus(
                antwort, [this] { klicke("okneu"); }, [this, ja] { abbild_.neu(ja); });
        case Aktion::ende: // answered No
            return fuehreAus(
                antwort, [this] { klicke("okende"); }, [this] { abbild_.ende(false); });
        case Aktion::abbruch:
            return datei(QString());
        case Aktion::datei:
            return datei(dateien_[wuerfle(static_cast<unsigned>(dateien_.size()))]);
        }
    }
    // Runs one action on the window, its boxes answered so, and with the window's draws on the
    // in-memory session, and checks what it left.
    template <class Aktion, class Nachbild>
    void fuehreAus(Antwort antwort, Aktion aktion, Nachbild nachbild) {
        antworter_.neueAktion(std::move(antwort));
        ++ereignis_;
        const int vorher = form_.spieltisch().sitzung().wurfzaehler;
        aktion();
        QApplication::processEvents();
        if (!form_.isVisible()) {
            abbruch(ereignis_, QStringLiteral("das Fenster ist zu"));
        }
        abbild_.vorgebenZufall(ziehung_->abgeben());
        nachbild();
        abbild_.vergiss();
        if (const QString abweichung = vergleiche(angezeigt_, form_.spieltisch(), abbild_);
            !abweichung.isEmpty()) {
            abbruch(ereignis_, abweichung);
        }
        const bool aufgenommen = form_.spieltisch().sitzung().wurfzaehler > vorher;
        const std::string fehler =
            pruefeInvarianten(form_.spieltisch(), angezeigt_, angezeigt_, aufgenommen);
        if (!fehler.empty()) {
            abbruch(ereignis_, QString::fromStdString(fehler));
        }
        if (const QString gitter = pruefeGitter(form_); !gitter.isEmpty()) {
            abbruch(ereignis_, gitter);
        }
    }

    std::atomic<long> ereignis_ = 0;
    std::size_t nur_;
    std::array<long, aktionen.size()> anzahl_{};
    std::mt19937 zufall_;
    QStringList dateien_;
    Mitschreibzufall* ziehung_ = nullptr; // owned by the window; set before it is built
    long dialoge_ = 0;                    // file dialogs shown
    long gewaehlteDateien_ = 0;           // of which closed with a file
    std::optional<QString> gewaehlt_;     // what the last one reported
    Form1 form_;
    Speichertisch abbild_; // the same actions in memory
    Angezeigt angezeigt_;
    Antworter antworter_;
    Wachhund wachhund_;
};

// What the command line asks for.
struct Lauf {
    long anzahl = 0;
    long alle = 0;
    unsigned saat = 0;
    std::size_t nur = aktionen.size(); // all kinds of action
    long bedenkzeit = 0;
};

void beschreibeOptionen(QCommandLineParser& optionen) {
    optionen.setApplicationDescription(
        QStringLiteral("Zufällige Benutzeraktionen am echten Fenster, mit Speicherverlauf."));
    optionen.addHelpOption();
    optionen.addOptions({{QStringLiteral("ereignisse"), QStringLiteral("Anzahl der Aktionen."),
                          QStringLiteral("N"), QStringLiteral("300")},
                         {QStringLiteral("alle"), QStringLiteral("Speicher alle N Aktionen."),
                          QStringLiteral("N"), QStringLiteral("500")},
                         {QStringLiteral("saat"), QStringLiteral("Saat des Zufalls."),
                          QStringLiteral("S"), QStringLiteral("1")},
                         {QStringLiteral("nur"),
                          QStringLiteral("Nur diese Aktion: wurf, rotat, zahl, haken, neu, ende, "
                                         "abbruch oder datei."),
                          QStringLiteral("AKTION")},
                         {QStringLiteral("bedenkzeit"),
                          QStringLiteral("Millisekunden, die jeder Dialog offen bleibt."),
                          QStringLiteral("MS"), QStringLiteral("20")}});
}

// The run the options describe, or nothing when one of them is not understood.
std::optional<Lauf> liesOptionen(const QCommandLineParser& optionen) {
    Lauf lauf;
    bool ok[4] = {};
    lauf.anzahl = optionen.value(QStringLiteral("ereignisse")).toLong(&ok[0]);
    lauf.alle = optionen.value(QStringLiteral("alle")).toLong(&ok[1]);
    lauf.saat = optionen.value(QStringLiteral("saat")).toUInt(&ok[2]);
    lauf.bedenkzeit = optionen.value(QStringLiteral("bedenkzeit")).toLong(&ok[3]);
    if (optionen.isSet(QStringLiteral("nur"))) {
        lauf.nur = 0;
        while (lauf.nur < aktionen.size() &&
               optionen.value(QStringLiteral("nur")) != QLatin1String(aktionen[lauf.nur].name)) {
            ++lauf.nur;
        }
        ok[0] = ok[0] && lauf.nur < aktionen.size();
    }
    const bool gueltig = ok[0] && ok[1] && ok[2] && ok[3] && lauf.anzahl >= 2 && lauf.alle >= 1 &&
                         lauf.bedenkzeit >= 0;
    return gueltig ? std::optional<Lauf>(lauf) : std::nullopt;
}

} // namespace
} // namespace quentor

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quentor::anwendungEinrichten(app);
    QCommandLineParser optionen;
    quentor::beschreibeOptionen(optionen);
    optionen.process(app);
    const std::optional<quentor::Lauf> lauf = quentor::liesOptionen(optionen);
    if (!lauf) {
        std::fprintf(stderr, "%s", qPrintable(optionen.helpText()));
        return 2;
    }
    QTemporaryDir ordner;
    std::mt19937 zufall(lauf->saat);
    const QStringList dateien = quentor::legeDateienAn(ordner, zufall);
    quentor::Dauerlauf dauerlauf(lauf->saat, lauf->bedenkzeit, lauf->nur, dateien);
    dauerlauf.zeige();
    dauerlauf.laufe(lauf->anzahl, lauf->alle);
    return 0;
}
