#include "ui/application.h"

#include "platform/qt/qt_text.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "ui/application_title.h"
#include "ui/failure_report.h"

namespace anod {

TApplication::TApplication(int& argc, char** argv, const std::string& executable_path)
    : QApplication(argc, argv), title_(ApplicationTitleFromPath(executable_path)) {
  setApplicationName(FromCp1252(title_));
  setDesktopFileName(QStringLiteral("anodisation"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportFailure(receiver, std::current_exception());
    return false;
  }
}

bool TApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) RereadLocaleDecimalMark();
  return QApplication::event(event);
}

TApplication* Application() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }

std::string ApplicationTitle() {
  if (const TApplication* app = Application()) return app->Title();
  return ApplicationTitleFromPath(ExecutablePath());
}

}  // namespace anod
