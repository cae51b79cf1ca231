#pragma once
// The window's modal boxes and its file dialog `Dialog1`. Each box is a replaceable function so
// that tests can answer it without blocking; the defaults show Qt's real boxes.

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace quentor {

// A question with a question icon and the buttons Yes and No; Yes is the default (Enter) and
// Escape answers No. True only for Yes.
bool zeigeFrage(QWidget* eltern, const QString& titel, const QString& text);
// A message with a warning icon and an OK button; returns once it is closed.
void zeigeWarnung(QWidget* eltern, const QString& titel, const QString& text);
// The file-open dialog `Dialog1` of the window `eltern` (not null), with a title and a Qt name
// filter, opened on `vorgabe` when it is not empty. The chosen file's full path, or nothing when
// cancelled. The same dialog serves every call for that window, so it opens where it was left.
std::optional<QString> zeigeDateidialog(QWidget* eltern, const QString& titel,
                                        const QString& filter, const QString& vorgabe);

struct Kaesten {
    std::function<bool(QWidget*, const QString&, const QString&)> frage = zeigeFrage;
    std::function<void(QWidget*, const QString&, const QString&)> warnung = zeigeWarnung;
    std::function<std::optional<QString>(QWidget*, const QString&, const QString&, const QString&)>
        dateidialog = zeigeDateidialog;
};

// A filter of "description|pattern" pairs ("Dateien (*.txt)|*.txt") in Qt's form, one entry per
// pair joined by ";;" ("Dateien (*.txt)"). A description that does not end in its patterns in
// parentheses gets them appended; several patterns ("*.a;*.b") are separated by blanks.
QString qtFilter(std::string_view filter);

} // namespace quentor
