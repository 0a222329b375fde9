// Where the window opens and how its layout follows the screen.
//
// Centring, once before the first show, on the primary display's full size:
//   CenteredPosition({1280, 1024}, {1081, 963}) -> (99, 30)
//   CenteredPosition({1920, 1080}, {1081, 963}) -> (419, 58)
//   CenteredPosition({1024, 768},  {1081, 963}) -> (0, 0)
//
// Scaling, once when the window is built: a screen of other than 96 pixels
// per inch first changes the window font's height to -11 * ppi / 96 rounded;
// then, when the "0" of that font is not 13 pixels high, every control's
// edges (left, top, right = left + width, bottom = top + height) are
// multiplied by measured / 13, rounding halves away from zero:
//   ScaleRect({16, 8, 1057, 49}, 16, 13) -> {20, 10, 1301, 60}
// and every font of a control's own is scaled in points the same way. The
// window's outer size does not change.
#pragma once

#include <functional>

#include "platform/geometry.h"

namespace anod {

// v * num / den, the halves rounded away from zero.
int ScaleValue(int v, int num, int den);
Rect ScaleRect(const Rect& r, int num, int den);

// Font sizes at 96 pixels per inch, rounded to the nearest: 16 px <-> 12 pt,
// 11 px <-> 8 pt, 21 px <-> 16 pt.
int PixelsToPoints(int pixels);
int PointsToPixels(int points);

Point CenteredPosition(Size screen, Size window);

// The outcome of the scaling rule for one screen.
struct ScalePlan {
  int window_font_height = -11;  // the window font's (negative) height
  int num = 13;                  // controls scale by num / den
  int den = 13;
  bool Scales() const { return num != den; }
};

// What the layout was drawn for: 96 pixels per inch, a window font of
// height -11 whose "0" is 13 pixels high.
struct DesignMetrics {
  int pixels_per_inch = 96;
  int font_height = -11;
  int text_height = 13;
};

// `zero_height` measures the height of "0" in the window font of the given
// (negative) height; it is the only contact with the fonts installed.
//   MakeScalePlan(96, h -> 13)  -> {-11, 13, 13}: nothing scales
//   MakeScalePlan(96, h -> 16)  -> {-11, 16, 13}
//   MakeScalePlan(120, h -> 16) -> {-14, 16, 13}
ScalePlan MakeScalePlan(int pixels_per_inch, const std::function<int(int font_height)>& zero_height,
                        const DesignMetrics& design = {});

}  // namespace anod
