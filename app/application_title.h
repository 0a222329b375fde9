// The application title: the caption of every message box and of the
// application itself (task bar), derived once from the executable's path.
//
// The rule, on the path's bytes:
//   1. at most the first 255 bytes of the full path are kept (a character cut
//      in two by that limit is dropped whole);
//   2. what follows the last "/";
//   3. cut at the first ".";
//   4. converted to Windows-1252, and every character after the first
//      lower-cased in that code page (the first keeps its case).
//
//   "/usr/bin/anodisation"        -> "anodisation"
//   "/opt/OUTIL.DE.CALCUL.EXE"    -> "Outil"
//   "/opt/outil.exe"              -> "outil"
//   "/opt/mon.outil.exe"          -> "mon"
//   "/opt/ÉTUDE"                  -> "\xC9tude"   ("Étude")
//   "/opt/.cache"                 -> ""           (cut at the first ".")
#pragma once

#include <string>
#include <string_view>

namespace anod {

inline constexpr std::size_t kMaxExecutablePathBytes = 255;

std::string ApplicationTitleFromPath(std::string_view path);

// Windows-1252 lower case of one byte: A-Z, the accented capitals C0-DE
// (but not the multiplication sign D7), and the capitals 8A, 8C, 8E and 9F
// ("Š", "Œ", "Ž", "Ÿ"). Every other byte is returned unchanged.
unsigned char LowerCaseCp1252(unsigned char byte);

}  // namespace anod
