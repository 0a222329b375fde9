// Where the window first opens: inside the part of the screen no panel
// covers, on any screen and at any scale.
#pragma once

#include "platform/geometry.h"

namespace anod {

// The window's first outer rectangle for an outer size of `outer`, in the
// screen's own units (at 120 or 144 dpi the toolkit's units are larger than
// device pixels, so the window's 1081 x 963 grows on screen and a 1280 x
// 1024 screen holds fewer of them). The size shrinks to `available` where
// it is larger; the centring rule on the whole `screen` places it; the
// result is then moved inside `available` where it sticks out. The client
// area then shows scroll bars for what it cannot show.
//   FirstPlacement({0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {1081, 963})
//     -> {99, 30, 1180, 993}        (96 dpi: the centring rule alone)
//   FirstPlacement({0, 0, 1024, 819}, {0, 0, 1024, 819}, {1081, 963})
//     -> {0, 0, 1024, 819}          (120 dpi: the whole screen)
//   FirstPlacement({0, 0, 1280, 1024}, {0, 40, 1280, 1024}, {1081, 963})
//     -> {99, 40, 1180, 1003}       (a 40-pixel panel at the top)
Rect FirstPlacement(const Rect& screen, const Rect& available, Size outer);

}  // namespace anod
