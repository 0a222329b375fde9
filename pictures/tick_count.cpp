#include "pictures/tick_count.h"

#include <chrono>

namespace anod {
namespace {

std::uint32_t SteadyTicks() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

TickSource g_source = SteadyTicks;

}  // namespace

std::uint32_t TickCount() { return g_source(); }

TickSource SetTickSource(TickSource source) {
  const TickSource previous = g_source;
  g_source = source != nullptr ? source : SteadyTicks;
  return previous;
}

}  // namespace anod
