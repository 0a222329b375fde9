#include "ui/window_scroll.h"

#include <algorithm>

namespace anod {
namespace {

int Clamped(long long position, int range, int page) {
  const int last = std::max(0, range - page);
  return static_cast<int>(std::clamp<long long>(position, 0, last));
}

}  // namespace

int ScrollAlong(int position, int range, int page, ScrollMove move) {
  switch (move) {
    case ScrollMove::kLineBack: return Clamped(position - kScrollLine, range, page);
    case ScrollMove::kLineForward: return Clamped(position + kScrollLine, range, page);
    case ScrollMove::kPageBack: return Clamped(position - page, range, page);
    case ScrollMove::kPageForward: return Clamped(static_cast<long long>(position) + page, range, page);
    case ScrollMove::kStart: return 0;
    case ScrollMove::kEnd: return Clamped(range, range, page);
  }
  return Clamped(position, range, page);
}

int WheelScroll(int position, int range, int page, int delta, int lines_per_notch) {
  const long long per_notch =
      lines_per_notch == kWheelScrollsPages ? page : static_cast<long long>(lines_per_notch) * kScrollLine;
  return Clamped(position - per_notch * delta / 120, range, page);
}

}  // namespace anod
