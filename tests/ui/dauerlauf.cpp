// quentor_dauerlauf: the real window through a long evening. Random user actions (spins, whole
// rotations, numbers typed into the number box, option clicks, "Neu" and "Ende" answered Yes or No,
// and "Datei" with a good, a rejected, a missing or an unreadable file typed into Qt's own file
// dialog, or cancelled) are made on the window with Qt's real dialogs and boxes, answered the way
// a user answers them. After every action the session's invariants are checked against what the
// window shows, and the window must have answered within a few seconds. Resident memory is printed
// at the start, every --alle actions and at the end. The run begins with a file accepted and a
// dialog cancelled, and ends with "Ende" answered Yes.
// Exit status 0 when everything held, 1 at the first fault, 2 on a usage error.

#include "anwendung.h"
#include "form1.h"
#include "invarianten.h"
#include "plattform.h"
#include "umrechnung.h"
#include "zufall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
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

namespace quentor {
namespace {

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
// typed, or Qt's own box said the file does not exist) is cancelled.
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
            // Its first answer, or still open after it: a file dialog is then cancelled.
            beantwortetAm_ = seit_.elapsed();
            beantworte(kasten);
        }
    }
    void beantworte(QWidget* kasten) {
        if (auto* dialog = qobject_cast<QFileDialog*>(kasten)) {
            beantworte(dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(kasten)) {
            const bool frage = box->button(QMessageBox::Yes) != nullptr;
            box->button(!frage        ? QMessageBox::Ok
                        : naechste.ja ? QMessageBox::Yes
                                      : QMessageBox::No)
                ->click();
        } else {
            abbruch(ereignis_, QStringLiteral("ein unbekannter Dialog: ") + kasten->windowTitle());
        }
    }
    void beantworte(QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (dialog == beantwortet_ || naechste.datei.isEmpty() || name == nullptr) {
            dialog->reject();
            return;
        }
        beantwortet_ = dialog;
        name->setText(naechste.datei);
        // Pressed after this tick: the dialog may open a box of its own (a file that does not
        // exist), whose event loop must see the next ticks.
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
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
          form_(std::make_unique<Mersennezufall>(saat)), angezeigt_(form_), antworter_(ereignis_),
          wachhund_(ereignis_) {
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
        antworter_.naechste.ja = true;
        klicke("okende");
        melde();
        std::printf("Aktionen:");
        for (std::size_t i = 0; i < aktionen.size(); ++i) {
            std::printf(" %s %ld", aktionen[i].name, anzahl_[i]);
        }
        std::printf("\n");
    }

  private:
    void melde() const {
        std::printf("Ereignis %ld: %.1f MB\n", ereignis_.load(),
                    static_cast<double>(test::speicherKiB()) / 1024.0);
        std::fflush(stdout);
    }
    // 0 to n - 1
    unsigned wuerfle(unsigned n) { return static_cast<unsigned>(zufall_() % n); }
    void klicke(const char* name) {
        QWidget* w = form_.findChild<QWidget*>(QString::fromLatin1(name));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void datei(const QString& pfad) {
        antworter_.naechste.datei = pfad;
        fuehreAus([this] { klicke("okdatei"); });
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
        fuehreAus([&] {
            QTest::keyClick(zahl, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(zahl, Qt::Key_Delete);
            QTest::keyClicks(zahl, text);
        });
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
        antworter_.naechste.ja = aktion != Aktion::ende && wuerfle(2) == 0;
        switch (aktion) {
        case Aktion::wurf:
            return fuehreAus([this] { klicke("okwurf"); });
        case Aktion::rotat:
            return fuehreAus([this] { klicke("okstep"); });
        case Aktion::zahl:
            return tippe();
        case Aktion::haken:
            return fuehreAus([this] { klicke(wuerfle(2) ? "Check1(0)" : "Check1(1)"); });
        case Aktion::neu:
            return fuehreAus([this] { klicke("okneu"); });
        case Aktion::ende: // answered No
            return fuehreAus([this] { klicke("okende"); });
        case Aktion::abbruch:
            return datei(QString());
        case Aktion::datei:
            return datei(dateien_[wuerfle(static_cast<unsigned>(dateien_.size()))]);
        }
    }
    // Runs one action and checks what it left.
    template <class Aktion> void fuehreAus(Aktion aktion) {
        ++ereignis_;
        const int vorher = form_.spieltisch().sitzung().wurfzaehler;
        aktion();
        QApplication::processEvents();
        if (!form_.isVisible()) {
            abbruch(ereignis_, QStringLiteral("das Fenster ist zu"));
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
    Form1 form_;
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
