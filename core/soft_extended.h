// The 80-bit extended format in software, for processors without the x87
// unit (64-bit ARM, where long double is a 128-bit quad, and others).
//
// A value is stored as the x87 stores it in memory: a 64-bit significand
// with an explicit integer bit, then the sign and a 15-bit exponent biased
// by 16383. Every operation rounds as the x87 unit does under the precision
// (24, 53 or 64 bits) and rounding fields of `soft_float.control`, and raises
// the x87 status flags (invalid, denormal, zero divide, overflow, underflow,
// precision) in `soft_float.status`, which only ever gain bits; no operation
// throws. Checking the flags is the business of core/extended.h.
//
// The encodings the x87 treats specially behave as there: a pseudo-denormal
// (exponent 0, integer bit set) counts as a denormal operand with exponent 1;
// an unnormal, a pseudo-infinity or a pseudo-NaN (integer bit clear with a
// non-zero exponent) is an invalid operand whose result is the indefinite NaN.
//
//   SoftExtended(1) / SoftExtended(3)  -> 0xAAAAAAAAAAAAAAAB × 2^-65, precision raised
//   with the precision field at 53 bits -> 0xAAAAAAAAAAAAA800 × 2^-65
//   SoftExtended(1) / SoftExtended(0)  -> +infinity, zero divide raised
//   static_cast<double>(SoftExtended(1e400L)) -> +infinity, overflow and precision raised
//   RoundToIntegral(SoftExtended(2.5)) -> 2 (to nearest, ties to even)
//   ToInt64(SoftExtended(0x1p63L))     -> INT64_MIN, invalid raised (the integer indefinite)
#pragma once

#include <bit>
#include <cfloat>
#include <compare>
#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <type_traits>

namespace anod {

// The x87 control word's precision and rounding fields, and the sticky
// status flags, of the software type. The exception masks of the control
// word play no part here.
struct SoftFloatState {
  std::uint16_t control = 0x037F;
  std::uint16_t status = 0;
};
extern SoftFloatState soft_float;

class SoftExtended;

namespace soft_detail {

using u128 = unsigned __int128;

inline constexpr std::uint16_t kInvalid = 0x01, kDenormal = 0x02, kZeroDivide = 0x04, kOverflow = 0x08,
                               kUnderflow = 0x10, kInexact = 0x20;
enum RoundingMode { kToNearest = 0, kDown = 1, kUp = 2, kTowardZero = 3 };

// A rounded result: the extended encoding (or, for a double, its bits in
// `significand`) and the flags raised on the way.
struct Packed {
  std::uint16_t sign_exponent;
  std::uint64_t significand;
  std::uint16_t flags;
};

// Whether x's top bits (x >> 2) round up by one, the two bits below them
// being the rounding bit and the sticky.
constexpr bool Increment(u128 x, bool negative, int rounding) {
  const bool round_bit = (x & 2) != 0, sticky = (x & 1) != 0;
  switch (rounding) {
    case kToNearest: return round_bit && (sticky || (x & 4) != 0);
    case kDown: return negative && (round_bit || sticky);
    case kUp: return !negative && (round_bit || sticky);
    default: return false;
  }
}

constexpr u128 ShiftRightJam(u128 x, int count) {
  if (count <= 0) return x;
  if (count >= 128) return x != 0;
  return (x >> count) | ((x << (128 - count)) != 0);
}

// Rounds sig / 2^127 × 2^exp (bit 127 of sig set; bit 0 may hold the
// sticky of lower bits) to `precision` bits under `rounding`, into the
// extended format or, when `to_double`, the double format, with the x87's
// masked responses: tininess is judged after rounding, underflow is raised
// only when tiny and inexact, overflow gives infinity or the largest finite
// value of that precision as the rounding direction says.
constexpr Packed RoundPack(bool negative, int exp, u128 sig, int precision, int rounding, bool to_double) {
  const int emin = to_double ? -1022 : -16382;
  const int emax = to_double ? 1023 : 16383;
  auto increment = [&](u128 x) { return Increment(x, negative, rounding); };
  const int keep = exp >= emin ? precision : precision - (emin - exp);
  const u128 x = ShiftRightJam(sig, 126 - keep);
  const bool inexact = (x & 3) != 0;
  u128 kept = (x >> 2) + (increment(x) ? 1 : 0);
  std::uint16_t flags = inexact ? kInexact : 0;
  const std::uint64_t sign_bit = negative ? 1 : 0;
  if (exp >= emin) {
    if ((kept >> precision) != 0) {
      kept >>= 1;
      ++exp;
    }
    if (exp > emax) {
      flags |= kOverflow | kInexact;
      const bool to_infinity = rounding == kToNearest || (rounding == kUp && !negative) ||
                               (rounding == kDown && negative);
      if (to_double) {
        return {0, sign_bit << 63 | (to_infinity ? 0x7FF0000000000000ULL : 0x7FEFFFFFFFFFFFFFULL), flags};
      }
      const std::uint64_t largest = ~std::uint64_t{0} << (64 - precision);
      return {static_cast<std::uint16_t>(sign_bit << 15 | (to_infinity ? 0x7FFF : 0x7FFE)),
              to_infinity ? std::uint64_t{1} << 63 : largest, flags};
    }
    if (to_double) {
      return {0, sign_bit << 63 | ((static_cast<std::uint64_t>(exp + 1022) << 52) + static_cast<std::uint64_t>(kept)),
              flags};
    }
    return {static_cast<std::uint16_t>(sign_bit << 15 | static_cast<unsigned>(exp + 16383)),
            static_cast<std::uint64_t>(kept) << (64 - precision), flags};
  }
  // Tiny unless rounding to full precision with an unbounded exponent
  // reaches 2^emin.
  bool tiny = true;
  if (exp == emin - 1) {
    const u128 y = ShiftRightJam(sig, 126 - precision);
    if ((((y >> 2) + (increment(y) ? 1 : 0)) >> precision) != 0) tiny = false;
  }
  if (tiny && inexact) flags |= kUnderflow;
  if (to_double) return {0, sign_bit << 63 | static_cast<std::uint64_t>(kept), flags};
  const std::uint64_t significand = static_cast<std::uint64_t>(kept) << (64 - precision);
  return {static_cast<std::uint16_t>(sign_bit << 15 | (significand >> 63)), significand, flags};
}

}  // namespace soft_detail

class SoftExtended {
 public:
  constexpr SoftExtended() = default;
  template <std::integral T>
  constexpr SoftExtended(T n) {  // NOLINT: converts implicitly, as long double does
    if (n == 0) return;
    const bool negative = n < 0;
    const std::uint64_t m = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const int shift = std::countl_zero(m);
    significand_ = m << shift;
    sign_exponent_ = static_cast<std::uint16_t>((negative ? 0x8000 : 0) | (16383 + 63 - shift));
  }
  // Exact. A subnormal double raises the denormal flag, as the x87 load does.
  constexpr SoftExtended(double d);  // NOLINT
  // Exact where long double has at most 64 significant bits; a quad is
  // rounded to nearest, ties to even, and raises nothing.
  constexpr SoftExtended(long double v);  // NOLINT

  static constexpr SoftExtended FromBits(std::uint16_t sign_exponent, std::uint64_t significand) {
    SoftExtended x;
    x.sign_exponent_ = sign_exponent;
    x.significand_ = significand;
    return x;
  }
  constexpr std::uint16_t SignExponent() const { return sign_exponent_; }
  constexpr std::uint64_t Significand() const { return significand_; }

  friend SoftExtended operator+(SoftExtended a, SoftExtended b);
  friend SoftExtended operator-(SoftExtended a, SoftExtended b);
  friend SoftExtended operator*(SoftExtended a, SoftExtended b);
  friend SoftExtended operator/(SoftExtended a, SoftExtended b);
  SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
  SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
  SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
  SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }
  constexpr SoftExtended operator-() const { return FromBits(sign_exponent_ ^ 0x8000, significand_); }

  // Ordered comparisons of a NaN are false and raise invalid; == and !=
  // raise it only for a signaling NaN. Denormal operands raise denormal.
  friend bool operator==(SoftExtended a, SoftExtended b);
  friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b);

  // Rounds to a double (53 bits, the double's exponent range) under the
  // rounding field, as a store into a double does.
  explicit operator double() const;
  // Exact on targets whose long double holds 64 significant bits or more.
  explicit operator long double() const;
  // The whole part of a value in [0, 2^64); raises nothing.
  explicit operator std::uint64_t() const;

 private:
  std::uint64_t significand_ = 0;
  std::uint16_t sign_exponent_ = 0;
};

// The nearest whole number under the rounding field (the precision field
// plays no part), as an extended value; a zero keeps its sign.
SoftExtended RoundToIntegral(SoftExtended x);
// Converts to a signed 64-bit integer under the rounding field; out of
// range, infinities and NaNs raise invalid and give INT64_MIN.
std::int64_t ToInt64(SoftExtended x);

std::ostream& operator<<(std::ostream& out, SoftExtended x);

constexpr SoftExtended::SoftExtended(double d) {
  const auto bits = std::bit_cast<std::uint64_t>(d);
  const bool negative = (bits >> 63) != 0;
  const int biased = static_cast<int>(bits >> 52) & 0x7FF;
  std::uint64_t fraction = bits & 0xFFFFFFFFFFFFFULL;
  std::uint16_t sign = negative ? 0x8000 : 0;
  if (biased == 0x7FF) {
    // A signaling NaN is made quiet and raises invalid, as the x87 load does.
    if (fraction != 0 && (fraction >> 51) == 0) {
      if (!std::is_constant_evaluated()) soft_float.status |= soft_detail::kInvalid;
      fraction |= std::uint64_t{1} << 51;
    }
    sign_exponent_ = sign | 0x7FFF;
    significand_ = std::uint64_t{1} << 63 | fraction << 11;
  } else if (biased != 0) {
    sign_exponent_ = static_cast<std::uint16_t>(sign | (biased - 1023 + 16383));
    significand_ = std::uint64_t{1} << 63 | fraction << 11;
  } else if (fraction == 0) {
    sign_exponent_ = sign;
  } else {
    if (!std::is_constant_evaluated()) soft_float.status |= soft_detail::kDenormal;
    const int shift = std::countl_zero(fraction);
    significand_ = fraction << shift;
    sign_exponent_ = static_cast<std::uint16_t>(sign | (16383 - 1022 - 52 + 63 - shift));
  }
}

constexpr SoftExtended::SoftExtended(long double v) {
  if constexpr (LDBL_MANT_DIG == 64 && sizeof(long double) >= 10) {
    if (!std::is_constant_evaluated()) {
      // The x87 format itself: copy the ten bytes.
      __builtin_memcpy(&significand_, &v, 8);
      __builtin_memcpy(&sign_exponent_, reinterpret_cast<const char*>(&v) + 8, 2);
      return;
    }
  }
  const bool negative = __builtin_signbit(v);
  const std::uint16_t sign = negative ? 0x8000 : 0;
  if (v != v) {
    sign_exponent_ = sign | 0x7FFF;
    significand_ = 0xC000000000000000ULL;
    return;
  }
  long double a = negative ? -v : v;
  if (a == 0) {
    sign_exponent_ = sign;
    return;
  }
  if (a > LDBL_MAX) {
    sign_exponent_ = sign | 0x7FFF;
    significand_ = std::uint64_t{1} << 63;
    return;
  }
  // Brings a into [1, 2) by exact steps of powers of two.
  int exp = 0;
  while (a >= 0x1p512L) a *= 0x1p-512L, exp += 512;
  while (a < 0x1p-512L) a *= 0x1p512L, exp -= 512;
  while (a >= 0x1p32L) a *= 0x1p-32L, exp += 32;
  while (a < 0x1p-32L) a *= 0x1p32L, exp -= 32;
  while (a >= 2) a *= 0.5L, ++exp;
  while (a < 1) a *= 2, --exp;
  const long double scaled = a * 0x1p63L;
  const auto high = static_cast<std::uint64_t>(scaled);
  const auto low = static_cast<std::uint64_t>((scaled - static_cast<long double>(high)) * 0x1p64L);
  const soft_detail::Packed p = soft_detail::RoundPack(
      negative, exp, (static_cast<soft_detail::u128>(high) << 64 | low), 64, soft_detail::kToNearest, false);
  sign_exponent_ = p.sign_exponent;
  significand_ = p.significand;
}

}  // namespace anod

template <>
class std::numeric_limits<anod::SoftExtended> {
 public:
  static constexpr bool is_specialized = true;
  static constexpr bool is_signed = true;
  static constexpr bool has_infinity = true;
  static constexpr bool has_quiet_NaN = true;
  static constexpr int digits = 64;
  static constexpr anod::SoftExtended max() { return anod::SoftExtended::FromBits(0x7FFE, ~0ULL); }
  static constexpr anod::SoftExtended lowest() { return anod::SoftExtended::FromBits(0xFFFE, ~0ULL); }
  static constexpr anod::SoftExtended min() { return anod::SoftExtended::FromBits(1, 1ULL << 63); }
  static constexpr anod::SoftExtended denorm_min() { return anod::SoftExtended::FromBits(0, 1); }
  static constexpr anod::SoftExtended infinity() { return anod::SoftExtended::FromBits(0x7FFF, 1ULL << 63); }
  static constexpr anod::SoftExtended quiet_NaN() { return anod::SoftExtended::FromBits(0x7FFF, 3ULL << 62); }
};
