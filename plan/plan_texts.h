// How the plan writes its numbers and echoes texts (UTF-8). Numbers use "."
// whatever the locale, as the window writes its surfaces.
//
//   ShownDecimals(230.79, 2)  -> "230.79"   (core/fixed_writer.h: half away
//   ShownDecimals(31.2, 1)    -> "31.2"      from zero on 18 digits)
//   ShownDecimals(17327, 0)   -> "17327"
//   ShownDecimals(1e40, 2)    -> "1.0E+0040"
//   ShortestNumber(1.5)       -> "1.5"      (the shortest text that reads back
//   ShortestNumber(10)        -> "10"        as the same double)
//   EchoText("1\n5")          -> "1\x0A5"   (backslash, x, 0, A)
//   EchoText(40 × "x")        -> 32 × "x" + "..."
//   EchoText("\xFF")          -> "\uFFFD"   (as UTF-8: an ill-formed byte)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace anod {

std::string ShownDecimals(double value, int decimals);

std::string ShortestNumber(double value);

// Text from a user or a file made fit to print on one line: valid UTF-8
// (each ill-formed byte becomes U+FFFD), control characters written as
// "\x0A", at most `limit` characters followed by "..." when longer.
std::string EchoText(std::string_view utf8, std::size_t limit = 32);

// A row's label, whole, made fit to print on one line as EchoText does.
inline std::string VisibleLabel(std::string_view utf8) { return EchoText(utf8, std::string_view::npos); }

}  // namespace anod
