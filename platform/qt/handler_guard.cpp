#include "platform/qt/handler_guard.h"

#include <atomic>

namespace anod {
namespace {

std::atomic<HandlerFailureSink> sink{nullptr};

}  // namespace

void SetHandlerFailureSink(HandlerFailureSink new_sink) { sink.store(new_sink); }

void PassOnHandlerFailure(QObject* receiver, std::exception_ptr thrown) {
  const HandlerFailureSink current = sink.load();
  if (current == nullptr) std::rethrow_exception(thrown);
  current(receiver, std::move(thrown));
}

}  // namespace anod
