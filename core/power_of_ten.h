// Scaling by powers of ten with three tables of extended constants, each
// entry the extended value nearest to its power (10^0 to 10^27 are exact).
//
//   ScaleByPowerOfTen(x, 0)       -> x
//   ScaleByPowerOfTen(25, -2)     -> 0.25 (nearest extended)
//   ScaleByPowerOfTen(0, 5120)    -> +infinity (also for negative x)
//   ScaleByPowerOfTen(-3, -5120)  -> +0
//   ScaleByPowerOfTen(2, 4932)    -> throws EOverflow
//
// For 0 < n < 5120 the value is x × TenPowersLow[n mod 32], then
// × TenPowersMid[(n div 32) mod 16] when that index is not 0, then
// × TenPowersHigh[n div 512] when that is not 0, each product rounded to
// extended; a negative n divides by the same entries in the same order.
// Results below the extended range become subnormal or zero silently.
#pragma once

#include <array>

#include "core/extended.h"

namespace anod {

extern const std::array<Extended, 32> TenPowersLow;   // 10^0 .. 10^31
extern const std::array<Extended, 16> TenPowersMid;   // [i] = 10^(32 i), i = 1..15; [0] unused (1)
extern const std::array<Extended, 10> TenPowersHigh;  // [i] = 10^(512 i), i = 1..9; [0] unused (1)

Extended ScaleByPowerOfTen(Extended x, int n);

}  // namespace anod
