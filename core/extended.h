// Extended arithmetic: the 80-bit extended format (64-bit significand) and
// the checked steps every calculation is made of.
//
// Where long double is the x87 format (x86 and x86-64, Linux and Windows)
// `Extended` is long double and the x87 unit computes; elsewhere (64-bit
// ARM, where long double is a 128-bit quad) and when the build forces it
// (-DANOD_SOFT_EXTENDED=ON), `Extended` is the software type of
// core/soft_extended.h, which gives the same bits and the same status flags.
// ANOD_X87_EXTENDED says which one this build has.
//
// Each step does one operation, then tests the floating-point status; when an
// event that the word in force leaves unmasked has occurred, the step throws
// the matching failure (EOverflow, EInvalidOp, EZeroDivide, ...) and its
// destination is not written, so no later step runs. An empty `asm volatile`
// on the result (x87 only) pins the operation before the status read: without it GCC at
// -O2 moves an x87 multiply-and-store below the test, or drops an unused one,
// and the failure would go unnoticed.
//
// The status flags are sticky and the steps do not clear them: a section of
// work starts with EnterFloatingPointSection() (core/float_environment.h),
// and a step fails on any unmasked event since then.
//
//   Mul(1e4000L, 1e4000L)          -> throws EOverflow
//   Mul(kInfinity, 0)              -> throws EInvalidOp
//   Mul(kInfinity, 2)              -> +infinity (no failure)
//   StoreDouble(1e400L)            -> throws EOverflow
//   StoreDouble(1e-400L)           -> 0 (underflow is masked)
//   RoundToWhole(2.5L)             -> 2 (ties to even)
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#if !defined(ANOD_SOFT_EXTENDED) && LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
#define ANOD_X87_EXTENDED 1
#else
#define ANOD_X87_EXTENDED 0
#include "core/soft_extended.h"
#endif

namespace anod {

// Throws the failure for the unmasked events among `status`.
[[noreturn]] void ThrowFloatFailure(std::uint16_t status);

namespace detail {
// The event bits the word in force unmasks; kept by LoadControlWord.
extern std::uint16_t unmasked_events;
}  // namespace detail

#if ANOD_X87_EXTENDED

using Extended = long double;

inline std::uint16_t ReadFloatStatus() {
  std::uint16_t status;
  asm volatile("fnstsw %0" : "=am"(status));
  return status;
}
inline void ClearFloatStatus() { asm volatile("fnclex"); }

#else

using Extended = SoftExtended;

inline std::uint16_t ReadFloatStatus() { return soft_float.status; }
inline void ClearFloatStatus() { soft_float.status = 0; }

#endif

inline constexpr Extended kExtendedInfinity = std::numeric_limits<Extended>::infinity();

// significand × 2^exponent, exactly, for a significand with its top bit set
// and a result in the normal range: constants written the same way whatever
// long double is.
//   ExtendedFromParts(0xA000000000000000, -60) -> 10
constexpr Extended ExtendedFromParts(std::uint64_t significand, int exponent) {
#if ANOD_X87_EXTENDED
  Extended x = static_cast<Extended>(significand);
  for (; exponent >= 64; exponent -= 64) x *= 0x1p64L;
  for (; exponent <= -64; exponent += 64) x *= 0x1p-64L;
  for (; exponent > 0; --exponent) x *= 2;
  for (; exponent < 0; ++exponent) x *= 0.5L;
  return x;
#else
  return Extended::FromBits(static_cast<std::uint16_t>(16383 + 63 + exponent), significand);
#endif
}

// Fails when an unmasked event has happened since the section began.
inline void CheckFloatStatus() {
  const std::uint16_t status = ReadFloatStatus();
  if ((status & detail::unmasked_events) != 0) ThrowFloatFailure(status);
}

#if ANOD_X87_EXTENDED

// Keeps `value` where it is: the computation producing it happens before
// this point, and is never dropped.
inline void Pin(Extended& value) { asm volatile("" : "+t"(value)); }
inline void Pin(double& value) { asm volatile("" : "+m"(value)); }

inline Extended Mul(Extended a, Extended b) {
  Extended r = a * b;
  Pin(r);
  CheckFloatStatus();
  return r;
}
inline Extended Div(Extended a, Extended b) {
  Extended r = a / b;
  Pin(r);
  CheckFloatStatus();
  return r;
}
inline Extended Add(Extended a, Extended b) {
  Extended r = a + b;
  Pin(r);
  CheckFloatStatus();
  return r;
}
inline Extended Sub(Extended a, Extended b) {
  Extended r = a - b;
  Pin(r);
  CheckFloatStatus();
  return r;
}

// Rounds to the double format (ties to even) as a store into a double does:
// overflow fails for a finite value beyond the double range; infinities pass.
inline double StoreDouble(Extended x) {
  double d = static_cast<double>(x);
  Pin(d);
  CheckFloatStatus();
  return d;
}

// The nearest whole number, ties to even, still as an extended value.
inline Extended RoundToWhole(Extended x) {
  asm volatile("frndint" : "+t"(x));
  CheckFloatStatus();
  return x;
}

// Converts to a signed 64-bit integer, rounding to nearest (ties to even);
// out of range or an infinity is the invalid operation.
inline std::int64_t StoreInt64(Extended x) {
  std::int64_t r;
  asm volatile("fistpll %0" : "=m"(r) : "t"(x) : "st");
  CheckFloatStatus();
  return r;
}

inline bool IsNan(Extended x) { return std::isnan(x); }
inline bool IsInfinity(Extended x) { return std::isinf(x); }
inline bool SignBit(Extended x) { return std::signbit(x); }
inline Extended Magnitude(Extended x) { return std::fabs(x); }

// The sign and biased exponent, and the significand, as the x87 stores them.
inline std::uint16_t SignExponentOf(Extended x) {
  std::uint16_t se;
  std::memcpy(&se, reinterpret_cast<const char*>(&x) + 8, sizeof se);
  return se;
}
inline std::uint64_t SignificandOf(Extended x) {
  std::uint64_t m;
  std::memcpy(&m, &x, sizeof m);
  return m;
}

#else

// The same steps on the software type: its operations cannot be moved or
// dropped behind the status test, as they are ordinary calls.
inline Extended Mul(Extended a, Extended b) {
  const Extended r = a * b;
  CheckFloatStatus();
  return r;
}
inline Extended Div(Extended a, Extended b) {
  const Extended r = a / b;
  CheckFloatStatus();
  return r;
}
inline Extended Add(Extended a, Extended b) {
  const Extended r = a + b;
  CheckFloatStatus();
  return r;
}
inline Extended Sub(Extended a, Extended b) {
  const Extended r = a - b;
  CheckFloatStatus();
  return r;
}
inline double StoreDouble(Extended x) {
  const double d = static_cast<double>(x);
  CheckFloatStatus();
  return d;
}
inline Extended RoundToWhole(Extended x) {
  const Extended r = RoundToIntegral(x);
  CheckFloatStatus();
  return r;
}
inline std::int64_t StoreInt64(Extended x) {
  const std::int64_t r = ToInt64(x);
  CheckFloatStatus();
  return r;
}

inline std::uint16_t SignExponentOf(Extended x) { return x.SignExponent(); }
inline std::uint64_t SignificandOf(Extended x) { return x.Significand(); }
inline bool IsNan(Extended x) { return (x.SignExponent() & 0x7FFF) == 0x7FFF && (x.Significand() << 1) != 0; }
inline bool IsInfinity(Extended x) { return (x.SignExponent() & 0x7FFF) == 0x7FFF && (x.Significand() << 1) == 0; }
inline bool SignBit(Extended x) { return (x.SignExponent() & 0x8000) != 0; }
inline Extended Magnitude(Extended x) { return Extended::FromBits(x.SignExponent() & 0x7FFF, x.Significand()); }

#endif

// The power-of-two exponent p of a finite non-zero x: 2^p <= |x| < 2^(p+1).
int BinaryExponent(Extended x);

// True for the extended subnormals and for zero (biased exponent 0).
inline bool IsZeroOrSubnormal(Extended x) { return (SignExponentOf(x) & 0x7FFF) == 0; }

}  // namespace anod
