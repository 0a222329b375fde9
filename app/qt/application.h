// The application object on Qt: one for the whole run, created first thing.
//
// It holds the program's failure report (app/failure_report.h) over the Qt
// services, with the application title derived from the executable's path
// (app/application_title.h), and the last-resort catch around the dispatch
// of every event: our own handlers catch their failures before they reach
// Qt's frames (GuardHandler) and hand them to ReportFailure; whatever still
// escapes an event's handling is caught by notify(), goes to ReportFailure
// too, and the loop goes on with the next event.
//
// It also re-reads the user's decimal mark when the desktop announces a
// locale change (QEvent::LocaleChange sent to the application).
#pragma once

#include <QApplication>

#include <string>

#include "app/failure_report.h"
#include "app/qt/qt_services.h"

namespace anod {

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
  const std::string& Title() const { return reporter_.Title(); }

  FailureReporter& Reporter() { return reporter_; }

  bool notify(QObject* receiver, QEvent* event) override;

 protected:
  bool event(QEvent* event) override;

 private:
  QtMessageBoxService boxes_;
  QtWindowServices windows_;
  FailureReporter reporter_;
};

// The running application object, or null when the QApplication in use is
// not one (or none exists).
TApplication* Application();

}  // namespace anod
