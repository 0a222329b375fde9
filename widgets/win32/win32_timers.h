// The colored button's platform timers on Win32: thread timers (SetTimer
// without a window), whose WM_TIMER the thread's message loop dispatches to
// their callback. A tick that fails goes to the window failure sink
// (platform/win32/window_guard.h).
#pragma once

#include "widgets/vivid_timers.h"

namespace anod {

TimerService& Win32Timers();

}  // namespace anod
