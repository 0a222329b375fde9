// The application object: one for the whole run, created first thing.
//
// It holds the application title (derived from the executable's path, see
// application_title.h), the optional failure hook, and the last-resort catch
// around the dispatch of every event: our own handlers catch their failures
// before they reach Qt's frames and hand them to ReportFailure; whatever
// still escapes an event's handling is caught by notify(), goes to
// ReportFailure too, and the loop goes on with the next event.
//
// It also re-reads the user's decimal mark when the desktop announces a
// locale change (QEvent::LocaleChange sent to the application).
#pragma once

#include <QApplication>

#include <functional>
#include <string>

#include "core/failures.h"

namespace anod {

// Called instead of the message box for a failure, when installed. The
// program installs none; embedders and tests may.
using FailureHook = std::function<void(QObject* sender, const Exception& failure)>;

class TApplication : public QApplication {
  Q_OBJECT

 public:
  // The title comes from `executable_path` (normally ExecutablePath()). The
  // application name (the X11 window class) becomes the title too; the
  // application display name stays unset, so that Qt appends nothing to the
  // main window's title bar.
  // It installs ReportFailure as the handler-failure sink (handler_guard.h)
  // for its lifetime.
  TApplication(int& argc, char** argv, const std::string& executable_path);
  ~TApplication() override;

  // Windows-1252, for instance "anodisation".
  const std::string& Title() const { return title_; }

  const FailureHook& OnException() const { return on_exception_; }
  void SetOnException(FailureHook hook) { on_exception_ = std::move(hook); }

  bool notify(QObject* receiver, QEvent* event) override;

 protected:
  bool event(QEvent* event) override;

 private:
  std::string title_;
  FailureHook on_exception_;
};

// The running application object, or null when the QApplication in use is
// not one (or none exists).
TApplication* Application();

// The running application's title; without a TApplication, the title the
// rule derives from this executable's path.
std::string ApplicationTitle();

}  // namespace anod
