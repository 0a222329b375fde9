#include "widgets/win32/vivid_button.h"

#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_font_cache.h"
#include "platform/win32/window_guard.h"
#include "widgets/win32/button_notifications.h"

namespace anod {
namespace {

constexpr const char* kButtonProperty = "anodVividButton";
constexpr const char* kLookProperty = "anodWindowLook";
constexpr const char* kModalResultProperty = "anodModalResult";
constexpr ATOM kDialogClass = 0x8002;  // the dialog manager's own class, "#32770"

const WindowLook* LookOf(HWND window) {
  return window != nullptr ? static_cast<const WindowLook*>(GetPropA(window, kLookProperty)) : nullptr;
}

}  // namespace

void SetWindowLook(HWND window, const WindowLook* look) {
  if (look != nullptr) {
    SetPropA(window, kLookProperty, const_cast<WindowLook*>(look));
  } else {
    RemovePropA(window, kLookProperty);
  }
}

TVividCustomButton::TVividCustomButton() { InstallWin32ButtonServices(); }

TVividCustomButton::~TVividCustomButton() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool TVividCustomButton::Create(HWND parent, int id, const Rect& bounds) {
  window_ = CreateWindowExA(0, "BUTTON", Caption().c_str(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_OWNERDRAW, bounds.left,
                            bounds.top, bounds.Width(), bounds.Height(), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) return false;
  SetPropA(window_, kButtonProperty, this);
  platform_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TVividCustomButton::SubclassProc)));
  return true;
}

TVividCustomButton* TVividCustomButton::FromHandle(HWND window) {
  return window != nullptr ? static_cast<TVividCustomButton*>(GetPropA(window, kButtonProperty)) : nullptr;
}

void TVividCustomButton::SetEnabled(bool on) {
  if (window_ != nullptr) EnableWindow(window_, on ? TRUE : FALSE);  // WM_ENABLE repaints
}

void TVividCustomButton::SetVisible(bool on) {
  if (!on) Hiding();
  if (window_ != nullptr) ShowWindow(window_, on ? SW_SHOW : SW_HIDE);
}

void TVividCustomButton::DrawItemRequest(const DRAWITEMSTRUCT& request) {
  GdiCanvas canvas(request.hDC);
  DrawItem(canvas, (request.itemState & ODS_SELECTED) != 0, (request.itemState & ODS_FOCUS) != 0);
}

// ----- What the model asks of Win32 -----

Size TVividCustomButton::ClientSize() const {
  RECT r{};
  if (window_ != nullptr) GetClientRect(window_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

bool TVividCustomButton::IsEnabled() const { return window_ == nullptr || IsWindowEnabled(window_) != FALSE; }

bool TVividCustomButton::HasFocus() const { return window_ != nullptr && GetFocus() == window_; }

void TVividCustomButton::TakeFocus() {
  if (window_ != nullptr) SetFocus(window_);
}

bool TVividCustomButton::WindowIsActive() const {
  return window_ != nullptr && GetActiveWindow() == GetAncestor(window_, GA_ROOT);
}

bool TVividCustomButton::RightToLeft() const {
  return window_ != nullptr && (GetWindowLongPtrA(window_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

void TVividCustomButton::Invalidate() {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void TVividCustomButton::RepaintNow() {
  if (window_ == nullptr) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

TColor TVividCustomButton::ParentColorValue() const {
  const WindowLook* look = LookOf(window_ != nullptr ? GetParent(window_) : nullptr);
  return look != nullptr ? look->color : clBtnFace;
}

FontSpec TVividCustomButton::ParentFontValue() const {
  const WindowLook* look = LookOf(window_ != nullptr ? GetParent(window_) : nullptr);
  return look != nullptr ? look->font : FontSpec{};
}

// The TrueType test of the font the platform maps the face to.
bool TVividCustomButton::IsOutlineFace(const FontSpec& font) const {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, CachedFont(font, 0));
  TEXTMETRICA metrics{};
  const bool measured = GetTextMetricsA(screen, &metrics) != FALSE;
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return measured && (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

void TVividCustomButton::CaptionChanged() {
  if (window_ != nullptr) SetWindowTextA(window_, Caption().c_str());
}

void TVividCustomButton::DefaultChanged() {
  if (window_ != nullptr) ApplyFocusRule(GetAncestor(window_, GA_ROOT), GetFocus());
}

void TVividCustomButton::SetWindowModalResult(int result) {
  if (window_ == nullptr) return;
  const HWND root = GetAncestor(window_, GA_ROOT);
  SetPropA(root, kModalResultProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(result)));
  if (result != 0 && GetClassLongPtrA(root, GCW_ATOM) == kDialogClass) EndDialog(root, result);
}

bool TVividCustomButton::ShowDropDownMenu(Point corner) {
  const HWND self = window_;
  POINT at{corner.x, corner.y};
  ClientToScreen(self, &at);
  TrackPopupMenuEx(drop_down_menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, GetParent(self),
                   nullptr);
  return IsWindow(self) != FALSE && FromHandle(self) == this;
}

void TVividCustomButton::SetPressedLook(bool down) {
  if (window_ != nullptr) SendMessageA(window_, BM_SETSTATE, down ? TRUE : FALSE, 0);
}

void TVividCustomButton::ReleasePointer() {
  MSG pending;
  while (PeekMessageA(&pending, window_, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) != FALSE) {
  }
  if (const HWND holder = GetCapture()) SendMessageA(holder, WM_CANCELMODE, 0, 0);
}

// ----- Win32's messages, as the model's events -----

LRESULT CALLBACK TVividCustomButton::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  TVividCustomButton* self = FromHandle(window);
  if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return GuardWindowProc(window, 0, [&] { return self->Message(message, wparam, lparam); });
}

LRESULT TVividCustomButton::PlatformDefault(UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(platform_proc_, window_, message, wparam, lparam);
}

void TVividCustomButton::TrackLeave() {
  if (tracking_leave_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
  tracking_leave_ = TrackMouseEvent(&track) != FALSE;
}

LRESULT TVividCustomButton::Message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      if (Holding()) {
        // While it holds the mouse, the button alone hears of the pointer
        // leaving and coming back.
        RECT client;
        GetClientRect(window_, &client);
        const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        PointerMoved(PtInRect(&client, at) != FALSE);
      } else {
        PointerEntered();
        TrackLeave();
      }
      return PlatformDefault(message, wparam, lparam);
    }
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      if (!Holding()) PointerLeft();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (!PressStarting(true)) return 0;
      // The second press of a double click is a press like the first: the
      // platform would report a double click instead of a second click.
      const LRESULT answer = PlatformDefault(WM_LBUTTONDOWN, wparam, lparam);
      Pressed();
      return answer;
    }
    case WM_LBUTTONUP: {
      const LRESULT answer = PlatformDefault(message, wparam, lparam);
      Released();
      // Released outside: the leave comes at once.
      tracking_leave_ = false;
      TrackLeave();
      return answer;
    }
    case WM_KEYDOWN:
      if (KeyPressed(wparam == VK_RETURN ? Key::Enter : Key::Other, (lparam & (1 << 30)) != 0)) return 0;
      return PlatformDefault(message, wparam, lparam);
    case WM_ENABLE: {
      const LRESULT answer = PlatformDefault(message, wparam, lparam);
      EnabledChanged();
      return answer;
    }
    case WM_SHOWWINDOW:
      if (wparam == FALSE) Hiding();
      return PlatformDefault(message, wparam, lparam);
    case WM_ERASEBKGND:
      // The transparent styles fill their whole face when they paint.
      if (IsTransparentStyle()) return 1;
      return PlatformDefault(message, wparam, lparam);
    case WM_THEMECHANGED:
      PlatformDefault(message, wparam, lparam);
      ThemeChanged();
      return 0;
    case WM_SETFOCUS: {
      const LRESULT answer = PlatformDefault(message, wparam, lparam);
      ApplyFocusRule(GetAncestor(window_, GA_ROOT), window_);
      return answer;
    }
    case WM_KILLFOCUS: {
      const LRESULT answer = PlatformDefault(message, wparam, lparam);
      const HWND next = reinterpret_cast<HWND>(wparam);
      const HWND root = GetAncestor(window_, GA_ROOT);
      if (next == nullptr || GetAncestor(next, GA_ROOT) != root) return answer;  // the window lost activation
      ApplyFocusRule(root, next);
      return answer;
    }
    case WM_NCDESTROY: {
      const HWND window = window_;
      const WNDPROC platform = platform_proc_;
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(platform));
      RemovePropA(window, kButtonProperty);
      window_ = nullptr;
      return CallWindowProcA(platform, window, message, wparam, lparam);
    }
    default:
      return PlatformDefault(message, wparam, lparam);
  }
}

}  // namespace anod
