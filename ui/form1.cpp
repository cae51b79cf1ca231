#include "form1.h"

#include "laden.h"
#include "steuerelemente.h"
#include "texte.h"
#include "zufall.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quentor {

Form1::Form1(std::unique_ptr<Zufallsquelle> zufall, QWidget* eltern)
    : QWidget(eltern),
      zufall_(zufall ? std::move(zufall) : std::make_unique<Mersennezufall>(saatAusUhr())),
      Dialog1(*this, kaesten_), tisch_(*this, *this, *this, *zufall_), modell_(tisch_.tabelle()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qtext(texte::fenstertitel));
    setFixedSize(pixel(fensterbreiteTwips), pixel(fensterhoeheTwips));
    QPalette farben = palette();
    farben.setColor(QPalette::Window, fensterhintergrund.farbe());
    setPalette(farben);
    setAutoFillBackground(true);
    setFont(arial(fensterschrift));

    erzeugeSteuerelemente();
    verbindeEreignisse();
    Form_Load();
}

Form1::~Form1() {
    tabelle->setModel(nullptr);
}

void Form1::erzeugeSteuerelemente() {
    for (const Steuerelement& e : steuerelemente) {
        erzeuge(e, this);
    }
    tabelle = element<Tabellenansicht>("tabelle");
    zahl = element<QLineEdit>("zahl");
    laufnummer = element<QLineEdit>("laufnummer");
    Textanzahl = element<QLineEdit>("Textanzahl");
    Label3 = element<QLabel>("Label3");
    Label7 = element<QLabel>("Label7");
    Label8 = element<QLabel>("Label8");
    Label23 = element<QLabel>("Label23");
    Check1 = {element<QCheckBox>("Check1(0)"), element<QCheckBox>("Check1(1)")};
    okwurf = element<QPushButton>("okwurf");
    okstep = element<QPushButton>("okstep");
    okneu = element<QPushButton>("okneu");
    okende = element<QPushButton>("okende");
    okdatei = element<QPushButton>("okdatei");

    tabelle->setModel(&modell_);
    QWidget* vorige = nullptr;
    for (const char* name : tabulatorfolge) {
        QWidget* naechste = element<QWidget>(name);
        if (vorige != nullptr) {
            setTabOrder(vorige, naechste);
        }
        vorige = naechste;
    }
    tabelle->setFocus();
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
    tabelleZeigen();
}

void Form1::okwurf_Click() {
    tisch_.wurf();
    tabelleZeigen();
}

void Form1::okstep_Click() {
    tisch_.ganzerotation();
    tabelleZeigen();
}

void Form1::okneu_Click() {
    if (frage(texte::neuTitel, texte::neuFrage)) {
        tisch_.neustart();
        tabelleZeigen();
    }
}

void Form1::okende_Click() {
    if (frage(texte::endeTitel, texte::endeFrage)) {
        close();
    }
}

void Form1::okdatei_Click() {
    laden(tisch_.sitzung(), *this, Dialog1, *this);
}

// Either box applies both; the index is not needed.
void Form1::Check1_Click(int /*index*/) {
    tisch_.optionen();
    tabelleZeigen();
}

void Form1::zahl_Change() {
    QPalette farben = zahl->palette();
    farben.setColor(QPalette::Text, Qt::black);
    zahl->setPalette(farben);
    if (!zahl->text().isEmpty()) {
        okwurf->setEnabled(true);
    }
}

void Form1::tabelleZeigen() {
    modell_.aktualisiere();
}

bool Form1::frage(std::string_view titel, std::string_view text) {
    return kaesten_.frage(this, qtext(titel), qtext(text));
}

QWidget* Form1::anzeigeelement(Feld feld) const {
    switch (feld) {
    case Feld::zahl:
        return zahl;
    case Feld::laufnummer:
        return laufnummer;
    case Feld::Textanzahl:
        return Textanzahl;
    case Feld::Label3:
        return Label3;
    case Feld::Label7:
        return Label7;
    case Feld::Label8:
        return Label8;
    case Feld::Label23:
        return Label23;
    }
    return nullptr;
}

template <class T> T* Form1::element(const char* name) const {
    T* gefunden = findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(gefunden != nullptr);
    return gefunden;
}

void Form1::setzeText(Feld feld, std::string_view text) {
    QWidget* ziel = anzeigeelement(feld);
    const QString inhalt = qtext(text);
    if (auto* box = qobject_cast<QLineEdit*>(ziel)) {
        box->setText(inhalt);
        return;
    }
    // A label's accessible name is its role, and a named label reports no value: what it shows
    // goes to its description.
    auto* label = qobject_cast<QLabel*>(ziel);
    label->setText(inhalt);
    label->setAccessibleDescription(inhalt);
}

std::string Form1::text(Feld feld) const {
    const QWidget* quelle = anzeigeelement(feld);
    if (const auto* box = qobject_cast<const QLineEdit*>(quelle)) {
        return box->text().toStdString();
    }
    return qobject_cast<const QLabel*>(quelle)->text().toStdString();
}

// Paints at once, before the running event ends. With Label3, the last repaint of a spin, the
// grid shows the recoloured table too.
void Form1::neuZeichnen(Feld feld) {
    if (feld == Feld::Label3) {
        modell_.aktualisiere();
        tabelle->viewport()->repaint();
    }
    anzeigeelement(feld)->repaint();
}

int Form1::haken(int index) const {
    return Check1.at(static_cast<std::size_t>(index))->isChecked() ? 1 : 0;
}

void Form1::warnung(std::string_view titel, std::string_view text) {
    kaesten_.warnung(this, qtext(titel), qtext(text));
}

} // namespace quentor
