#pragma once
// The one palette of the window's own controls, whatever the desktop's theme or system colours.

#include <QPalette>

namespace quentor {

// The light palette that Qt's Fusion style gives without a desktop: black text on light faces,
// white text boxes and check boxes. The window's backgrounds are fixed light colours and several
// controls draw their text in the palette's text colours; under a dark or high-contrast desktop
// palette that text would turn near-white on light grey. Every role of every colour group is set,
// so nothing is taken from the desktop's palette, not even when it changes while the program runs.
// Qt's dialogs and message boxes are windows of their own and keep following the desktop.
QPalette hellePalette();

} // namespace quentor
