// A TPanel on Win32: a child window of its own class that paints the
// panel's bevels, colour and caption (PaintPanel) and then the drawn
// controls inside it (the step pictures). Not a tab stop.
#pragma once

#include <windows.h>

#include "ui/form_model.h"

namespace anod::win32 {

class TPanel final : public WindowedControl {
 public:
  TPanel(HWND parent, int id, PanelModel& model);
  ~TPanel() override;
  TPanel(const TPanel&) = delete;
  TPanel& operator=(const TPanel&) = delete;

  HWND Handle() const { return window_; }
  void SetBounds(const Rect& bounds) override;
  void ApplyLook() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();

  PanelModel& model_;
  HWND window_ = nullptr;
};

}  // namespace anod::win32
