// The fixed writer: an extended value to text with a fixed count of decimals,
// "." as the decimal point, rounded half away from zero on an 18-digit
// expansion (so the double nearest 2.675, slightly below, gives "2.67").
//
// Width is capped at 255 and decimals at 216; the text is filled on the left
// with spaces up to the width and never cut. Values of 2^120 or more in
// magnitude (the scaling switches on the power of two), and every value when
// decimals is negative, take the scientific form: a sign character (space or
// "-"), width − 8 significant digits (2 to 18), "E", a sign and four
// exponent digits.
//
//   FormatFixed(0, 3, 2)          -> "0.00"
//   FormatFixed(-0.0, 3, 2)       -> "-0.00"
//   FormatFixed(0.125, 3, 2)      -> "0.13"
//   FormatFixed(244.92, 3, 2)     -> "244.92"
//   FormatFixed(1e20, 3, 2)       -> "100000000000000000000.00"
//   FormatFixed(0x1p120, 3, 2)    -> " 1.3E+0036"
//   FormatFixed(1.25e41L, 3, 2)   -> " 1.3E+0041"
//   FormatFixed(+inf, 3, 2)       -> "+Inf"
//   FormatFixed(5, 8, 2)          -> "    5.00"
//
// Never fails; the result is at most 255 characters unless the fixed form
// itself is longer (at most 36 integer digits, a sign, a point and 216
// decimals).
#pragma once

#include <string>

#include "core/extended.h"

namespace anod {

std::string FormatFixed(Extended x, int width, int decimals);

}  // namespace anod
