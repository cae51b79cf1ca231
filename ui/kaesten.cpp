#include "kaesten.h"

#include "umrechnung.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
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

namespace {

// The file name box lists its completions in a popup window of its own. Qt 6.4 hides that list
// when the box loses the focus, but not when the box is hidden (Qt 6.8 does), and a dialog that
// closes on Enter still has the focus: a dialog deleted on closing took the list along, a kept one
// would leave it over the window, where it would take the player's next click only to close
// itself. So the list closes with the dialog.
void schliesseVervollstaendigung(const QFileDialog& dialog) {
    for (QCompleter* vervollstaendigung : dialog.findChildren<QCompleter*>()) {
        vervollstaendigung->popup()->hide();
    }
}

// The window's one file dialog, built when it is first opened and kept as the window's child
// until the window closes, as a file dialog control of the window would be. A dialog built anew
// for every "Datei" would make its icons anew too, and every picture Qt draws of a new icon is
// kept in Qt's pixmap cache under a new key: the memory of a long session would grow with every
// use of the dialog until that cache is full.
QFileDialog& dialogVon(QWidget& eltern) {
    const auto name = QStringLiteral("Dialog1");
    if (auto* dialog = eltern.findChild<QFileDialog*>(name, Qt::FindDirectChildrenOnly)) {
        return *dialog;
    }
    auto* dialog = new QFileDialog(&eltern);
    dialog->setObjectName(name);
    // Qt's own dialog speaks German through Qt's catalogue; a desktop's native one would follow
    // the system's language instead.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog] { schliesseVervollstaendigung(*dialog); });
    return *dialog;
}

} // namespace

std::optional<QString> zeigeDateidialog(QWidget* eltern, const QString& titel,
                                        const QString& filter, const QString& vorgabe) {
    QFileDialog& dialog = dialogVon(*eltern);
    dialog.setWindowTitle(titel);
    dialog.setNameFilter(filter);
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

} // namespace quentor
