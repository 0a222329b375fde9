#include "ui/win32/panel_window.h"

#include "platform/win32/gdi_canvas.h"
#include "platform/win32/paint_scope.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_guard.h"

namespace anod::win32 {
namespace {

constexpr const char* kClassName = "TPanel";

}  // namespace

TPanel::TPanel(HWND parent, int id, PanelModel& model) : model_(model) {
  RegisterOwnWindowClass(kClassName, 0);
  window_ = CreateWindowExA(0, kClassName, model_.look.caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                            0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TPanel::WindowProc));
  const HWND self = window_;
  model_.host.SetInvalidate([self](const Rect& r) {
    const RECT dirty{r.left, r.top, r.right, r.bottom};
    InvalidateRect(self, &dirty, FALSE);
  });
}

TPanel::~TPanel() {
  model_.host.SetInvalidate(nullptr);
  if (window_ == nullptr) return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void TPanel::SetBounds(const Rect& bounds) {
  MoveWindow(window_, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

void TPanel::ApplyLook() {
  SetWindowTextA(window_, model_.look.caption.c_str());
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK TPanel::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TPanel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (self != nullptr && message == WM_PAINT) {
      self->Paint();
      return 0;
    }
    if (self != nullptr && message == WM_ERASEBKGND) return 1;  // the paint covers everything
    return DefWindowProcA(window, message, wparam, lparam);
  });
}

void TPanel::Paint() {
  const PaintScope paint(window_);
  GdiCanvas canvas(paint.Dc());
  RECT client;
  GetClientRect(window_, &client);
  PaintPanel(canvas, {client.right, client.bottom}, model_.look);
  model_.host.PaintDrawn(canvas, paint.Dirty());
}

}  // namespace anod::win32
