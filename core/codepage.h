// Conversions between Windows-1252, the 8-bit code page of every text of the
// program (captions, field texts, messages), and UTF-8, which terminals and
// Qt speak.
//
//   Cp1252ToUtf8("Cm\xB2")  -> "Cm²"
//   Utf8ToCp1252("Débordement") -> "D\xE9bordement"
//   Utf8ToCp1252("1€")      -> "1\x80"
//   Utf8ToCp1252("1✓")      -> "1?"   (no such character in the code page)
#pragma once

#include <string>
#include <string_view>

namespace anod {

// Every byte maps to a character; the five bytes Windows-1252 leaves
// undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view text);

// A character the code page lacks becomes "?", which the field reader
// rejects. So does each maximal subpart of an ill-formed sequence (overlong
// forms, surrogates, code points beyond U+10FFFF, cut sequences, stray
// continuation bytes), the way a U+FFFD would replace it:
//   "1\xC0\xAE" "5"      -> "1??5"  (C0 never starts a sequence)
//   "\xED\xA0\x80"       -> "???"   (a surrogate)
//   "\xF1\x80\x80" "a"   -> "?a"    (one cut sequence)
std::string Utf8ToCp1252(std::string_view text);

// One character as a Unicode code point.
char32_t Cp1252ToCodePoint(unsigned char byte);

}  // namespace anod
