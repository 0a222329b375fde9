// The display check (app/display_check.h) answered on Qt: platform plugins
// are looked for where Qt looks for them, and the X11 display is tried
// with the library Qt's X11 platform uses; a Wayland display is tried by
// connecting to its socket.
#pragma once

#include <string>

#include "app/display_check.h"

namespace anod {

PlatformProbes QtPlatformProbes();

// The check for this process: its arguments and environment.
PlatformCheck CheckPlatform(int argc, char** argv);

}  // namespace anod
