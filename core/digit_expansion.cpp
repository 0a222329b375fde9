#include "core/digit_expansion.h"

#include "core/power_of_ten.h"

namespace anod {

void WriteEighteenDigits(std::uint64_t value, char* out) {
  // Two digits at a time from the right.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  for (int pos = 16; pos >= 0; pos -= 2) {
    const unsigned pair = static_cast<unsigned>(value % 100);
    value /= 100;
    out[pos] = kPairs[2 * pair];
    out[pos + 1] = kPairs[2 * pair + 1];
  }
}

std::string ExpandDigits(Extended y) {
  const Extended z = RoundToWhole(Mul(y, TenPowersLow[17]));
  std::string digits(19, '0');
  std::uint64_t whole = static_cast<std::uint64_t>(z);
  if (whole >= 1'000'000'000'000'000'000ULL) {
    digits[0] = '1';
    whole -= 1'000'000'000'000'000'000ULL;
  }
  WriteEighteenDigits(whole, &digits[1]);
  return digits;
}

bool RoundDigits(std::string& digits, std::size_t count) {
  if (digits[count] < '5') return false;
  for (std::size_t i = count; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

}  // namespace anod
