#include "app/qt/application.h"

#include "platform/locale.h"
#include "platform/qt/handler_guard.h"
#include "platform/qt/qt_text.h"
#include "app/application_title.h"
#include "app/qt/failure_report.h"

namespace anod {

TApplication::TApplication(int& argc, char** argv, const std::string& executable_path)
    : QApplication(argc, argv), reporter_(ApplicationTitleFromPath(executable_path), boxes_, windows_) {
  setApplicationName(FromCp1252(Title()));
  setDesktopFileName(QStringLiteral("anodisation"));
  SetHandlerFailureSink(&ReportFailure);
}

TApplication::~TApplication() { SetHandlerFailureSink(nullptr); }

bool TApplication::notify(QObject* receiver, QEvent* event) {
  // Our handlers catch their own failures (handler_guard.h); this catch is
  // the last resort for whatever still escapes.
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportFailure(receiver, std::current_exception());
    return false;
  }
}

bool TApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) GuardHandler(this, [] { RereadLocaleDecimalMark(); });
  return QApplication::event(event);
}

TApplication* Application() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }

}  // namespace anod
