// What the failure report asks of the toolkit's windows.
//
// A failure reaches the report inside the dispatch of one event. Before the
// box opens, a press in progress must be cancelled (the window holding the
// mouse grab lets it go, as WM_CANCELMODE does); around the box, the window
// that was active and the control that held the keyboard focus are put back
// afterwards; and a failure caught where no box may open (in the middle of
// a paint) is reported once the current event is done.
#pragma once

#include <functional>
#include <memory>

namespace anod {

// The toolkit's own handle of the object an event was for (a QObject* on
// Qt, an HWND on Win32). The report only passes it on to the failure hook.
using EventSender = void*;

// The active window and focused control as they were when saved; Restore
// makes that window active again and gives the control back its focus,
// when they still exist and are shown.
class SavedActivation {
 public:
  virtual ~SavedActivation() = default;
  virtual void Restore() = 0;
};

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Releases the mouse grab, if any window of the program holds it.
  virtual void CancelMouseGrab() = 0;

  virtual std::unique_ptr<SavedActivation> SaveActivation() = 0;

  // Runs `task` from the event loop once the current event is done. The
  // task receives `sender`, or null when that object was destroyed meanwhile.
  virtual void PostAfterEvent(EventSender sender, std::function<void(EventSender sender)> task) = 0;
};

}  // namespace anod
