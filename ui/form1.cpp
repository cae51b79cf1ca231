#include "form1.h"

#include "ansage.h"
#include "hellepalette.h"
#include "steuerelemente.h"
#include "texte.h"
#include "umrechnung.h"
#include "zufall.h"
#include "zugang.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quentor {

namespace {

// The Qt class that each kind of control is made as (steuerelemente.cpp).
template <Steuerart art> struct Klasse;
template <> struct Klasse<Steuerart::textfeld> { using Typ = QLineEdit; };
template <> struct Klasse<Steuerart::beschriftung> { using Typ = QLabel; };
template <> struct Klasse<Steuerart::knopf> { using Typ = QPushButton; };
template <> struct Klasse<Steuerart::haken> { using Typ = QCheckBox; };
template <> struct Klasse<Steuerart::gitter> { using Typ = Tabellenansicht; };

// The control of an element or display field, as the class of its kind. The kind is chosen at
// compile time from artVon(), against which the control table is checked when it is compiled, so
// the window cannot take a control as another class.
template <Element element> auto* steuerelement(const Erzeugt& erzeugt) {
    using Typ = typename Klasse<artVon(element)>::Typ;
    return static_cast<Typ*>(erzeugt.elemente[static_cast<std::size_t>(element)]);
}
template <Feld feld> auto* steuerelement(const Erzeugt& erzeugt) {
    using Typ = typename Klasse<artVon(feld)>::Typ;
    return static_cast<Typ*>(erzeugt.felder[index(feld)]);
}

bool istTextfeld(Feld feld) {
    return artVon(feld) == Steuerart::textfeld;
}

} // namespace

Form1::Form1(std::unique_ptr<Zufallsquelle> zufall, Kaesten kaesten, QWidget* eltern)
    : QWidget(eltern),
      zufall_(zufall ? std::move(zufall) : std::make_unique<Mersennezufall>(saatAusUhr())),
      kaesten_(std::move(kaesten)),
      tisch_(Umgebung{*this, *this, *this, *this, *this, *zufall_, leser_}),
      modell_(tisch_.tabelle()) {
    // Before the title: Qt 6.8 makes the window's accessible interface when the title is set,
    // and keeps it.
    richteZugangEin();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qtext(texte::formtitel));
    setFixedSize(pixel(formbreiteTwips), pixel(formhoeheTwips));
    QPalette farben = hellePalette();
    farben.setColor(QPalette::Window, qfarbe(hellgrau));
    setPalette(farben);
    setAutoFillBackground(true);
    setFont(arial(formschrift));

    erzeugeSteuerelemente();
    verbindeEreignisse();
    Form_Load();
}

// The grid, a child widget, outlives the model (a member): it lets go of the model first.
Form1::~Form1() {
    tabelle->setModel(nullptr);
}

void Form1::erzeugeSteuerelemente() {
    const Erzeugt erzeugt = quentor::erzeugeSteuerelemente(this);
    anzeigen_ = erzeugt.felder;
    zahl = steuerelement<Feld::zahl>(erzeugt);
    tabelle = steuerelement<Element::tabelle>(erzeugt);
    Check1 = {steuerelement<Element::Check1_0>(erzeugt), steuerelement<Element::Check1_1>(erzeugt)};
    okwurf = steuerelement<Element::okwurf>(erzeugt);
    okstep = steuerelement<Element::okstep>(erzeugt);
    okneu = steuerelement<Element::okneu>(erzeugt);
    okende = steuerelement<Element::okende>(erzeugt);
    okdatei = steuerelement<Element::okdatei>(erzeugt);

    tabelle->setModel(&modell_);
    for (std::size_t i = 1; i < erzeugt.tabulatorfolge.size(); ++i) {
        setTabOrder(erzeugt.tabulatorfolge[i - 1], erzeugt.tabulatorfolge[i]);
    }
    erzeugt.tabulatorfolge.front()->setFocus();
}

std::vector<QWidget*> Form1::anzeigenUndTabelle() const {
    std::vector<QWidget*> elemente(anzeigen_.begin(), anzeigen_.end());
    elemente.push_back(tabelle);
    return elemente;
}

void Form1::verbindeEreignisse() {
    connect(okwurf, &QPushButton::clicked, this, &Form1::okwurf_Click);
    connect(okstep, &QPushButton::clicked, this, &Form1::okstep_Click);
    connect(okneu, &QPushButton::clicked, this, &Form1::okneu_Click);
    connect(okende, &QPushButton::clicked, this, &Form1::okende_Click);
    connect(okdatei, &QPushButton::clicked, this, &Form1::okdatei_Click);
    // One click event for the indexed pair. (A QButtonGroup would make the two boxes a single
    // tab stop.)
    for (int index = 0; index < static_cast<int>(Check1.size()); ++index) {
        connect(Check1[static_cast<std::size_t>(index)], &QCheckBox::clicked, this,
                [this, index] { Check1_Click(index); });
    }
    connect(zahl, &QLineEdit::textChanged, this, &Form1::zahl_Change);
}

void Form1::Form_Load() {
    tisch_.start();
    tabelle->uebernimmMasse(tisch_.tabelle());
}

void Form1::okwurf_Click() {
    tisch_.wurf();
}

void Form1::okstep_Click() {
    pause_.emplace(*this, anzeigenUndTabelle());
    tisch_.ganzerotation();
    pause_.reset();
}

void Form1::okneu_Click() {
    tisch_.neuanfang();
}

void Form1::okende_Click() {
    if (tisch_.beenden()) {
        close();
    }
}

void Form1::okdatei_Click() {
    tisch_.laden();
}

// Either box applies both; the index is not needed.
void Form1::Check1_Click(int /*index*/) {
    tisch_.optionen();
}

void Form1::zahl_Change() {
    QPalette farben = zahl->palette();
    farben.setColor(QPalette::Text, Qt::black);
    zahl->setPalette(farben);
    if (!zahl->text().isEmpty()) {
        okwurf->setEnabled(true);
    }
}

void Form1::setzeText(Feld feld, std::string_view text) {
    QWidget* ziel = anzeigen_[index(feld)];
    if (istTextfeld(feld)) {
        static_cast<QLineEdit*>(ziel)->setText(qtext(text));
    } else {
        static_cast<QLabel*>(ziel)->setText(qtext(text));
    }
}

std::string Form1::text(Feld feld) const {
    const QWidget* quelle = anzeigen_[index(feld)];
    const QString inhalt = istTextfeld(feld) ? static_cast<const QLineEdit*>(quelle)->text()
                                             : static_cast<const QLabel*>(quelle)->text();
    return inhalt.toStdString();
}

// Paints at once, before the running event ends.
void Form1::neuZeichnen(Feld feld) {
    anzeigen_[index(feld)]->repaint();
}

void Form1::tabelleGeaendert() {
    modell_.aktualisiere();
    tabelle->viewport()->repaint();
}

void Form1::ansagen(std::string_view text) {
    if (pause_) {
        pause_->sageAmEnde(qtext(text));
    } else {
        sageAn(*this, qtext(text));
    }
}

int Form1::haken(int index) const {
    return Check1.at(static_cast<std::size_t>(index))->isChecked() ? 1 : 0;
}

void Form1::warnung(std::string_view titel, std::string_view text) {
    kaesten_.warnung(this, qtext(titel), qtext(text));
}

bool Form1::frage(std::string_view titel, std::string_view text) {
    return kaesten_.frage(this, qtext(titel), qtext(text));
}

// The file dialog `Dialog1`, opened on the file chosen last; the chosen file's path in UTF-8 with
// the system's separators.
std::optional<std::string> Form1::oeffnen(std::string_view titel, std::string_view filter,
                                          const std::string& vorgabe) {
    const QString zuletzt = QDir::fromNativeSeparators(qtext(vorgabe));
    const auto wahl = kaesten_.dateidialog(this, qtext(titel), qtFilter(filter), zuletzt);
    if (!wahl || wahl->isEmpty()) {
        return std::nullopt; // an empty path chooses nothing
    }
    // UTF-8 on every system (the reader opens it as such), with the system's separators.
    return QDir::toNativeSeparators(*wahl).toStdString();
}

} // namespace quentor
