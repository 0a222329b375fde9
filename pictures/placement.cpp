#include "pictures/placement.h"

namespace anod {

namespace {

// Truncation toward zero of an extended-precision value.
int Trunc(long double v) { return static_cast<int>(v); }

}  // namespace

Rect PlacementRect(int w, int h, int cw, int ch, PlacementFlags flags) {
  if (flags.stretch || (flags.proportional && (w > cw || h > ch))) {
    if (flags.proportional && w > 0 && h > 0) {
      const double ratio = static_cast<double>(w) / h;
      if (w > h) {
        w = cw;
        h = Trunc(static_cast<long double>(cw) / ratio);
        if (h > ch) {
          h = ch;
          w = Trunc(static_cast<long double>(ch) * ratio);
        }
      } else {
        h = ch;
        w = Trunc(static_cast<long double>(ch) * ratio);
        if (w > cw) {
          w = cw;
          h = Trunc(static_cast<long double>(cw) / ratio);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  Rect r{0, 0, w, h};
  if (flags.center) r = r.Offset((cw - w) / 2, (ch - h) / 2);
  return r;
}

}  // namespace anod
