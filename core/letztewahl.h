#pragma once
// What a file dialog reports: the name just chosen, or, when the user cancelled, the name it
// reported last (empty while none was ever chosen). A cancel thus reloads the same file, and the
// replay goes on where it was. Shared by the Qt window's dialog and the in-memory one.

#include <optional>

namespace quentor {

template <class Text> class LetzteWahl {
  public:
    // `wahl`: the name chosen, or nothing when the dialog was cancelled.
    const Text& nach(const std::optional<Text>& wahl) {
        if (wahl) {
            name_ = *wahl;
        }
        return name_;
    }
    const Text& name() const { return name_; }

  private:
    Text name_;
};

} // namespace quentor
