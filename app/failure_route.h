// Where a failure that escaped the handling of an event goes.
//
//   EAbort, or a subclass          -> kDropped    (ends there, silently)
//   another Exception, hook set    -> kHook
//   another Exception, no hook     -> kBox        (ShowFailureMessage)
//   anything else (not a failure)  -> kUnhandled  (the last-resort report)
//
// Separately, a processor failure (EExternal and below) puts the
// floating-point environment back at DefaultControlWord before anything
// else, whatever its route.
#pragma once

#include <exception>

#include "core/failures.h"

namespace anod {

enum class FailureRoute { kDropped, kHook, kBox, kUnhandled };

FailureRoute RouteFailure(const Exception& failure, bool hook_installed);
FailureRoute RouteFailure(const std::exception_ptr& thrown, bool hook_installed);

bool IsProcessorFailure(const Exception& failure);

}  // namespace anod
