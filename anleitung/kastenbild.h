#pragma once
// A modal box drawn over the window's picture, as the player sees it.

#include <QImage>

class QWidget;

namespace quentor::anleitung {

// The box centred over `fenster`, with a plain title bar holding its title: offscreen no window
// manager draws one, and the title is part of what the box says.
QImage ueberDemFenster(QImage fenster, QWidget& kasten);

} // namespace quentor::anleitung
