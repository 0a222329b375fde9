// The 18-digit expansion both writers start from, and the rounding of a
// digit string half away from zero. Internal to the writers.
#pragma once

#include <cstdint>
#include <string>

#include "core/extended.h"

namespace anod {

// The 19 digits D0..D18 of y × 10^17 rounded to a whole number (ties to
// even), for 0 <= y < 16: D0 is "1" when that number reaches 10^18, else
// "0"; D1 is the units digit of y.
//   ExpandDigits(2.5L)  -> "0250000000000000000"
//   ExpandDigits(12.5L) -> "1250000000000000000"
std::string ExpandDigits(Extended y);

// The 18 decimal digits of `value` (< 10^18), leading zeros included,
// written at `out`.
void WriteEighteenDigits(std::uint64_t value, char* out);

// Rounds `digits` to its first `count` digits, half away from zero on the
// digit that follows; a carry out of the first digit is reported by
// returning true (the digits are then all "0"). Digits beyond `count` are
// left as they were. `count` must be below digits.size().
//   RoundDigits("0249", 3) -> "025", false;  RoundDigits("999", 2) -> "00", true
bool RoundDigits(std::string& digits, std::size_t count);

}  // namespace anod
