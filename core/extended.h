// Extended arithmetic: the x87 80-bit format (64-bit significand) and the
// checked steps every calculation is made of.
//
// Each step does one operation, then tests the floating-point status; when an
// event that the word in force leaves unmasked has occurred, the step throws
// the matching failure (EOverflow, EInvalidOp, EZeroDivide, ...) and its
// destination is not written, so no later step runs. An empty `asm volatile`
// on the result pins the operation before the status read: without it GCC at
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
#include <cstdint>
#include <limits>

namespace anod {

static_assert(LDBL_MANT_DIG == 64, "the calculation core needs the x87 80-bit long double");

using Extended = long double;

inline constexpr Extended kExtendedInfinity = std::numeric_limits<Extended>::infinity();

// Throws the failure for the unmasked events among `status`.
[[noreturn]] void ThrowFloatFailure(std::uint16_t status);

namespace detail {
// The event bits the word in force unmasks; kept by LoadControlWord.
extern std::uint16_t unmasked_events;
}  // namespace detail

inline std::uint16_t ReadFloatStatus() {
  std::uint16_t status;
  asm volatile("fnstsw %0" : "=am"(status));
  return status;
}

// Fails when an unmasked event has happened since the section began.
inline void CheckFloatStatus() {
  const std::uint16_t status = ReadFloatStatus();
  if ((status & detail::unmasked_events) != 0) ThrowFloatFailure(status);
}

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

// The power-of-two exponent p of a finite non-zero x: 2^p <= |x| < 2^(p+1).
int BinaryExponent(Extended x);

// True for the extended subnormals and for zero (biased exponent 0).
bool IsZeroOrSubnormal(Extended x);

}  // namespace anod
