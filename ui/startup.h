// Start-up, the event loop and shutdown of the window program.
//
// RunAnodisation does, in this order:
//   1. the floating-point environment (DefaultControlWord) and the user's
//      decimal mark;
//   2. the application object, with the title derived from the executable's
//      path, and Qt's own texts in French; the colored button's process-wide
//      services (they watch the application object, so they come right
//      after it), their failures reported like every other;
//   3. the JPEG picture kinds registered for the window's lifetime, with
//      the output depth of the screen; the main window, built from the description carried in the
//      executable, its compute buttons wired to the calculators; its icon
//      becomes the application's;
//   4. the window shown (centred, Edit1 focused) or, on request, maximised
//      or minimised; then the loop, until the window is closed (close box,
//      Alt+F4, the window menu) or the session ends: exit code 0, every
//      control destroyed before the application object.
// A failure while the window is built never reaches the loop: it is
// reported by ReportUnhandledFailure and the exit code is 1.
#pragma once

#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "core/calculators.h"
#include "ui/application.h"
#include "ui/form1.h"

namespace anod {

// How the first window is to be shown. On this platform the request comes
// from the command line, with the X toolkit's "-iconic" or the long options:
//   {}                  -> kNormal
//   {"-iconic"}         -> kMinimized     {"--minimized"} -> kMinimized
//   {"--maximized"}     -> kMaximized
// Anything else is ignored (the program reads no other argument); the last
// request given wins.
enum class ShowRequest { kNormal, kMaximized, kMinimized };
ShowRequest ShowRequestFromArguments(const QStringList& arguments);

// The JPEG picture kinds, registered for as long as this lives (the window's
// pictures name their kind), with the pictures' default output depth taken
// from the primary screen. Needs the application object.
class PictureKindsInUse {
 public:
  PictureKindsInUse();
  ~PictureKindsInUse();
  PictureKindsInUse(const PictureKindsInUse&) = delete;
  PictureKindsInUse& operator=(const PictureKindsInUse&) = delete;
};

struct StartUpHooks {
  // Runs once the main window has been shown, before the loop starts.
  std::function<void(TForm1& form)> after_show;
};

// The whole program; returns the process's exit code.
int RunAnodisation(int argc, char** argv, const StartUpHooks& hooks = {});

// Steps 3 and 4 within an existing application object.
int RunMainWindow(TApplication& app, std::span<const std::uint8_t> description, ShowRequest request,
                  const StartUpHooks& hooks = {});

// Builds the main window from `description` and wires it: both buttons of
// each calculator run the same calculator on the edit boxes' texts and write
// its captions; a failure is reported inside the click's dispatch and the
// window goes on. The control word in force before building is loaded again
// afterwards and becomes DefaultControlWord. Throws what building throws.
std::unique_ptr<TForm1> CreateMainWindow(std::span<const std::uint8_t> description);

// The end of the main window: hidden, then destroyed with every control.
void DestroyMainWindow(std::unique_ptr<TForm1> form);

// Runs `calculator` on the form's edit boxes and writes its captions; a
// failure is reported (ReportFailure, with the form as sender) before it
// returns.
void RunCalculatorOnForm(TForm1& form, const CalculatorInfo& calculator);

}  // namespace anod
