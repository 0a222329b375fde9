#include "core/fixed_writer.h"

#include <algorithm>

#include "core/digit_expansion.h"
#include "core/float_environment.h"
#include "core/power_of_ten.h"

namespace anod {
namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;

std::string PadLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// ⌊p × log10 2⌋ with log10 2 taken to 16 bits (4D10 / 65536), rounding
// towards minus infinity.
int DecimalExponentOf(int p) { return (p * 19728) >> 16; }

// Brings a finite non-zero y near 1: afterwards 1 <= y < 16 and the
// original is about y × 10^exponent.
void ScaleTowardsOne(Extended& y, int& exponent) {
  for (;;) {
    const int k = DecimalExponentOf(BinaryExponent(y));
    if (k == 0) return;
    exponent += k;
    y = ScaleByPowerOfTen(y, -k);
  }
}

std::string Scientific(Extended y, int exponent, bool negative, int width) {
  const auto significant = static_cast<std::size_t>(std::clamp(width - 8, 2, 18));
  std::string digits = ExpandDigits(y);
  std::size_t first = 1;
  if (digits[0] == '1') {
    first = 0;
    ++exponent;
  }
  // With 18 significant digits from D1 on there is no digit left to round on.
  if (first + significant < digits.size()) RoundDigits(digits, first + significant);
  if (first == 1 && digits[0] == '1') {
    // The rounding carried into a new leading digit.
    first = 0;
    ++exponent;
  }
  std::string text(1, negative ? '-' : ' ');
  text += digits[first];
  text += '.';
  text.append(digits, first + 1, significant - 1);
  text += 'E';
  text += exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  char exponent_digits[5];
  exponent_digits[0] = static_cast<char>('0' + magnitude / 1000 % 10);
  exponent_digits[1] = static_cast<char>('0' + magnitude / 100 % 10);
  exponent_digits[2] = static_cast<char>('0' + magnitude / 10 % 10);
  exponent_digits[3] = static_cast<char>('0' + magnitude % 10);
  text.append(exponent_digits, 4);
  return PadLeft(std::move(text), width);
}

}  // namespace

std::string FormatFixed(Extended x, int width, int decimals) {
  EnterFloatingPointSection();
  width = std::min(width, kMaxWidth);
  decimals = std::min(decimals, kMaxDecimals);
  if (IsNan(x)) return PadLeft("Nan", width);
  if (IsInfinity(x)) return PadLeft(x > 0 ? "+Inf" : "-Inf", width);

  const bool negative = SignBit(x);
  Extended y = Magnitude(x);
  int exponent = 0;
  if (decimals < 0) {
    if (y != 0) ScaleTowardsOne(y, exponent);
    return Scientific(y, exponent, negative, width);
  }
  if (y >= 10) ScaleTowardsOne(y, exponent);
  if (exponent > 35) return Scientific(y, exponent, negative, width);

  // n = E + 1 + decimals digits after D0; beyond D18 they are zeros.
  const std::size_t n = static_cast<std::size_t>(exponent + 1 + decimals);
  std::string digits = ExpandDigits(y);
  if (n >= 18) {
    digits.append(n - 18, '0');
  } else {
    RoundDigits(digits, n + 1);
    digits.resize(n + 1);
  }
  std::size_t first = digits[0] == '0' ? 1 : 0;
  const std::size_t integer_digits = static_cast<std::size_t>(exponent + 1) + (first == 0 ? 1 : 0);

  std::string text;
  text.reserve(n + 3);
  if (negative) text += '-';
  text.append(digits, first, integer_digits);
  if (decimals > 0) {
    text += '.';
    text.append(digits, first + integer_digits, static_cast<std::size_t>(decimals));
  }
  return PadLeft(std::move(text), width);
}

}  // namespace anod
