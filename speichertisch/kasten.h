#pragma once
// What the in-memory window records of what it showed: each modal box, and the name under which a
// repaint of the grid is recorded beside the display fields'.

#include <string>
#include <string_view>

namespace quentor {

// The modal boxes the core shows: a question (Fragen), a message (Meldungen), the file-open
// dialog (Dateidialog).
enum class Kastenart { frage, warnung, dateidialog };

// One modal box as it was shown.
struct Kasten {
    Kastenart art;
    std::string titel;
    std::string text; // the message or question, or the file dialog's filter
};

// The grid that shows the table, named as the window names it.
inline constexpr std::string_view tabellenname = "tabelle";

} // namespace quentor
