// TVividButton on Win32: a "BUTTON" child window with BS_OWNERDRAW that hands
// its input to the colored button's model (widgets/vivid_button_model.h)
// and paints it through the canvas on GDI when its parent receives
// WM_DRAWITEM. The platform window keeps the push button's own mechanics
// (the pressed look while the mouse or Space is held, the mouse capture,
// BN_CLICKED on release); this shell only translates.
//
//   TVividButton button;
//   button.SetButtonStyle(ubsExplorerColored);
//   button.SetColor(clBlack);
//   button.SetCaption("Calculer la surface");
//   button.Create(parent, id, {27, 468, 253, 492});
//   button.OnClick = [] { ... };
//
// The parent's window procedure passes WM_DRAWITEM and WM_COMMAND to
// HandleButtonNotification (widgets/win32/button_notifications.h).
// The parent's colour and font (ParentColor, ParentFont) come from the
// WindowLook the parent carries (SetWindowLook), clBtnFace and the default
// font without one.
#pragma once

#include <windows.h>

#include "widgets/vivid_button_model.h"

namespace anod {

// The colour and font a window passes on to its children.
struct WindowLook {
  TColor color = clBtnFace;
  FontSpec font;
};
// `look` must outlive the window's children; null removes it.
void SetWindowLook(HWND window, const WindowLook* look);

class TVividCustomButton : public TVividButtonModel {
 public:
  TVividCustomButton();
  ~TVividCustomButton() override;

  // Makes the platform window: visible, a tab stop, bounds in the parent's
  // client coordinates. False when the platform refuses.
  bool Create(HWND parent, int id, const Rect& bounds);
  HWND Handle() const { return window_; }
  // The button behind one of its platform windows, or null.
  static TVividCustomButton* FromHandle(HWND window);

  bool Enabled() const { return IsEnabled(); }
  void SetEnabled(bool on);
  void SetVisible(bool on);
  void SetDropDownMenu(HMENU menu) { drop_down_menu_ = menu; }

  // WM_DRAWITEM for this button: the whole paint on the request's DC.
  void DrawItemRequest(const DRAWITEMSTRUCT& request);

 protected:
  Size ClientSize() const override;
  bool IsEnabled() const override;
  bool HasFocus() const override;
  void TakeFocus() override;
  bool WindowIsActive() const override;
  bool RightToLeft() const override;
  void Invalidate() override;
  void RepaintNow() override;
  TColor ParentColorValue() const override;
  FontSpec ParentFontValue() const override;
  bool IsOutlineFace(const FontSpec& font) const override;
  void CaptionChanged() override;
  void HideHintNow() override {}  // no hint window exists on this shell
  void DefaultChanged() override;
  void SetWindowModalResult(int result) override;
  bool HasDropDownMenu() const override { return drop_down_menu_ != nullptr; }
  bool ShowDropDownMenu(Point corner) override;
  void SetPressedLook(bool down) override;
  void ReleasePointer() override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Message(UINT message, WPARAM wparam, LPARAM lparam);
  // The platform button's own handling.
  LRESULT PlatformDefault(UINT message, WPARAM wparam, LPARAM lparam);
  void TrackLeave();
  bool Holding() const { return GetCapture() == window_; }

  HWND window_ = nullptr;
  WNDPROC platform_proc_ = nullptr;
  HMENU drop_down_menu_ = nullptr;
  bool tracking_leave_ = false;
};

// The published form: no behaviour of its own.
class TVividButton : public TVividCustomButton {};

}  // namespace anod
