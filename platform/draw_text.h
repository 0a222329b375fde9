// Text layout and drawing with the platform's formatted-text rules, over a
// canvas.
//
// Lines end at CR LF (or a lone CR or LF). With TextFormat::WordBreak a line
// wider than the rectangle is broken at spaces; the spaces at a break are
// dropped, a single word wider than the rectangle stays whole and overflows.
// With ExpandTabs a tab moves to the next multiple of 8 average character
// widths from the line's start. Unless NoPrefix, "&x" draws x underlined and
// "&&" draws "&"; a lone "&" at the end is dropped. Lines are placed per
// Left / Center / Right, each (W - w) / 2 truncating toward zero; VCenter and
// Bottom apply only with SingleLine. Drawing is clipped to the rectangle
// unless NoClip. Every line is one font height high (ascent + descent), so
// three lines at height 24 make 72.
//
//   Rect r{0, 0, 100, 0};
//   DrawFormattedText(canvas, "Rayon: ", r, TextFormat::CalcRect, clBlack);
//   // r.right = text width, r.bottom = one line height; nothing drawn
#pragma once

#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace anod {

// Layout flags; they combine with |. Scoped in a struct so that the
// platform headers' macros of the same meaning cannot reach them.
struct TextFormat {
  enum : unsigned {
    Left = 0x0,
    Center = 0x1,
    Right = 0x2,
    VCenter = 0x4,
    Bottom = 0x8,
    WordBreak = 0x10,
    SingleLine = 0x20,
    ExpandTabs = 0x40,
    NoClip = 0x100,
    CalcRect = 0x400,
    NoPrefix = 0x800,
    RtlReading = 0x20000,
  };
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
// font, without background; returns the height of the text. With TextFormat::CalcRect
// nothing is drawn and `rect` becomes the text's extent from its top-left
// corner (the widest line, the sum of the line heights).
int DrawFormattedText(Canvas& canvas, std::string_view text, Rect& rect, unsigned flags, TColor color);

}  // namespace anod
