// The drawn controls of one window (the form's client area or a panel):
// painted by that window in creation order, each translated to and clipped
// by its own rectangle, after the window's background. A control that asks
// to be repainted invalidates its rectangle of the window, moved by the
// window's scroll position.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "ui/drawn_controls.h"

namespace anod {

class DrawnSurface {
 public:
  explicit DrawnSurface(HWND window = nullptr) : window_(window) {}
  void SetWindow(HWND window) { window_ = window; }
  HWND Window() const { return window_; }

  // The surface owns the control from now on.
  DrawnControl& Add(std::unique_ptr<DrawnControl> control);
  // The same, for a control owned elsewhere (it must outlive the surface).
  void AddShared(DrawnControl& control);
  const std::vector<DrawnControl*>& Controls() const { return order_; }

  // Paints every control meeting `dirty` (window coordinates), with the
  // window's contents moved by -scroll.
  void Paint(Canvas& canvas, const Rect& dirty, Point scroll) const;
  // Where the controls start in the window (the negative scroll position).
  void SetScroll(Point scroll) { scroll_ = scroll; }

 private:
  void Attach(DrawnControl& control);

  HWND window_;
  Point scroll_{};
  std::vector<std::unique_ptr<DrawnControl>> owned_;
  std::vector<DrawnControl*> order_;
};

}  // namespace anod
