#pragma once
// What a screen reader reads of the window's own widgets: the window as a frame with its title,
// the display fields by their texts (anzeigelabel.h), the grid by its cells (tabellenzugang.h),
// and with Qt before 6.8 the notification that carries the window's messages (ansage_qt64.h).
// Qt's own interfaces serve the rest. The window's one factory of accessible interfaces.

namespace quentor {

// Installs the window's accessible interfaces with Qt, once; before the window is built.
void richteZugangEin();

} // namespace quentor
