#include "plan/plan_texts.h"

#include <charconv>

#include "core/fixed_writer.h"

namespace anod {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[k]);
    if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

}  // namespace

std::string ShownDecimals(double value, int decimals) {
  std::string text = FormatFixed(value, 3, decimals);
  text.erase(0, text.find_first_not_of(' '));  // the scientific form's sign space
  return text;
}

std::string ShortestNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string EchoText(std::string_view utf8, std::size_t limit) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++characters) {
    if (characters == limit) return out + "...";
    const std::size_t length = SequenceLength(utf8.substr(i));
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const bool c1 = lead == 0xC2 && length == 2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0;
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else if (lead < 0x20 || lead == 0x7F || c1) {
      const unsigned code = c1 ? static_cast<unsigned char>(utf8[i + 1]) : lead;
      out += "\\x";
      out += kHex[code >> 4];
      out += kHex[code & 0xF];
      i += length;
    } else {
      out.append(utf8, i, length);
      i += length;
    }
  }
  return out;
}

}  // namespace anod
