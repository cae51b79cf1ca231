#include "kaesten.h"

#include "umrechnung.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include <utility>

namespace quentor {

namespace {

// The buttons are named here, not only by Qt's catalogue, so that they are German even where the
// catalogue is missing.
void benenneKnoepfe(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, QString> namen[] = {
        {QMessageBox::Yes, QStringLiteral("&Ja")},
        {QMessageBox::No, QStringLiteral("&Nein")},
        {QMessageBox::Ok, QStringLiteral("OK")}};
    for (const auto& [knopf, name] : namen) {
        if (QAbstractButton* b = box.button(knopf)) {
            b->setText(name);
        }
    }
}

} // namespace

bool zeigeFrage(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::Yes | QMessageBox::No, eltern);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    benenneKnoepfe(box);
    return box.exec() == QMessageBox::Yes;
}

void zeigeWarnung(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox box(QMessageBox::Warning, titel, text, QMessageBox::Ok, eltern);
    benenneKnoepfe(box);
    box.exec();
}

std::optional<QString> zeigeDateidialog(QWidget* eltern, const QString& titel,
                                        const QString& filter, const QString& vorgabe) {
    QFileDialog dialog(eltern, titel, QString(), filter);
    // Qt's own dialog speaks German through Qt's catalogue; a desktop's native one would follow
    // the system's language instead.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!vorgabe.isEmpty()) {
        dialog.selectFile(vorgabe);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

QString qtFilter(std::string_view filter) {
    const QStringList teile = qtext(filter).split(QLatin1Char('|'));
    QStringList eintraege;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        QStringList muster = teile[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& m : muster) {
            m = m.trimmed();
        }
        const QString klammer = QLatin1Char('(') + muster.join(QLatin1Char(' ')) + QLatin1Char(')');
        const QString& beschreibung = teile[i];
        if (beschreibung.endsWith(klammer)) {
            eintraege << beschreibung;
        } else if (beschreibung.isEmpty()) {
            eintraege << klammer;
        } else {
            eintraege << beschreibung + QLatin1Char(' ') + klammer;
        }
    }
    return eintraege.join(QStringLiteral(";;"));
}

std::string Dateiauswahl::oeffnen(std::string_view titel, std::string_view filter) {
    auto wahl = kaesten_.dateidialog(&eltern_, qtext(titel), qtFilter(filter), dateiname_.name());
    if (wahl && wahl->isEmpty()) {
        wahl.reset(); // an empty path chooses nothing
    }
    // UTF-8 on every system (the reader opens it as such), with the system's separators.
    return QDir::toNativeSeparators(dateiname_.nach(wahl)).toStdString();
}

} // namespace quentor
