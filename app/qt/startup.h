// Start-up, the event loop and shutdown of the window program on Qt.
//
// RunAnodisation does, in this order:
//   1. the floating-point environment (DefaultControlWord) and the user's
//      decimal mark;
//   2. the application object, with the title derived from the executable's
//      path, and Qt's own texts in French; the colored button's process-wide
//      services (they watch the application object, so they come right
//      after it), their failures reported like every other;
//   3. the JPEG picture kinds registered for the window's lifetime, with
//      the output depth of the screen;
//   4. the main window's life (app/main_window_run.h): built from the
//      description carried in the executable with its compute buttons
//      wired, shown as the command line asks (app/show_request.h), its icon
//      becoming the application's; the loop until the window is closed or
//      the session ends; every control destroyed before the application
//      object. A window that cannot be built: the last-resort report, exit
//      code 1.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "ui/qt/form1.h"
#include "app/main_window_run.h"
#include "app/qt/application.h"
#include "app/screen_service.h"

namespace anod {

// The JPEG picture kinds, registered for as long as this lives (the window's
// pictures name their kind), with the pictures' default output depth taken
// from the screen.
class PictureKindsInUse {
 public:
  explicit PictureKindsInUse(const ScreenService& screen = QtScreenService());
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

// Step 4 within an existing application object.
int RunMainWindow(TApplication& app, std::span<const std::uint8_t> description, ShowRequest request,
                  const StartUpHooks& hooks = {});

// The main window built and wired as step 4 builds it, not yet shown.
// Throws what building throws.
std::unique_ptr<TForm1> CreateMainWindow(std::span<const std::uint8_t> description);

// The end of the main window: hidden, then destroyed with every control.
void DestroyMainWindow(std::unique_ptr<TForm1> form);

}  // namespace anod
