#include "core/whole_numbers.h"

#include "core/float_environment.h"

namespace anod {

std::int64_t RoundToInt64(Extended x) {
  EnterFloatingPointSection();
  return StoreInt64(x);
}

std::int64_t MulInt64(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}

}  // namespace anod
