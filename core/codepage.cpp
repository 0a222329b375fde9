#include "core/codepage.h"

#include <array>

namespace anod {
namespace {

// Bytes 80 to 9F: the code page's own characters; 0 where it defines none.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  if (cp >= 0x80 && cp < 0xA0 && kHighControls[cp - 0x80] == 0) return static_cast<char>(cp);
  return '?';
}

// A well-formed UTF-8 sequence by its lead byte: its length and the range
// of its second byte, which excludes overlong forms (after E0 and F0),
// surrogates (after ED) and code points beyond U+10FFFF (after F4). Later
// bytes are always 80 to BF.
struct WellFormed {
  std::size_t length;
  unsigned char second_low;
  unsigned char second_high;
};

// nullptr for ASCII and for bytes no well-formed sequence starts with (80 to
// C1, F5 to FF).
const WellFormed* FormOfLead(unsigned char lead) {
  static constexpr WellFormed kTwo{2, 0x80, 0xBF}, kE0{3, 0xA0, 0xBF}, kThree{3, 0x80, 0xBF},
      kED{3, 0x80, 0x9F}, kF0{4, 0x90, 0xBF}, kFour{4, 0x80, 0xBF}, kF4{4, 0x80, 0x8F};
  if (lead >= 0xC2 && lead <= 0xDF) return &kTwo;
  if (lead == 0xE0) return &kE0;
  if (lead == 0xED) return &kED;
  if (lead >= 0xE1 && lead <= 0xEF) return &kThree;
  if (lead == 0xF0) return &kF0;
  if (lead >= 0xF1 && lead <= 0xF3) return &kFour;
  if (lead == 0xF4) return &kF4;
  return nullptr;
}

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) {
    return kHighControls[byte - 0x80];
  }
  return byte;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (unsigned char c : text) AppendUtf8(out, Cp1252ToCodePoint(c));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const WellFormed* form = FormOfLead(lead);
    if (form == nullptr) {
      out += lead < 0x80 ? static_cast<char>(lead) : '?';
      ++i;
      continue;
    }
    // The maximal subpart: the lead and every following byte that still
    // fits a well-formed sequence; when the sequence breaks off, that much
    // is one refused character and the byte that broke it starts afresh.
    char32_t cp = lead & (0x7F >> form->length);
    std::size_t taken = 1;
    for (; taken < form->length && i + taken < text.size(); ++taken) {
      const auto next = static_cast<unsigned char>(text[i + taken]);
      const unsigned char low = taken == 1 ? form->second_low : 0x80;
      const unsigned char high = taken == 1 ? form->second_high : 0xBF;
      if (next < low || next > high) break;
      cp = (cp << 6) | (next & 0x3F);
    }
    out += taken == form->length ? ToCp1252(cp) : '?';
    i += taken;
  }
  return out;
}

}  // namespace anod
