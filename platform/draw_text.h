// Text layout and drawing with the platform's DrawTextEx rules, over a canvas.
//
// Lines end at CR LF (or a lone CR or LF). With DT_WORDBREAK a line wider
// than the rectangle is broken at spaces; the spaces at a break are dropped, a
// single word wider than the rectangle stays whole and overflows. With
// DT_EXPANDTABS a tab moves to the next multiple of 8 average character
// widths from the line's start. Unless DT_NOPREFIX, "&x" draws x underlined
// and "&&" draws "&"; a lone "&" at the end is dropped. Lines are placed per
// DT_LEFT / DT_CENTER / DT_RIGHT, each (W - w) / 2 truncating toward zero;
// DT_VCENTER and DT_BOTTOM apply only with DT_SINGLELINE. Drawing is clipped
// to the rectangle unless DT_NOCLIP. Every line is one font height high
// (ascent + descent), so three lines at height 24 make 72.
//
//   Rect r{0, 0, 100, 0};
//   DrawTextEx(canvas, "Rayon: ", r, DT_CALCRECT, clBlack);
//   // r.right = text width, r.bottom = one line height; nothing drawn
#pragma once

#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace anod {

enum DrawTextFlags : unsigned {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_RTLREADING = 0x20000,
};

// One laid-out line: its text (prefixes resolved), its width, and the index of
// the underlined character (-1 for none).
struct TextLine {
  std::string text;
  int width = 0;
  int underline = -1;
};

// Splits, wraps and measures `text` for a rectangle `width` pixels wide with
// the canvas's current font.
std::vector<TextLine> LayoutText(Canvas& canvas, std::string_view text, int width, unsigned flags);

// Lays out and draws `text` in `rect` in `color` with the canvas's current
// font, without background; returns the height of the text. With DT_CALCRECT
// nothing is drawn and `rect` becomes the text's extent from its top-left
// corner (the widest line, the sum of the line heights).
int DrawTextEx(Canvas& canvas, std::string_view text, Rect& rect, unsigned flags, TColor color);

}  // namespace anod
