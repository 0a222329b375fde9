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
  std::function<void(qt::TForm1& form)> after_show;
};

// The main window's life (MainWindowHost of app/main_window_run.h) on Qt:
// built into a TForm1 whose paint failures open the box after the event,
// exposed to assistive technology, shown as asked with its icon becoming
// the application's. Destroying the host hides the window, then destroys
// it with every control.
//
//   QtMainWindowHost host;
//   BuildMainWindow(host, RunningReporter(), Form1Description());
//   host.Form()->show();
class QtMainWindowHost final : public MainWindowHost {
 public:
  explicit QtMainWindowHost(StartUpHooks hooks = {});
  ~QtMainWindowHost() override;
  QtMainWindowHost(const QtMainWindowHost&) = delete;
  QtMainWindowHost& operator=(const QtMainWindowHost&) = delete;

  void Build(std::span<const std::uint8_t> description, const HandlerTable& operations) override;
  CalculatorWindow& Window() override;
  EventSender Sender() override;
  void Show(ShowRequest request) override;
  int RunLoop() override;
  void Destroy() override;

  qt::TForm1* Form() const { return form_.get(); }

 private:
  StartUpHooks hooks_;
  std::unique_ptr<qt::TForm1> form_;
};

// The whole program; returns the process's exit code.
int RunAnodisation(int argc, char** argv, const StartUpHooks& hooks = {});

// Step 4 within an existing application object.
int RunMainWindow(TApplication& app, std::span<const std::uint8_t> description, ShowRequest request,
                  const StartUpHooks& hooks = {});

}  // namespace anod
