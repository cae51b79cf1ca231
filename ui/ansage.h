#pragma once
// Tells a screen reader a message about the window: it moves no focus and changes nothing on the
// screen. With Qt 6.8 and later Qt's own announcement, marked polite (to be said after what the
// reader is saying); before 6.8 a notification (ansage_qt64.h).

#include <QString>

class QWidget;

namespace quentor {

// Sends `text` as a message of `fenster`, at once, only while an assistive technology listens.
void sageAn(QWidget& fenster, const QString& text);

} // namespace quentor
