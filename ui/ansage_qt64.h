#pragma once
// Qt before 6.8 (Debian 12's 6.4) has no announcement: there the message to a screen reader is a
// notification that says it appeared, which Orca 43 speaks at once (ansage.h). This file pair
// implements sageAn() for it instead of ansage.cpp; when Debian 12 is no longer built, delete it,
// its branch in ui/CMakeLists.txt and its lines in zugang.cpp.

class QAccessibleInterface;
class QObject;

namespace quentor {

// The accessible interface of the notification and of the status bar that holds it; nothing for
// any other object (for the window's one factory, zugang.cpp).
QAccessibleInterface* meldungszugang(QObject* objekt);

} // namespace quentor
