#include "core/extended.h"

#include "core/failure_map.h"
#include "core/float_environment.h"

namespace anod {

void ThrowFloatFailure(std::uint16_t status) {
  // Leave the flags clear for whoever goes on after the catch.
  ClearFloatStatus();
  ExceptionRecord record;
  record.code = FloatStatusCode(FailingEvents(status));
  ThrowProcessorFailure(record);
}

int BinaryExponent(Extended x) {
  const int biased = SignExponentOf(x) & 0x7FFF;
  if (biased != 0) return biased - 16383;
  // Subnormal: the integer bit is clear and the value is m × 2^(-16382-63).
  return -16382 - __builtin_clzll(SignificandOf(x));
}

}  // namespace anod
