// The general writer: an extended value to text with at most 15 significant
// digits, trailing zeros removed, and LocaleDecimalMark() as the decimal
// mark. Exponent form ("2.45E18", exponent without "+" or leading zeros)
// when the decimal exponent is above 15 or below -3.
//
//   FormatGeneral(0)                   -> "0"
//   FormatGeneral(2450)                -> "2450"
//   FormatGeneral(-30)                 -> "-30"
//   FormatGeneral(1e15)                -> "1E15"
//   FormatGeneral(1234567890123456)    -> "1.23456789012346E15"
//   FormatGeneral(2450000000000000000) -> "2.45E18" ("2,45E18" under ",")
//   FormatGeneral(999999999999999999)  -> "1E18"
//   FormatGeneral(0.25)                -> "0.25"
//   FormatGeneral(+inf)                -> "INF"
// Never fails.
#pragma once

#include <string>

#include "core/extended.h"

namespace anod {

std::string FormatGeneral(Extended x);

}  // namespace anod
