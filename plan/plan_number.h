// Typed text for a plan's numbers (a dimension, the rack, the density, the
// thickness, the supply), as the command line's options and the plan window
// take it: a decimal number with "," or "." as its separator (French users
// type a comma), spaces around it ignored, read with the window's own field
// reader (core/decimal_reader.h) so the digits are the same.
//
//   "1,5" -> 1.5     " 2.25 " -> 2.25    "-3" -> -3    "1e3" -> 1000
//   ",5"  -> 0.5     "10"     -> 10
//   ""  "."  "abc"  "1,5,3"  "1.5,3"  "1 000"  "1e400"  "1e5120"  -> nothing
//
// A negative number reads; whether a field may hold it is the plan's rule
// (plan/plan_report.h). Results are written back with "." (plan/plan_texts.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace anod {

// Nothing for text that is not one finite number.
std::optional<double> ReadPlanNumber(std::string_view text);

// The message for text that is not a number, naming where it was typed
// (UTF-8): NotANumberMessage("ligne 2 (Tube), rayon intérieur", "1,5x")
//   -> "ligne 2 (Tube), rayon intérieur : « 1,5x » n'est pas un nombre"
// The text is cut to 32 characters and its control characters escaped.
std::string NotANumberMessage(std::string_view where, std::string_view text);

}  // namespace anod
