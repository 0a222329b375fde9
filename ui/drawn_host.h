// The owner of drawn controls: the window's client area and each panel. It
// keeps them in creation order and paints them in that order, a later one
// over an earlier one, each clipped to its own rectangle.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/failures.h"
#include "platform/canvas.h"
#include "ui/drawn_controls.h"

namespace anod {

// Receives a failure raised while the window paints or runs a handler.
using FailureSink = std::function<void(const Exception&)>;

class DrawnHost {
 public:
  DrawnHost() = default;
  DrawnHost(const DrawnHost&) = delete;
  DrawnHost& operator=(const DrawnHost&) = delete;

  // The control repaints through the host's invalidate callback.
  DrawnControl& AddDrawn(std::unique_ptr<DrawnControl> control);
  const std::vector<std::unique_ptr<DrawnControl>>& Drawn() const { return drawn_; }

  // How the toolkit's window behind the host is asked to repaint a rectangle
  // of its client area; controls added before it is set repaint with the
  // window's first paint.
  void SetInvalidate(std::function<void(const Rect&)> invalidate) { invalidate_ = std::move(invalidate); }
  void SetFailureSink(FailureSink sink) { sink_ = std::move(sink); }

  // Paints every drawn control that meets `dirty`, in creation order, each
  // translated to and clipped by its rectangle. A failure of one control is
  // reported and the others still paint.
  void PaintDrawn(Canvas& canvas, const Rect& dirty) const;

 private:
  std::vector<std::unique_ptr<DrawnControl>> drawn_;
  std::function<void(const Rect&)> invalidate_;
  FailureSink sink_;
};

}  // namespace anod
