// Qt's timers behind the colored button's timer service, delivered by the
// event loop.
#pragma once

#include "widgets/vivid_timers.h"

namespace anod {

TimerService& QtTimers();

}  // namespace anod
