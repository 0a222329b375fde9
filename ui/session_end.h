// Ending cleanly when the user logs off or the system shuts down.
//
// The session ends the program with SIGTERM (or SIGHUP when its terminal
// goes); the program agrees: the signal ends every running event loop (a
// message box's too), so the window and its controls are destroyed as after
// a close and the process exits with code 0. A session manager's request to
// save data is answered by agreeing (there is nothing to save).
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace anod {

class SessionEndWatcher : public QObject {
  Q_OBJECT

 public:
  // Installs the handlers for SIGTERM and SIGHUP; the previous handlers come
  // back when the watcher is destroyed. One watcher at a time.
  explicit SessionEndWatcher(QObject* parent = nullptr);
  ~SessionEndWatcher() override;

  SessionEndWatcher(const SessionEndWatcher&) = delete;
  SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

 private:
  void OnSignal();

  QSocketNotifier* notifier_ = nullptr;
  struct sigaction previous_term_ {};
  struct sigaction previous_hup_ {};
};

}  // namespace anod
