// The application object on Win32: one for the whole run, created first.
//
// It owns the application's hidden window (zero size, titled with the
// application title; tasks posted for "after the current event" arrive
// there), the services the shared failure
// report needs (the stop box, the windows' mouse capture and activation,
// the screen) and the one FailureReporter. While it lives, every window
// procedure's catch (platform/win32/window_guard.h) and every colored
// button's failure go to that report. The failure boxes belong to the
// program's window active when they open (the main window), so that they
// stay above it; to the hidden window only when no window of the program
// shows.
//
//   TApplication app(ExecutablePath());   // "C:\...\OUTIL.DE.CALCUL.EXE"
//   app.Title()                           -> "Outil"   (app/win32/module_title.h)
//   app.Reporter().Report(sender, std::current_exception());
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/failure_report.h"
#include "app/screen_service.h"

namespace anod {

class TApplication {
 public:
  explicit TApplication(const std::string& executable_path);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::string& Title() const { return reporter_->Title(); }
  HWND Handle() const { return window_; }
  FailureReporter& Reporter() { return *reporter_; }
  const ScreenService& Screen() const;

  // The running application object, or null.
  static TApplication* Running();

 private:
  class Boxes;
  class Windows;
  class PrimaryScreen;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_ = nullptr;
  std::unique_ptr<Boxes> boxes_;
  std::unique_ptr<Windows> windows_;
  std::unique_ptr<PrimaryScreen> screen_;
  std::unique_ptr<FailureReporter> reporter_;
};

}  // namespace anod
