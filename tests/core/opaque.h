// A value the optimiser cannot see through, so that each checked step
// really runs on the processor when the test says so.
#pragma once

#include "core/extended.h"

namespace anod::test {

inline Extended Opaque(Extended x) {
  asm volatile("" : "+m"(x));
  return x;
}

}  // namespace anod::test
