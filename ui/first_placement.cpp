#include "ui/first_placement.h"

#include <algorithm>

#include "ui/scaling.h"

namespace anod {

Rect FirstPlacement(const Rect& screen, const Rect& available, Size outer) {
  const Size size{std::min(outer.cx, available.Width()), std::min(outer.cy, available.Height())};
  const Point centred = CenteredPosition({screen.Width(), screen.Height()}, size);
  // The right and bottom edges first, so that a window as large as the
  // available area ends at its top left corner.
  const int left = std::max(available.left, std::min(screen.left + centred.x, available.right - size.cx));
  const int top = std::max(available.top, std::min(screen.top + centred.y, available.bottom - size.cy));
  return Rect::FromBounds(left, top, size.cx, size.cy);
}

}  // namespace anod
