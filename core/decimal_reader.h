// The field reader: a decimal text (Windows-1252 bytes) to an extended value.
//
// Grammar: leading spaces (character 32 only), one optional sign, a mantissa
// of digits with at most one ".", then optionally "E" or "e", an optional
// sign and at least one digit. Digits on either side of the point may be
// missing: ".", "5." and "-." are well formed. The value is every mantissa
// digit accumulated as acc := acc × 10 + d in extended, scaled by
// ScaleByPowerOfTen(acc, exponent − fraction digits), then negated for "-".
// The exponent saturates instead of wrapping: "1e4294967296" is +infinity.
//
// On malformed text nothing is thrown: `position` is the 1-based position of
// the first character not taken (the end of the text counts as length + 1)
// and `value` is the digits read so far as one whole number, with no point,
// no exponent and no sign. `position` is 0 when the whole text was taken.
//
//   ""          -> 0,          position 1
//   "  -2.25"   -> -2.25,      position 0
//   "-."        -> -0,         position 0
//   "1,5"       -> 1,          position 2
//   "-1,5"      -> 1,          position 3
//   "1.5 "      -> 15,         position 4
//   "1e5120"    -> +infinity,  position 0
//   "1e-5120"   -> 0,          position 0
//   "2e4932"    -> throws EOverflow (the scaled value is beyond extended)
//
// Reading a field for a calculator (trailing spaces dropped, the value
// stored as a double, malformed and negative fields refused) is in
// core/calculators.h.
#pragma once

#include <string_view>

#include "core/extended.h"

namespace anod {

struct DecimalReading {
  Extended value = 0;
  int position = 0;
};

DecimalReading ReadDecimal(std::string_view text);

}  // namespace anod
