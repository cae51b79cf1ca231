#pragma once
// The real window for the guide's pictures: opened with fixed random draws, clicked as a player
// clicks it, and drawn, alone or with the box it has just opened over it.

#include "form1.h"
#include "vorgaben.h"

#include <QImage>
#include <QString>

#include <optional>

namespace quentor::anleitung {

class Szene {
  public:
    Szene();
    Szene(const Szene&) = delete;
    Szene& operator=(const Szene&) = delete;

    // Shows the window and waits until it is exposed and active; false when it never is.
    bool zeige();
    // A click on the control of that object name, where the player's mouse would give it.
    void klicke(const char* name);
    void klicke(const char* name, int mal);
    // The file the next "Datei" picks (a path relative to the working folder).
    void waehle(const QString& datei) { wahl_ = datei; }

    // The window as drawn now.
    QImage bild();
    // Clicks `name`, draws the modal box it opens over the window and closes the box with its
    // escape button ("Nein", or "OK"); a null image when no box came.
    QImage bildMitKasten(const char* name);

    const Form1& form() const { return form_; }

  private:
    std::optional<QString> wahl_;
    Form1 form_;
};

// The numbers the random draws of every scene begin with (then a generator with a fixed seed).
inline constexpr int ersteZahlen[] = {17, 5, 32, 5, 26};

} // namespace quentor::anleitung
