// The session's end as it reaches the program on Linux: SIGTERM when the
// user logs off or the system shuts down, SIGHUP when its terminal goes.
// The program agrees to end (there is nothing to save); the toolkit's shell
// watches ReadyFd() and, when it becomes readable, calls Drain() and ends
// every running loop (a message box's too) with exit code 0.
#pragma once

#include <csignal>

namespace anod {

class SessionEndSignals {
 public:
  // Installs the handlers for SIGTERM and SIGHUP; the previous handlers come
  // back when this is destroyed. One at a time in the process. When the
  // pipe cannot be made, nothing is installed and ReadyFd() is -1.
  SessionEndSignals();
  ~SessionEndSignals();
  SessionEndSignals(const SessionEndSignals&) = delete;
  SessionEndSignals& operator=(const SessionEndSignals&) = delete;

  // Readable once a signal has arrived; non-blocking.
  int ReadyFd() const;
  // Empties the pipe; true when a signal had arrived.
  bool Drain();

 private:
  struct sigaction previous_term_ {};
  struct sigaction previous_hup_ {};
  bool installed_ = false;
};

}  // namespace anod
