#include "ui/drawn_host.h"

namespace anod {

DrawnControl& DrawnHost::AddDrawn(std::unique_ptr<DrawnControl> control) {
  control->SetInvalidate([this](const Rect& r) {
    if (invalidate_) invalidate_(r);
  });
  drawn_.push_back(std::move(control));
  return *drawn_.back();
}

void DrawnHost::PaintDrawn(Canvas& canvas, const Rect& dirty) const {
  for (const auto& control : drawn_) {
    const Rect& b = control->Bounds();
    if (b.IsEmpty() || b.right <= dirty.left || b.left >= dirty.right || b.bottom <= dirty.top ||
        b.top >= dirty.bottom) {
      continue;
    }
    CanvasStateSaver saver(canvas);
    canvas.Translate(b.left, b.top);
    canvas.IntersectClip({0, 0, b.Width(), b.Height()});
    try {
      control->Paint(canvas);
    } catch (const Exception& failure) {
      if (sink_) sink_(failure);
    }
  }
}

}  // namespace anod
