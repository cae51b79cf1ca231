#pragma once
// What the program sets up once for the whole application, before it opens Form1.

class QApplication;
class QTranslator;

namespace quentor {

// The whole interface in German, whatever the system's locale: Qt's German catalogue (qtbase_de)
// for the toolkit's dialogs, boxes and menus, from Qt's translations folder or from a
// "translations" folder beside the program, and the German locale as the default. Also the
// application ID as the desktop file name (so that a Wayland compositor finds the desktop entry
// and its icon), the window icon, and Qt's Fusion style, so that the window looks the same
// everywhere. Returns the installed catalogue (owned by `app`), or nullptr when none was found:
// the program then still runs, and its own question and message boxes name their buttons in
// German themselves.
QTranslator* anwendungEinrichten(QApplication& app);

} // namespace quentor
