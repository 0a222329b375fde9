#include "core/general_writer.h"


#include "core/decimal_mark.h"
#include "core/digit_expansion.h"
#include "core/float_environment.h"
#include "core/power_of_ten.h"

namespace anod {
namespace {

constexpr int kPrecision = 15;
constexpr Extended kTenPower17 = 1e17L;
constexpr Extended kTenPower18 = 1e18L;

// z = |x| × 10^(18 − E) as a whole number with 18 digits; E is the decimal
// exponent of 0.D0D1... × 10^E.
std::uint64_t EighteenDigitsOf(Extended magnitude, int& exponent) {
  exponent = ((BinaryExponent(magnitude) * 19728) >> 16) + 1;
  Extended z = RoundToWhole(ScaleByPowerOfTen(magnitude, 18 - exponent));
  if (z < kTenPower17) {
    // The 16-bit logarithm can overestimate the exponent of very small
    // values by one; take one digit more so that D0 is not zero.
    --exponent;
    z = RoundToWhole(ScaleByPowerOfTen(magnitude, 18 - exponent));
  }
  if (z >= kTenPower18) {
    z = RoundToWhole(Div(z, 10));
    ++exponent;
  }
  return static_cast<std::uint64_t>(z);
}

}  // namespace

std::string FormatGeneral(Extended x) {
  EnterFloatingPointSection();
  if (IsNan(x)) return "NAN";
  if (IsInfinity(x)) return x > 0 ? "INF" : "-INF";
  if (IsZeroOrSubnormal(x)) return "0";

  int exponent = 0;
  std::string digits(18, '0');
  WriteEighteenDigits(EighteenDigitsOf(Magnitude(x), exponent), digits.data());
  if (RoundDigits(digits, kPrecision)) {
    digits.assign(1, '1');
    ++exponent;
  } else {
    digits.resize(kPrecision);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  const char mark = LocaleDecimalMark();
  std::string text;
  if (SignBit(x)) text += '-';
  if (exponent > kPrecision || exponent < -3) {
    text += digits[0];
    if (digits.size() > 1) {
      text += mark;
      text.append(digits, 1);
    }
    text += 'E';
    text += std::to_string(exponent - 1);
  } else if (exponent <= 0) {
    text += '0';
    text += mark;
    text.append(static_cast<std::size_t>(-exponent), '0');
    text += digits;
  } else {
    const auto whole = static_cast<std::size_t>(exponent);
    if (digits.size() <= whole) {
      text += digits;
      text.append(whole - digits.size(), '0');
    } else {
      text.append(digits, 0, whole);
      text += mark;
      text.append(digits, whole);
    }
  }
  return text;
}

}  // namespace anod
