// The catch at the top of each of our overrides of Qt's event handlers.
//
// Qt's own code is not written for exceptions: a failure that unwinds
// through its frames skips their clean-up (the event's point data leaks)
// and may leave a widget half-updated. So every override runs its body in
// GuardHandler, which hands whatever the body throws to the handler-failure
// sink and returns normally. The application object installs its failure
// report as the sink; TApplication::notify keeps its own catch only as a
// last resort for code that is not ours.
//
// Without a sink (no application object of ours, as in some widget tests)
// the failure goes on up, as it would without the guard.
#pragma once

#include <QObject>

#include <exception>
#include <utility>

namespace anod {

using HandlerFailureSink = void (*)(QObject* receiver, std::exception_ptr thrown);

// nullptr removes the sink.
void SetHandlerFailureSink(HandlerFailureSink sink);

// Gives `thrown` to the sink, or rethrows it when there is none.
void PassOnHandlerFailure(QObject* receiver, std::exception_ptr thrown);

// Runs `body`, an event handler's work for `receiver`.
template <typename Body>
void GuardHandler(QObject* receiver, Body&& body) {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    PassOnHandlerFailure(receiver, std::current_exception());
  }
}

// For handlers that say whether they took the event: `body`'s answer, or
// `on_failure` when it failed (true for a filter, so that an event whose
// filtering failed goes no further, as when the failure left the dispatch).
template <typename Body>
bool GuardHandler(QObject* receiver, bool on_failure, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    PassOnHandlerFailure(receiver, std::current_exception());
    return on_failure;
  }
}

}  // namespace anod
