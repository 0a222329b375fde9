// Rounding to a signed 64-bit integer and the wrapping 64-bit product.
//
//   RoundToInt64(2.5)     -> 2      (ties to even)
//   RoundToInt64(3.5)     -> 4
//   RoundToInt64(-2.5)    -> -2
//   RoundToInt64(-0x1p63) -> -9223372036854775808
//   RoundToInt64(0x1p63)  -> throws EInvalidOp
//   RoundToInt64(+inf)    -> throws EInvalidOp
//   MulInt64(922337203685477581, 10) -> -9223372036854775806
//   MulInt64(1000000000000000000, 10) -> -8446744073709551616
#pragma once

#include <cstdint>

#include "core/extended.h"

namespace anod {

std::int64_t RoundToInt64(Extended x);

// The low 64 bits of the two's complement product; never fails.
std::int64_t MulInt64(std::int64_t a, std::int64_t b);

}  // namespace anod
