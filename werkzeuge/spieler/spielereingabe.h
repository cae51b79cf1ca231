#pragma once
// Clicks and keys as the window system delivers a player's: to the widget's window, where Qt
// hands them to whatever lies over the widget first (an open popup list, a modal box). QTest's
// widget overloads give the event to the widget itself and so pass by what would have taken it.

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace quentor::test {

// A point of `widget` (its centre when none is given) in its window's coordinates.
inline QPoint imFenster(const QWidget& widget, QPoint stelle = {}) {
    const QPoint punkt = stelle.isNull() ? widget.rect().center() : stelle;
    return widget.window()->mapFromGlobal(widget.mapToGlobal(punkt));
}

inline void klickeWieDerSpieler(const QWidget& widget, QPoint stelle = {}) {
    QTest::mouseClick(widget.window()->windowHandle(), Qt::LeftButton, {},
                      imFenster(widget, stelle));
}

inline void doppelklickeWieDerSpieler(const QWidget& widget, QPoint stelle = {}) {
    QTest::mouseDClick(widget.window()->windowHandle(), Qt::LeftButton, {},
                       imFenster(widget, stelle));
}

// A key pressed while `fenster`'s window is the active one.
inline void drueckeWieDerSpieler(const QWidget& fenster, Qt::Key taste) {
    QTest::keyClick(fenster.window()->windowHandle(), taste);
}

} // namespace quentor::test
