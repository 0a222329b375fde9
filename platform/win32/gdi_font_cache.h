// GDI fonts for the canvas, made once per face, height, style, character set
// and angle, kept until the program ends (a paint makes a canvas each time;
// the fonts stay). Single-threaded, like all painting.
//
//   CachedFont({"Arial", -16, true}, 0)   -> a bold 16-pixel Arial, the same
//                                            handle at every call
//   CachedFont({"Arial", -16, true}, 90)  -> the same face turned a quarter
//                                            turn counter-clockwise
#pragma once

#include <windows.h>

#include "platform/canvas.h"

namespace anod {

HFONT CachedFont(const FontSpec& font, int angle_degrees);

}  // namespace anod
