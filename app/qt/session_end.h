// Ending cleanly when the user logs off or the system shuts down, on Qt.
//
// When the session's signal arrives (session_end_signals.h), every running
// event loop ends (a message box's too), so the window and its controls are
// destroyed as after a close and the process exits with code 0. A session
// manager's request to save data is answered by agreeing.
#pragma once

#include <QObject>

#include "app/session_end_signals.h"

class QSocketNotifier;

namespace anod {

class SessionEndWatcher : public QObject {
  Q_OBJECT

 public:
  explicit SessionEndWatcher(QObject* parent = nullptr);
  ~SessionEndWatcher() override;

 private:
  SessionEndSignals signals_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace anod
