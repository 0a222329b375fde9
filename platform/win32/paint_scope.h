// BeginPaint and EndPaint for one WM_PAINT, EndPaint also when the paint
// fails (a window whose paint never ends is asked to paint again forever).
#pragma once

#include <windows.h>

#include "platform/geometry.h"

namespace anod {

class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC Dc() const { return dc_; }
  Rect Dirty() const { return {paint_.rcPaint.left, paint_.rcPaint.top, paint_.rcPaint.right, paint_.rcPaint.bottom}; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace anod
