#pragma once
// The real window under test: spins of chosen numbers, every question, message and file dialog
// answered by the test and recorded, controls found by their object names.

#include "form1.h"
#include "kasten.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class QTemporaryDir;
class QTranslator;

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace quentor::uitest {

// Qt's German catalogue as the program installed it at start; null when it was not found.
extern QTranslator* katalog;

// Draws the given numbers in turn, over and over.
class Folge : public Zufallsquelle {
  public:
    explicit Folge(std::vector<int> zahlen) : zahlen_(std::move(zahlen)) {}
    float naechste() override;

  private:
    std::vector<int> zahlen_;
    std::size_t naechste_ = 0;
};

// 0, 1, ..., 36
std::vector<int> alleZahlen();

class Testform {
  public:
    explicit Testform(std::vector<int> zahlen = alleZahlen());
    Testform(const Testform&) = delete;
    Testform& operator=(const Testform&) = delete;

    // Shows the window and waits until it is exposed and active.
    void zeige();
    // Qt's real message boxes and file dialog, or again those that record and answer as below.
    void echteKaesten() { kaesten = Kaesten{}; }
    void aufzeichnendeKaesten() { kaesten = aufzeichnend_; }

    template <class T = QWidget> T* element(const char* name) const {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    void klicke(const char* name) const;
    // The text a text box, label or button shows.
    QString text(const char* name) const;
    QString zellentext(int zeile, int spalte) const;
    QColor zellenfarbe(int zeile, int spalte) const;

    Kaesten kaesten; // what the window shows its boxes with; a test may replace any of them
    Form1 form;
    std::vector<Kasten> gezeigteKaesten; // every box shown, in order
    std::deque<bool> antworten;          // next questions: true = Yes; none left: No
    std::deque<QString> dateiwahl;       // next file dialogs; empty or none left: cancel
    std::vector<QString> vorgaben;       // the name each file dialog opened on

  private:
    Kaesten aufzeichnend_;
};

// Runs `antwort` on the next modal box once it is shown, from inside its event loop. A box still
// open two seconds after the answer fails the test and is closed.
void beantworteNaechstenKasten(std::function<void(QWidget*)> antwort);
// Sends a key to the box's focus widget (the box itself when the focus is elsewhere).
void drueckeTaste(QWidget* kasten, Qt::Key taste);

// Names a table row's test after the row's `name`.
struct NachName {
    template <class Zeile>
    std::string operator()(const testing::TestParamInfo<Zeile>& zeile) const {
        return zeile.param.name;
    }
};

// A file with the given contents in `ordner`; returns its full path.
QString schreibeDatei(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt);

} // namespace quentor::uitest
