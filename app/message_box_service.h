// The program's message box, as each toolkit shows it.
//
// Every box of the program is the same kind: the stop icon, one OK button,
// a caption and a text in Windows-1252 (lines broken by CR LF). It is modal:
// while it shows, its own loop dispatches the program's events (painting
// among them) but every other window of the program takes no input; the
// call returns once the user has dismissed it (OK, Return, Escape or the
// close box).
#pragma once

#include <string_view>

namespace anod {

// Whose box it is: the failure report's box belongs to the application (on
// Win32, owned by the program's window active when it opens, so that it
// stays above that window); the last-resort report's has no owner and is
// modal for the whole task.
enum class BoxOwner { kApplication, kNone };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual void ShowStop(std::string_view caption, std::string_view text, BoxOwner owner) = 0;
};

}  // namespace anod
