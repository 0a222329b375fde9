#include "core/soft_extended.h"

#include <cmath>
#include <cstring>
#include <ios>
#include <ostream>

namespace anod {

SoftFloatState soft_float;

namespace {

using namespace soft_detail;

enum class Kind { kZero, kFinite, kInfinity, kNaN, kUnsupported };

// A value as sig × 2^(exp − 63), sig's bit 63 set for finite values (the
// denormals normalised).
struct Unpacked {
  Kind kind;
  bool negative;
  int exp;
  std::uint64_t sig;
  bool denormal;
};

Unpacked Unpack(SoftExtended x) {
  const std::uint16_t se = x.SignExponent();
  const std::uint64_t sig = x.Significand();
  const bool negative = (se & 0x8000) != 0;
  const int biased = se & 0x7FFF;
  const bool integer_bit = (sig >> 63) != 0;
  if (biased == 0) {
    if (sig == 0) return {Kind::kZero, negative, 0, 0, false};
    // A denormal, or a pseudo-denormal (integer bit set), which the x87
    // reads with exponent 1.
    const int shift = std::countl_zero(sig);
    return {Kind::kFinite, negative, -16382 - shift, sig << shift, true};
  }
  if (!integer_bit) return {Kind::kUnsupported, negative, 0, sig, false};
  if (biased == 0x7FFF) return {(sig << 1) == 0 ? Kind::kInfinity : Kind::kNaN, negative, 0, sig, false};
  return {Kind::kFinite, negative, biased - 16383, sig, false};
}

int Precision() {
  switch ((soft_float.control >> 8) & 3) {
    case 0: return 24;
    case 2: return 53;
    default: return 64;
  }
}
int RoundingField() { return (soft_float.control >> 10) & 3; }

SoftExtended Raise(std::uint16_t flags, SoftExtended result) {
  soft_float.status |= flags;
  return result;
}
SoftExtended Raise(std::uint16_t flags, const Packed& p) {
  return Raise(flags | p.flags, SoftExtended::FromBits(p.sign_exponent, p.significand));
}

constexpr SoftExtended kIndefinite = SoftExtended::FromBits(0xFFFF, 0xC000000000000000ULL);
SoftExtended Zero(bool negative) { return SoftExtended::FromBits(negative ? 0x8000 : 0, 0); }
SoftExtended Infinity(bool negative) {
  return SoftExtended::FromBits(negative ? 0xFFFF : 0x7FFF, std::uint64_t{1} << 63);
}

bool IsSignaling(const Unpacked& u) { return u.kind == Kind::kNaN && ((u.sig >> 62) & 1) == 0; }
SoftExtended Quiet(SoftExtended x) {
  return SoftExtended::FromBits(x.SignExponent(), x.Significand() | std::uint64_t{1} << 62);
}

// The NaN an operation on at least one NaN gives: a quiet one wins over a
// signaling one, else the larger significand; a signaling NaN raises invalid.
SoftExtended PropagateNaN(SoftExtended a, const Unpacked& ua, SoftExtended b, const Unpacked& ub,
                          std::uint16_t flags) {
  if (IsSignaling(ua) || IsSignaling(ub)) flags |= kInvalid;
  if (ua.kind != Kind::kNaN) return Raise(flags, Quiet(b));
  if (ub.kind != Kind::kNaN) return Raise(flags, Quiet(a));
  if (IsSignaling(ua) != IsSignaling(ub)) return Raise(flags, IsSignaling(ua) ? Quiet(b) : Quiet(a));
  if (ua.sig != ub.sig) return Raise(flags, Quiet(ua.sig > ub.sig ? a : b));
  return Raise(flags, Quiet(ua.negative ? b : a));
}

int CountLeadingZeros(u128 x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(x));
}

Packed Round(bool negative, int exp, std::uint64_t sig) {
  return RoundPack(negative, exp, static_cast<u128>(sig) << 64, Precision(), RoundingField(), false);
}

// The first steps every two-operand operation shares: unsupported
// encodings, then NaNs, then the denormal flag. Returns true with `result`
// set when the operation ends here.
bool Screen(SoftExtended a, const Unpacked& ua, SoftExtended b, const Unpacked& ub, std::uint16_t& flags,
            SoftExtended& result, bool divide = false) {
  if (ua.kind == Kind::kUnsupported || ub.kind == Kind::kUnsupported) {
    result = Raise(kInvalid, kIndefinite);
    return true;
  }
  if (ua.kind == Kind::kNaN || ub.kind == Kind::kNaN) {
    result = PropagateNaN(a, ua, b, ub, 0);
    return true;
  }
  // A division by zero is found before a denormal dividend counts.
  if (divide && ub.kind == Kind::kZero && ua.kind == Kind::kFinite) return false;
  if (ua.denormal || ub.denormal) flags |= kDenormal;
  return false;
}

SoftExtended AddSigned(SoftExtended a, SoftExtended b, bool subtract) {
  const Unpacked ua = Unpack(a);
  Unpacked ub = Unpack(b);
  std::uint16_t flags = 0;
  SoftExtended result;
  if (Screen(a, ua, b, ub, flags, result)) return result;
  ub.negative = ub.negative != subtract;
  if (ua.kind == Kind::kInfinity) {
    if (ub.kind == Kind::kInfinity && ua.negative != ub.negative) return Raise(flags | kInvalid, kIndefinite);
    return Raise(flags, Infinity(ua.negative));
  }
  if (ub.kind == Kind::kInfinity) return Raise(flags, Infinity(ub.negative));
  const int rounding = RoundingField();
  if (ua.kind == Kind::kZero && ub.kind == Kind::kZero) {
    return Raise(flags, Zero(ua.negative == ub.negative ? ua.negative : rounding == kDown));
  }
  if (ua.kind == Kind::kZero) return Raise(flags, Round(ub.negative, ub.exp, ub.sig));
  if (ub.kind == Kind::kZero) return Raise(flags, Round(ua.negative, ua.exp, ua.sig));

  const bool b_larger = ub.exp > ua.exp || (ub.exp == ua.exp && ub.sig > ua.sig);
  const Unpacked& big = b_larger ? ub : ua;
  const Unpacked& small = b_larger ? ua : ub;
  // Bit 125 holds the larger integer bit: room above for the carry.
  const u128 x = static_cast<u128>(big.sig) << 62;
  const u128 y = ShiftRightJam(static_cast<u128>(small.sig) << 62, big.exp - small.exp);
  const u128 sum = big.negative == small.negative ? x + y : x - y;
  if (sum == 0) return Raise(flags, Zero(rounding == kDown));
  const int lz = CountLeadingZeros(sum);
  return Raise(flags, RoundPack(big.negative, big.exp + 2 - lz, sum << lz, Precision(), rounding, false));
}

}  // namespace

SoftExtended operator+(SoftExtended a, SoftExtended b) { return AddSigned(a, b, false); }
SoftExtended operator-(SoftExtended a, SoftExtended b) { return AddSigned(a, b, true); }

SoftExtended operator*(SoftExtended a, SoftExtended b) {
  const Unpacked ua = Unpack(a), ub = Unpack(b);
  std::uint16_t flags = 0;
  SoftExtended result;
  if (Screen(a, ua, b, ub, flags, result)) return result;
  const bool negative = ua.negative != ub.negative;
  if (ua.kind == Kind::kInfinity || ub.kind == Kind::kInfinity) {
    if (ua.kind == Kind::kZero || ub.kind == Kind::kZero) return Raise(flags | kInvalid, kIndefinite);
    return Raise(flags, Infinity(negative));
  }
  if (ua.kind == Kind::kZero || ub.kind == Kind::kZero) return Raise(flags, Zero(negative));
  u128 product = static_cast<u128>(ua.sig) * ub.sig;
  int exp = ua.exp + ub.exp;
  if ((product >> 127) != 0) {
    ++exp;
  } else {
    product <<= 1;
  }
  return Raise(flags, RoundPack(negative, exp, product, Precision(), RoundingField(), false));
}

SoftExtended operator/(SoftExtended a, SoftExtended b) {
  const Unpacked ua = Unpack(a), ub = Unpack(b);
  std::uint16_t flags = 0;
  SoftExtended result;
  if (Screen(a, ua, b, ub, flags, result, true)) return result;
  const bool negative = ua.negative != ub.negative;
  if (ua.kind == Kind::kInfinity) {
    if (ub.kind == Kind::kInfinity) return Raise(flags | kInvalid, kIndefinite);
    return Raise(flags, Infinity(negative));
  }
  if (ub.kind == Kind::kInfinity) return Raise(flags, Zero(negative));
  if (ub.kind == Kind::kZero) {
    if (ua.kind == Kind::kZero) return Raise(flags | kInvalid, kIndefinite);
    return Raise(flags | kZeroDivide, Infinity(negative));
  }
  if (ua.kind == Kind::kZero) return Raise(flags, Zero(negative));
  const u128 numerator = static_cast<u128>(ua.sig) << 64;
  u128 q = numerator / ub.sig;
  u128 r = numerator % ub.sig;
  int extra = 0;
  if ((q >> 64) == 0) {
    // Only 64 quotient bits: one more for the rounding.
    r <<= 1;
    q <<= 1;
    if (r >= ub.sig) {
      r -= ub.sig;
      q |= 1;
    }
    extra = 1;
  }
  const int lz = CountLeadingZeros(q);
  const u128 sig = (q << lz) | (r != 0 ? 1 : 0);
  return Raise(flags, RoundPack(negative, ua.exp - ub.exp - 64 - extra + 127 - lz, sig, Precision(), RoundingField(),
                                false));
}

bool operator==(SoftExtended a, SoftExtended b) {
  const Unpacked ua = Unpack(a), ub = Unpack(b);
  if (ua.kind == Kind::kUnsupported || ub.kind == Kind::kUnsupported) return Raise(kInvalid, a), false;
  if (ua.kind == Kind::kNaN || ub.kind == Kind::kNaN) {
    if (IsSignaling(ua) || IsSignaling(ub)) soft_float.status |= kInvalid;
    return false;
  }
  if (ua.denormal || ub.denormal) soft_float.status |= kDenormal;
  if (ua.kind == Kind::kZero && ub.kind == Kind::kZero) return true;
  return ua.kind == ub.kind && ua.negative == ub.negative && ua.exp == ub.exp && ua.sig == ub.sig;
}

std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) {
  const Unpacked ua = Unpack(a), ub = Unpack(b);
  if (ua.kind == Kind::kUnsupported || ub.kind == Kind::kUnsupported || ua.kind == Kind::kNaN ||
      ub.kind == Kind::kNaN) {
    soft_float.status |= kInvalid;
    return std::partial_ordering::unordered;
  }
  if (ua.denormal || ub.denormal) soft_float.status |= kDenormal;
  if (ua.kind == Kind::kZero && ub.kind == Kind::kZero) return std::partial_ordering::equivalent;
  // Magnitudes in order: zero, finite by (exp, sig), infinity.
  auto magnitude = [](const Unpacked& u, int& rank, int& exp, std::uint64_t& sig) {
    rank = u.kind == Kind::kZero ? 0 : u.kind == Kind::kFinite ? 1 : 2;
    exp = u.exp;
    sig = u.sig;
  };
  int ra, rb, ea, eb;
  std::uint64_t sa, sb;
  magnitude(ua, ra, ea, sa);
  magnitude(ub, rb, eb, sb);
  const bool na = ua.negative && ua.kind != Kind::kZero, nb = ub.negative && ub.kind != Kind::kZero;
  if (na != nb) return na ? std::partial_ordering::less : std::partial_ordering::greater;
  std::strong_ordering m = ra <=> rb;
  if (m == 0) m = ea <=> eb;
  if (m == 0) m = sa <=> sb;
  if (m == 0) return std::partial_ordering::equivalent;
  return (m < 0) != na ? std::partial_ordering::less : std::partial_ordering::greater;
}

SoftExtended::operator double() const {
  const Unpacked u = Unpack(*this);
  const std::uint64_t sign = u.negative ? std::uint64_t{1} << 63 : 0;
  auto bits = [](std::uint64_t b) { return std::bit_cast<double>(b); };
  switch (u.kind) {
    case Kind::kUnsupported: soft_float.status |= kInvalid; return bits(0xFFF8000000000000ULL);
    case Kind::kNaN:
      if (IsSignaling(u)) soft_float.status |= kInvalid;
      return bits(sign | 0x7FF8000000000000ULL | ((u.sig >> 11) & 0xFFFFFFFFFFFFFULL));
    case Kind::kInfinity: return bits(sign | 0x7FF0000000000000ULL);
    case Kind::kZero: return bits(sign);
    case Kind::kFinite: break;
  }
  // A denormal source raises nothing of its own: the store does not count
  // it as a denormal operand.
  const Packed p = RoundPack(u.negative, u.exp, static_cast<u128>(u.sig) << 64, 53, RoundingField(), true);
  soft_float.status |= p.flags;
  return bits(p.significand);
}

SoftExtended::operator long double() const {
  if constexpr (LDBL_MANT_DIG == 64 && sizeof(long double) >= 10) {
    long double v = 0;
    std::memcpy(&v, &significand_, 8);
    std::memcpy(reinterpret_cast<char*>(&v) + 8, &sign_exponent_, 2);
    return v;
  }
  const Unpacked u = Unpack(*this);
  long double v = 0;
  switch (u.kind) {
    case Kind::kUnsupported:
    case Kind::kNaN: v = std::numeric_limits<long double>::quiet_NaN(); break;
    case Kind::kInfinity: v = std::numeric_limits<long double>::infinity(); break;
    case Kind::kZero: v = 0; break;
    case Kind::kFinite: v = std::ldexp(static_cast<long double>(u.sig), u.exp - 63); break;
  }
  return u.negative ? -v : v;
}

SoftExtended::operator std::uint64_t() const {
  const Unpacked u = Unpack(*this);
  if (u.kind != Kind::kFinite || u.negative || u.exp < 0) return 0;
  return u.exp >= 63 ? u.sig << (u.exp - 63) : u.sig >> (63 - u.exp);
}

SoftExtended RoundToIntegral(SoftExtended x) {
  const Unpacked u = Unpack(x);
  switch (u.kind) {
    case Kind::kUnsupported: return Raise(kInvalid, kIndefinite);
    case Kind::kNaN: return Raise(IsSignaling(u) ? kInvalid : 0, Quiet(x));
    case Kind::kInfinity:
    case Kind::kZero: return x;
    case Kind::kFinite: break;
  }
  const std::uint16_t flags = u.denormal ? kDenormal : 0;
  if (u.exp >= 63) return Raise(flags, x);
  // Two bits below the units: the rounding bit and the sticky.
  const u128 bits = ShiftRightJam(static_cast<u128>(u.sig) << 2, 63 - u.exp);
  const std::uint16_t inexact = (bits & 3) != 0 ? kInexact : 0;
  const auto whole = static_cast<std::uint64_t>((bits >> 2) + (Increment(bits, u.negative, RoundingField()) ? 1 : 0));
  if (whole == 0) return Raise(flags | inexact, Zero(u.negative));
  const int shift = std::countl_zero(whole);
  return Raise(flags | inexact, SoftExtended::FromBits(static_cast<std::uint16_t>((u.negative ? 0x8000 : 0) |
                                                                                   (16383 + 63 - shift)),
                                                       whole << shift));
}

std::int64_t ToInt64(SoftExtended x) {
  constexpr std::int64_t kIntegerIndefinite = std::numeric_limits<std::int64_t>::min();
  const Unpacked u = Unpack(x);
  if (u.kind == Kind::kZero) return 0;
  if (u.kind != Kind::kFinite || u.exp >= 64) {
    soft_float.status |= kInvalid;
    return kIntegerIndefinite;
  }
  std::uint16_t flags = 0;  // a denormal source is no denormal operand here
  u128 whole = u.sig;
  if (u.exp < 63) {
    const u128 bits = ShiftRightJam(static_cast<u128>(u.sig) << 2, 63 - u.exp);
    if ((bits & 3) != 0) flags |= kInexact;
    whole = (bits >> 2) + (Increment(bits, u.negative, RoundingField()) ? 1 : 0);
  }
  const u128 limit = (static_cast<u128>(1) << 63) - (u.negative ? 0 : 1);
  if (whole > limit) {
    // Out of range after rounding: invalid alone, not inexact.
    soft_float.status |= kInvalid;
    return kIntegerIndefinite;
  }
  soft_float.status |= flags;
  const auto magnitude = static_cast<std::uint64_t>(whole);
  return static_cast<std::int64_t>(u.negative ? std::uint64_t{0} - magnitude : magnitude);
}

std::ostream& operator<<(std::ostream& out, SoftExtended x) {
  const auto flags = out.flags();
  out << std::hex << x.SignExponent() << ':' << x.Significand() << std::dec << " ("
      << static_cast<double>(static_cast<long double>(x)) << ')';
  out.flags(flags);
  return out;
}

}  // namespace anod
