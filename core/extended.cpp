#include "core/extended.h"

#include <cstring>

#include "core/failure_map.h"
#include "core/float_environment.h"

namespace anod {

void ThrowFloatFailure(std::uint16_t status) {
  // Leave the flags clear for whoever goes on after the catch.
  asm volatile("fnclex");
  ExceptionRecord record;
  record.code = FloatStatusCode(FailingEvents(status));
  ThrowProcessorFailure(record);
}

namespace {
// The 15-bit biased exponent of the 80-bit format.
int BiasedExponent(Extended x) {
  unsigned char bytes[sizeof(Extended)];
  std::memcpy(bytes, &x, sizeof bytes);
  return ((bytes[9] & 0x7F) << 8) | bytes[8];
}
std::uint64_t Significand(Extended x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}
}  // namespace

bool IsZeroOrSubnormal(Extended x) { return BiasedExponent(x) == 0; }

int BinaryExponent(Extended x) {
  const int biased = BiasedExponent(x);
  if (biased != 0) return biased - 16383;
  // Subnormal: the integer bit is clear and the value is m × 2^(-16382-63).
  const std::uint64_t m = Significand(x);
  return -16382 - __builtin_clzll(m);
}

}  // namespace anod
