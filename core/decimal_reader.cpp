#include "core/decimal_reader.h"

#include <cstdint>

#include "core/float_environment.h"
#include "core/power_of_ten.h"

namespace anod {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents are gathered in 64 bits and held at this bound, far beyond the
// ±5120 where scaling saturates, so a long run of digits cannot wrap around.
constexpr std::int64_t kExponentBound = 1'000'000'000;

}  // namespace

DecimalReading ReadDecimal(std::string_view text) {
  EnterFloatingPointSection();
  DecimalReading result;
  if (text.empty()) {
    result.position = 1;
    return result;
  }
  const std::size_t length = text.size();
  std::size_t i = 0;
  Extended acc = 0;
  auto fail = [&](std::size_t at) {
    result.value = acc;
    result.position = static_cast<int>(at + 1);
    return result;
  };

  while (i < length && text[i] == ' ') ++i;
  bool negative = false;
  if (i < length && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == length) return fail(i);

  std::int64_t scale = 0;
  bool seen_point = false;
  // While acc × 10 + d stays below 2^64 every extended step is exact, so the
  // digits gather in a 64-bit integer; the extended steps take over after.
  std::uint64_t whole = 0;
  bool exact = true;
  for (; i < length; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      const unsigned d = static_cast<unsigned>(c - '0');
      if (exact && whole <= (UINT64_MAX - 9) / 10) {
        whole = whole * 10 + d;
      } else {
        if (exact) {
          acc = static_cast<Extended>(whole);
          exact = false;
        }
        acc = Add(Mul(acc, 10), d);
      }
      if (seen_point && scale > -kExponentBound) --scale;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  if (exact) acc = static_cast<Extended>(whole);

  if (i < length) {
    if (text[i] != 'E' && text[i] != 'e') return fail(i);
    ++i;
    bool exponent_negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) {
      exponent_negative = text[i] == '-';
      ++i;
    }
    if (i == length || !IsDigit(text[i])) return fail(i);
    std::int64_t k = 0;
    for (; i < length && IsDigit(text[i]); ++i) {
      k = k * 10 + (text[i] - '0');
      if (k > kExponentBound) k = kExponentBound;
    }
    if (i < length) return fail(i);
    scale += exponent_negative ? -k : k;
  }

  const int n = scale >= 5120 ? 5120 : scale <= -5120 ? -5120 : static_cast<int>(scale);
  Extended value = ScaleByPowerOfTen(acc, n);
  result.value = negative ? -value : value;
  result.position = 0;
  return result;
}

}  // namespace anod
