#include "app/failure_route.h"

namespace anod {

FailureRoute RouteFailure(const Exception& failure, bool hook_installed) {
  if (dynamic_cast<const EAbort*>(&failure) != nullptr) return FailureRoute::kDropped;
  return hook_installed ? FailureRoute::kHook : FailureRoute::kBox;
}

FailureRoute RouteFailure(const std::exception_ptr& thrown, bool hook_installed) {
  try {
    std::rethrow_exception(thrown);
  } catch (const Exception& failure) {
    return RouteFailure(failure, hook_installed);
  } catch (...) {
    return FailureRoute::kUnhandled;
  }
}

bool IsProcessorFailure(const Exception& failure) { return dynamic_cast<const EExternal*>(&failure) != nullptr; }

}  // namespace anod
