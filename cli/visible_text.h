// Texts the command-line calculator echoes (a field, a shape name, an
// option) come from a user or a script and may hold anything. Before they
// reach a terminal or a pipe they become valid UTF-8 in which every control
// character shows as a visible escape, so that a NUL or a line break typed
// into a field can neither corrupt the stream nor split a result line.
//
//   VisibleUtf8("Cm\xB2")        -> "Cm²"
//   VisibleUtf8("1\n5")          -> "1\x0A5"   (backslash, x, 0, A)
//   VisibleUtf8("a\x00" "b")     -> "a\x00b"
//   VisibleUtf8("\x81")          -> "\x81"     (a C1 control: the code page
//                                              defines no character there)
#pragma once

#include <string>
#include <string_view>

namespace anod {

// `cp1252` is Windows-1252. Escapes use upper-case hexadecimal: "\x1B".
std::string VisibleUtf8(std::string_view cp1252);

// The same, appended to `out`: a result line is built in one string.
void AppendVisibleUtf8(std::string& out, std::string_view cp1252);

// The first `limit` characters of `cp1252`, followed by "..." when it was
// longer: echoed texts stay short however long the input.
std::string CutForEcho(std::string_view cp1252, std::size_t limit = 32);

}  // namespace anod
