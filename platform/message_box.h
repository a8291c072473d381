// A message for a user who has no console: a GUI-subsystem program started
// from the desktop has nowhere else to say it.
#pragma once
#include <string>

namespace platform {

// Windows: a modal message box with an OK button. Natively the text goes to
// standard error, when there is one.
void ShowMessageBox(const std::u16string& title, const std::u16string& text);

}  // namespace platform
