// Where an image control puts its picture: the rectangle, in the control's own
// coordinates, into which the picture is stretched.
//
// With Stretch, or with Proportional and a picture larger than the control in
// either direction, the picture is scaled: to the whole control, or with
// Proportional to the largest size of the picture's proportions that fits.
// The proportions are held as a double (w / h); the quotient and product are
// taken in extended precision and truncated toward zero. Otherwise the
// picture keeps its size. It sits at the top left unless Center is set, which
// moves it by half the difference, truncated toward zero (so a picture larger
// than the control moves up and left).
//
//   289 x 289 in 217 x 217, Proportional           -> (0, 0, 217, 217)
//   354 x 289 in 233 x 193, Stretch                -> (0, 0, 233, 193)
//   354 x 289 in 233 x 193, Proportional           -> (0, 0, 233, 190)
//   100 x 50 in 217 x 217, Proportional            -> (0, 0, 100, 50)
//   100 x 50 in 217 x 217, Stretch + Proportional + Center -> (0, 54, 217, 162)
//   290 x 290 in 217 x 217, Center                 -> (-36, -36, 254, 254)
//   0 x 0 (no picture) in 217 x 217, Stretch       -> (0, 0, 217, 217)
#pragma once

#include "platform/geometry.h"

namespace anod {

struct PlacementFlags {
  bool center = false;
  bool stretch = false;
  bool proportional = false;
};

Rect PlacementRect(int picture_width, int picture_height, int control_width, int control_height,
                   PlacementFlags flags);

}  // namespace anod
