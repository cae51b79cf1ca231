#pragma once
// A label that shows a display field. A screen reader hears exactly what it shows: its accessible
// name is its text (empty while it shows nothing), never the caption beside it, which stays
// linked to it as its label; what the value means is its accessible description.

#include <QLabel>

class QAccessibleInterface;

namespace quentor {

class Anzeigelabel : public QLabel {
  public:
    explicit Anzeigelabel(QWidget* eltern);
};

// Its accessible interface (installed by richteZugangEin(), zugang.h).
QAccessibleInterface* anzeigezugang(Anzeigelabel* label);

} // namespace quentor
