// The program's message box: modal, with the stop icon and one OK button.
//
// Texts are Windows-1252 like every text of the program; the box converts
// them for display. It returns when the user has dismissed the box (OK,
// Return, Escape or the close box). While it is open its own event loop
// dispatches the program's events (painting among them), and input to every
// other window of the program is blocked.
//
// Tests answer the box themselves: QApplication::activeModalWidget() is the
// box while it shows, a QMessageBox named kStopMessageBoxName.
#pragma once

#include <string_view>

namespace anod {

inline constexpr const char* kStopMessageBoxName = "anodStopMessageBox";

void ShowStopMessageBox(std::string_view caption, std::string_view text);

}  // namespace anod
