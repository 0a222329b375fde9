#include "app/session_end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

SessionEndSignals::SessionEndSignals() {
  if (pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
  installed_ = true;
  struct sigaction action {};
  action.sa_handler = &OnSessionSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, &previous_term_);
  sigaction(SIGHUP, &action, &previous_hup_);
}

SessionEndSignals::~SessionEndSignals() {
  if (!installed_) return;
  sigaction(SIGTERM, &previous_term_, nullptr);
  sigaction(SIGHUP, &previous_hup_, nullptr);
  close(g_pipe[0]);
  close(g_pipe[1]);
  g_pipe[0] = g_pipe[1] = -1;
}

int SessionEndSignals::ReadyFd() const { return installed_ ? g_pipe[0] : -1; }

bool SessionEndSignals::Drain() {
  if (!installed_) return false;
  bool any = false;
  char buffer[16];
  while (read(g_pipe[0], buffer, sizeof buffer) > 0) any = true;
  return any;
}

}  // namespace anod
