#include "app/qt/failure_report.h"

#include "platform/executable_path.h"
#include "app/application_title.h"
#include "app/qt/application.h"

namespace anod {

FailureReporter& RunningReporter() {
  if (TApplication* app = Application()) return app->Reporter();
  static QtMessageBoxService boxes;
  static QtWindowServices windows;
  static FailureReporter fallback(ApplicationTitleFromPath(ExecutablePath()), boxes, windows);
  return fallback;
}

void ReportFailure(QObject* sender, std::exception_ptr thrown) { RunningReporter().Report(sender, std::move(thrown)); }

void ReportFailureLater(QObject* sender, const Exception& failure) {
  RunningReporter().ReportAfterEvent(sender, failure);
}

}  // namespace anod
