// What happens to a failure that escapes the handling of an event, over the
// toolkit's message box and windows.
//
// Every event's dispatch ends in one catch (the toolkit's, around its
// handlers and its loop) which hands what it caught to Report. Nothing is
// rolled back and nothing is logged: captions a calculation wrote before
// its failing step keep their new text, and the loop goes on with the next
// event.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "core/failures.h"
#include "app/message_box_service.h"
#include "app/window_services.h"

namespace anod {

// Called instead of the message box for a failure, when installed. The
// program installs none; embedders and tests may.
using FailureHook = std::function<void(EventSender sender, const Exception& failure)>;

class FailureReporter {
 public:
  // `title` (Windows-1252) captions the failure boxes. The services outlive
  // the reporter.
  FailureReporter(std::string title, MessageBoxService& boxes, WindowServices& windows);

  const std::string& Title() const { return title_; }
  const FailureHook& Hook() const { return hook_; }
  void SetHook(FailureHook hook) { hook_ = std::move(hook); }

  // Reports `thrown`, which escaped the handling of an event for `sender`:
  //   1. the mouse grab is cancelled (a press in progress ends);
  //   2. a processor failure puts DefaultControlWord back;
  //   3. then by RouteFailure (failure_route.h): dropped, the hook, the
  //      failure box, or the last-resort report.
  // Returns when the box, if any, has been dismissed.
  void Report(EventSender sender, std::exception_ptr thrown);

  // For a failure caught where no box may open (in the middle of a paint):
  // steps 1 and 2 and the drop of EAbort at once; the hook or the box once
  // the current event is done, with a copy carrying the message.
  void ReportAfterEvent(EventSender sender, const Exception& failure);

  // The failure box: the message with the final "." rule applied
  // ("Débordement en virgule flottante" shows as "Débordement en virgule
  // flottante."), captioned with the title; afterwards the previously
  // active window is active again, the focus where it was.
  void ShowFailureMessage(const Exception& failure);

  // The last-resort report for `thrown`, which is not a failure or escaped
  // outside the event loop: the floating-point unit is reset, then the box
  // captioned "Erreur d'application", with UnhandledFailureText for its
  // text. `code_address` is where the object was caught (C++ does not
  // record where it was thrown).
  void ReportUnhandled(std::exception_ptr thrown, const void* code_address);

 private:
  void Deliver(EventSender sender, const Exception& failure);

  std::string title_;
  MessageBoxService& boxes_;
  WindowServices& windows_;
  FailureHook hook_;
};

// The last-resort report's text (Windows-1252):
//   "Exception " CLASS " dans le module " MODULE " dans " OFFSET ".\r\n"
//   MESSAGE DOT "\r\n"
// OFFSET is `offset` in upper-case hexadecimal, at least eight digits; DOT
// is "." when MESSAGE is not empty and does not end in ".".
//   ("EReadError", "anodisation", 0x1A2B, "Erreur de lecture du flux") ->
//   "Exception EReadError dans le module anodisation dans 00001A2B.\r\n"
//   "Erreur de lecture du flux.\r\n"
std::string UnhandledFailureText(std::string_view class_name, std::string_view module,
                                 std::uintptr_t offset, std::string_view message);

inline constexpr const char* kUnhandledFailureCaption = "Erreur d'application";

}  // namespace anod
