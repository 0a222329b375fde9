// How the main window's scroll position answers the scroll bars, the page
// keys and the mouse wheel, whatever the toolkit. Along each axis the
// position runs from 0 to `range` - `page` (0 when everything shows):
// `range` is the controls' extent (FormModel::ScrollRange, 921 down at 96
// dpi) and `page` the client area's size along that axis. Page Up and Page
// Down move by one page, the scroll bars' arrows by a line of kScrollLine
// pixels, a wheel notch by the desktop's lines per notch (3 unless the
// user changed it).
//
//   ScrollAlong(0, 921, 500, ScrollMove::kPageForward)   -> 421 (the end)
//   ScrollAlong(421, 921, 500, ScrollMove::kPageBack)    -> 0
//   ScrollAlong(100, 921, 500, ScrollMove::kLineForward) -> 120
//   ScrollAlong(100, 921, 1000, ScrollMove::kEnd)        -> 0   (nothing hidden)
//   WheelScroll(0, 921, 500, -120, 3)  -> 60   (one notch towards the user)
//   WheelScroll(60, 921, 500, 120, 3)  -> 0
//   WheelScroll(0, 921, 500, -120, kWheelScrollsPages) -> 421 (a page)
#pragma once

namespace anod {

inline constexpr int kScrollLine = 20;
// The desktop's lines-per-notch setting when it asks for a page per notch.
inline constexpr int kWheelScrollsPages = -1;

enum class ScrollMove { kLineBack, kLineForward, kPageBack, kPageForward, kStart, kEnd };

// `position` moved by `move` and kept between 0 and range - page.
int ScrollAlong(int position, int range, int page, ScrollMove move);
// `position` after the wheel turned by `delta` (120 a notch, positive away
// from the user, which scrolls back); a smooth wheel's fraction of a notch
// scrolls its share of the pixels.
int WheelScroll(int position, int range, int page, int delta, int lines_per_notch);

}  // namespace anod
