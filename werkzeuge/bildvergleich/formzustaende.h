#pragma once
// The window drawn in the states a user sees, under a desktop's palette, for the picture checks.

#include <QPalette>
#include <QString>

namespace quentor::bild {

// Whether a desktop palette is a dark one: light text on a dark window.
bool istDunkel(const QPalette& palette);

// Sets the application palette called `name` ("kde-dunkel", "kontrast", "eigen"; empty: leaves
// the desktop's), opens Form1 and saves its pictures in `ordner`: start.png right after the start,
// eingaben.png after values typed into the three text boxes and the first option box ticked.
// Returns 0, or 2 with a message when a name is unknown or a picture cannot be drawn or saved.
int zeichneZustaende(const QString& ordner, const QString& name);

} // namespace quentor::bild
