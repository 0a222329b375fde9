#include "ui/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

namespace anod {
namespace {

// The signal handler may only write to a pipe; the event loop reads the
// other end. Both ends are non-blocking and close on exec.
int g_pipe[2] = {-1, -1};

void OnSessionSignal(int) {
  const char byte = 1;
  const int saved = errno;
  [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(QObject* parent) : QObject(parent) {
  if (pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
  notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatcher::OnSignal);

  struct sigaction action {};
  action.sa_handler = &OnSessionSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, &previous_term_);
  sigaction(SIGHUP, &action, &previous_hup_);

  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    // Nothing to save and no reason to object: let the session end.
    gui->setQuitOnLastWindowClosed(true);
    connect(gui, &QGuiApplication::commitDataRequest, this, [](QSessionManager& manager) {
      manager.release();
    });
  }
}

SessionEndWatcher::~SessionEndWatcher() {
  if (notifier_ == nullptr) return;
  sigaction(SIGTERM, &previous_term_, nullptr);
  sigaction(SIGHUP, &previous_hup_, nullptr);
  delete notifier_;
  close(g_pipe[0]);
  close(g_pipe[1]);
  g_pipe[0] = g_pipe[1] = -1;
}

void SessionEndWatcher::OnSignal() {
  char buffer[16];
  while (read(g_pipe[0], buffer, sizeof buffer) > 0) {
  }
  // Every loop ends, a message box's among them: the session will not wait
  // for a box to be answered.
  QCoreApplication::exit(0);
}

}  // namespace anod
