// Milliseconds since an arbitrary start, wrapping at 2^32, like the system
// tick count the progress monitor reads. Tests install a clock of their own.
#pragma once

#include <cstdint>

namespace anod {

using TickSource = std::uint32_t (*)();

std::uint32_t TickCount();
// Installs `source` (null: the steady clock) and returns the one it replaces.
TickSource SetTickSource(TickSource source);

}  // namespace anod
