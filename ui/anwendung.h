#pragma once
// What the program sets up once for the whole application, before it opens Form1.

class QApplication;
class QCoreApplication;
class QTranslator;

namespace quentor {

// German (deutschEinrichten), the application ID as the desktop file name (so that a Wayland
// compositor finds the desktop entry and its icon) and the window icon. Returns what
// deutschEinrichten returns.
QTranslator* anwendungEinrichten(QApplication& app);

// The whole interface in German, whatever the system's locale: Qt's own German catalogue for the
// toolkit's dialogs, boxes and menus, and the German locale as the default.

// Installs Qt's German catalogue (qtbase_de) from Qt's translations folder, or from a
// "translations" folder beside the program, and makes German the default locale. Returns the
// installed catalogue (owned by `app`), or nullptr when none was found: the program then still
// runs, and its own question and message boxes name their buttons in German themselves.
QTranslator* deutschEinrichten(QCoreApplication& app);

} // namespace quentor
