// The failure report at Qt's handler boundaries: the handler-failure sink
// (platform/qt/handler_guard.h) and the window's own catch hand what they
// caught to the running application's FailureReporter (app/failure_report.h),
// with the QObject the event was for as sender.
#pragma once

#include <QObject>

#include <exception>

#include "core/failures.h"
#include "app/failure_report.h"

namespace anod {

// The running TApplication's reporter. Without one (a plain QApplication),
// a reporter over the Qt services captioned with the title the rule
// derives from this executable's path.
FailureReporter& RunningReporter();

// RunningReporter().Report, with the QObject as sender.
void ReportFailure(QObject* sender, std::exception_ptr thrown);

// RunningReporter().ReportAfterEvent, likewise.
void ReportFailureLater(QObject* sender, const Exception& failure);

}  // namespace anod
