#include "ui/win32/drawn_surface.h"

namespace anod {

DrawnControl& DrawnSurface::Add(std::unique_ptr<DrawnControl> control) {
  DrawnControl& added = *control;
  owned_.push_back(std::move(control));
  Attach(added);
  return added;
}

void DrawnSurface::AddShared(DrawnControl& control) { Attach(control); }

void DrawnSurface::Attach(DrawnControl& control) {
  order_.push_back(&control);
  control.SetInvalidate([this](const Rect& r) {
    if (window_ == nullptr) return;
    const RECT dirty{r.left - scroll_.x, r.top - scroll_.y, r.right - scroll_.x, r.bottom - scroll_.y};
    InvalidateRect(window_, &dirty, FALSE);
  });
}

void DrawnSurface::Paint(Canvas& canvas, const Rect& dirty, Point scroll) const {
  for (DrawnControl* control : order_) {
    const Rect& b = control->Bounds();
    const Rect shown{b.left - scroll.x, b.top - scroll.y, b.right - scroll.x, b.bottom - scroll.y};
    if (shown.right <= dirty.left || shown.left >= dirty.right || shown.bottom <= dirty.top ||
        shown.top >= dirty.bottom) {
      continue;
    }
    CanvasStateSaver saver(canvas);
    canvas.Translate(shown.left, shown.top);
    canvas.IntersectClip({0, 0, b.Width(), b.Height()});
    control->Paint(canvas);
  }
}

}  // namespace anod
