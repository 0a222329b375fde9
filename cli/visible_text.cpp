#include "cli/visible_text.h"

#include "core/codepage.h"

namespace anod {

std::string VisibleUtf8(std::string_view cp1252) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(cp1252.size());
  std::size_t plain = 0;  // start of the run not yet converted
  for (std::size_t i = 0; i <= cp1252.size(); ++i) {
    const char32_t cp = i < cp1252.size() ? Cp1252ToCodePoint(static_cast<unsigned char>(cp1252[i])) : 0;
    const bool control = i < cp1252.size() && (cp < 0x20 || (cp >= 0x7F && cp < 0xA0));
    if (i < cp1252.size() && !control) continue;
    out += Cp1252ToUtf8(cp1252.substr(plain, i - plain));
    if (control) {
      out += "\\x";
      out += kHex[cp >> 4];
      out += kHex[cp & 0xF];
    }
    plain = i + 1;
  }
  return out;
}

std::string CutForEcho(std::string_view cp1252, std::size_t limit) {
  if (cp1252.size() <= limit) return std::string(cp1252);
  return std::string(cp1252.substr(0, limit)) + "...";
}

}  // namespace anod
