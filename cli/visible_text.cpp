#include "cli/visible_text.h"

#include "core/codepage.h"

namespace anod {

void AppendVisibleUtf8(std::string& out, std::string_view cp1252) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::size_t i = 0;
  while (i < cp1252.size()) {
    // Printable ASCII, nearly all of a result, is copied a run at a time.
    std::size_t plain = i;
    while (plain < cp1252.size() && cp1252[plain] >= 0x20 && cp1252[plain] < 0x7F) ++plain;
    out.append(cp1252.data() + i, plain - i);
    if (plain == cp1252.size()) return;
    const char32_t cp = Cp1252ToCodePoint(static_cast<unsigned char>(cp1252[plain]));
    if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) {
      const char escape[] = {'\\', 'x', kHex[cp >> 4], kHex[cp & 0xF]};
      out.append(escape, sizeof escape);
    } else {
      // A printable character of the upper half ("\xB2" -> "²", "\x80" ->
      // "€"): two bytes of UTF-8, three from U+0800 on; none is above U+FFFF.
      if (cp < 0x800) {
        const char utf8[] = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        out.append(utf8, sizeof utf8);
      } else {
        const char utf8[] = {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                             static_cast<char>(0x80 | (cp & 0x3F))};
        out.append(utf8, sizeof utf8);
      }
    }
    i = plain + 1;
  }
}

std::string VisibleUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  AppendVisibleUtf8(out, cp1252);
  return out;
}

std::string CutForEcho(std::string_view cp1252, std::size_t limit) {
  if (cp1252.size() <= limit) return std::string(cp1252);
  return std::string(cp1252.substr(0, limit)) + "...";
}

}  // namespace anod
