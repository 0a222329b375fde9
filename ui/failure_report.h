// What happens to a failure that escapes the handling of an event.
//
// Every event's dispatch ends in one catch (TApplication::notify, and the
// click wiring around each calculator) which hands what it caught to
// ReportFailure. Nothing is rolled back and nothing is logged: captions a
// calculation wrote before its failing step keep their new text, and the
// loop goes on with the next event.
#pragma once

#include <QObject>

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "core/failures.h"

namespace anod {

// Reports the object `thrown` that escaped the handling of an event for
// `sender`:
//   1. a mouse grab held by any widget is released (a press in progress is
//      cancelled);
//   2. a processor failure (EExternal and below) puts the floating-point
//      environment back at DefaultControlWord;
//   3. EAbort and its subclasses end here, silently;
//   4. another failure goes to the application's failure hook when one is
//      installed, else to ShowFailureMessage;
//   5. anything else (not an Exception) goes to ReportUnhandledFailure.
// Returns when the message box, if any, has been dismissed.
void ReportFailure(QObject* sender, std::exception_ptr thrown);

// For a failure caught where no box can open (in the middle of a paint):
// steps 1 to 3 of ReportFailure at once, the hook or the box as soon as the
// current event is done. The hook receives a copy carrying the message.
void ReportFailureLater(QObject* sender, const Exception& failure);

// Shows a failure's message in the stop box: the text is the message with the
// final "." rule applied ("Débordement en virgule flottante" shows as
// "Débordement en virgule flottante."), the caption is the application
// title. Input to the program's other windows is blocked while it shows;
// afterwards the previously active window is active again and the keyboard
// focus is back on the widget that held it.
void ShowFailureMessage(const Exception& failure);

// The last-resort report for `thrown`, which is not a failure or escaped
// outside the event loop: the stop box captioned "Erreur d'application",
// with UnhandledFailureText for its text. `code_address` is where the object
// was caught (C++ does not record where it was thrown).
void ReportUnhandledFailure(std::exception_ptr thrown, const void* code_address);

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
