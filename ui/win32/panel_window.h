// A TPanel on Win32: a child window of its own class that paints the
// panel's bevels, colour and caption (PaintPanel) and then the drawn
// controls inside it (the step pictures). Not a tab stop.
#pragma once

#include <windows.h>

#include "ui/control_looks.h"
#include "ui/win32/drawn_surface.h"

namespace anod {

class TPanelWindow {
 public:
  TPanelWindow(HWND parent, int id, const Rect& bounds, PanelLook look);
  ~TPanelWindow();
  TPanelWindow(const TPanelWindow&) = delete;
  TPanelWindow& operator=(const TPanelWindow&) = delete;

  HWND Handle() const { return window_; }
  DrawnSurface& Surface() { return surface_; }
  const PanelLook& Look() const { return look_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();

  PanelLook look_;
  HWND window_ = nullptr;
  DrawnSurface surface_;
};

}  // namespace anod
