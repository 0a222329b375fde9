#include "ui/win32/form_window.h"

#include <algorithm>

#include "platform/locale.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_font_cache.h"
#include "platform/win32/paint_scope.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_guard.h"
#include "ui/win32/panel_window.h"
#include "ui/win32/windowed_children.h"
#include "ui/window_scroll.h"
#include "widgets/key_rule.h"
#include "widgets/vivid_button_model.h"
#include "widgets/win32/button_notifications.h"

namespace anod::win32 {
namespace {

constexpr const char* kClassName = "TForm1";

// Later-created siblings lie above earlier ones.
void Raise(HWND child) { SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

// The height of "0" in `font`, as the scaling rule measures the window font.
int ZeroHeight(const FontSpec& font) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, CachedFont(font, 0));
  SIZE size{};
  GetTextExtentPoint32A(screen, "0", 1, &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return size.cy;
}

}  // namespace

TForm1::TForm1() = default;

TForm1::~TForm1() {
  // The children first, while the window still answers their notifications.
  push_buttons_.clear();
  natives_.clear();
  children_.clear();
  if (model_ != nullptr) model_->Surface().SetInvalidate(nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    SetWindowLook(window_, nullptr);
    DestroyWindow(window_);
  }
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

void TForm1::Build(std::span<const std::uint8_t> description, const HandlerTable& handlers) {
  const HDC screen = GetDC(nullptr);
  BuildOptions options;
  options.pixels_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  options.zero_height = [this](int height) {
    FontSpec font = look_.font;
    font.height = height;
    return ZeroHeight(font);
  };
  model_ = BuildFormModel(description, handlers, *this, options);
  model_->Surface().SetInvalidate([this](const Rect& r) {
    const RECT dirty{r.left - scroll_.x, r.top - scroll_.y, r.right - scroll_.x, r.bottom - scroll_.y};
    InvalidateRect(window_, &dirty, FALSE);
  });
  UpdateScrollBars();
}

// ----- The factory -----

void TForm1::WindowRead(const WindowProperties& window) {
  RegisterOwnWindowClass(kClassName, CS_DBLCLKS);
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
  if (window.system_menu) style |= WS_SYSMENU;
  if (window.minimize_box) style |= WS_MINIMIZEBOX;
  if (window.maximize_box) style |= WS_MAXIMIZEBOX;
  window_ = CreateWindowExA(0, kClassName, window.caption.c_str(), style, window.stored_position.x,
                            window.stored_position.y, window.outer_size.cx, window.outer_size.cy, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) throw Exception("Impossible de cr\xE9" "er la fen\xEA" "tre principale");
  look_ = {window.color, window.font};
  SetWindowLook(window_, &look_);
  if (!window.icon.argb.empty()) {
    icon_ = IconHandle(window.icon);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
  }
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm1::WindowProc));
}

HWND TForm1::ParentWindow(WindowedControl* parent) const {
  if (parent == nullptr) return window_;
  const auto it = windows_.find(parent);
  return it != windows_.end() ? it->second : window_;
}

template <class Control>
Control& TForm1::Keep(std::unique_ptr<Control> control, HWND window) {
  if (window == nullptr) throw Exception("Impossible de cr\xE9" "er un contr\xF4" "le de la fen\xEA" "tre");
  Raise(window);
  Control& kept = *control;
  by_window_[window] = &kept;
  windows_[&kept] = window;
  children_.push_back(std::move(control));
  return kept;
}

EditBoxControl& TForm1::CreateEditBox(const EditBoxModel& model, WindowedControl* parent) {
  auto edit = std::make_unique<TEdit>(ParentWindow(parent), next_id_++, ScrollOf(parent), model);
  natives_[edit->Handle()] = edit.get();
  const HWND w = edit->Handle();
  return Keep(std::move(edit), w);
}

WindowedControl& TForm1::CreatePushButton(PushButtonModel& model, WindowedControl* parent) {
  auto button = std::make_unique<TButton>(ParentWindow(parent), next_id_++, ScrollOf(parent), model);
  natives_[button->Handle()] = button.get();
  push_buttons_[button->Handle()] = button.get();
  const HWND w = button->Handle();
  return Keep(std::move(button), w);
}

WindowedControl& TForm1::CreateStaticText(const StaticTextModel& model, WindowedControl* parent) {
  auto text = std::make_unique<TStaticText>(ParentWindow(parent), next_id_++, ScrollOf(parent), model);
  natives_[text->Handle()] = text.get();
  const HWND w = text->Handle();
  return Keep(std::move(text), w);
}

WindowedControl& TForm1::CreatePanel(PanelModel& model, WindowedControl* parent) {
  auto panel = std::make_unique<TPanel>(ParentWindow(parent), next_id_++, model);
  const HWND w = panel->Handle();
  // A panel of the client area moves with the scroll position as well.
  struct Scrolled final : WindowedControl {
    Scrolled(std::unique_ptr<TPanel> panel, const Point* scroll) : panel(std::move(panel)), scroll(scroll) {}
    void SetBounds(const Rect& b) override { panel->SetBounds(scroll != nullptr ? b.Offset(-scroll->x, -scroll->y) : b); }
    void ApplyLook() override { panel->ApplyLook(); }
    std::unique_ptr<TPanel> panel;
    const Point* scroll;
  };
  return Keep(std::make_unique<Scrolled>(std::move(panel), ScrollOf(parent)), w);
}

ColoredButtonControl& TForm1::CreateColoredButton(WindowedControl* parent) {
  auto button = std::make_unique<TWindowVividButton>(ParentWindow(parent), next_id_++, ScrollOf(parent));
  const HWND w = button->Handle();
  return Keep(std::move(button), w);
}

// ----- Controls and focus -----

const FormControl* TForm1::ControlOf(HWND window) const {
  const auto it = by_window_.find(window);
  return it != by_window_.end() && model_ != nullptr ? model_->FindWindowed(it->second) : nullptr;
}

HWND TForm1::WindowOf(const FormControl* control) const {
  if (control == nullptr) return nullptr;
  const auto it = windows_.find(control->windowed);
  return it != windows_.end() ? it->second : nullptr;
}

HWND TForm1::ChildWindow(std::string_view name) const {
  return model_ != nullptr ? WindowOf(model_->Find(name)) : nullptr;
}

bool TForm1::CanTakeFocus(const FormControl& control) const {
  const HWND w = WindowOf(&control);
  return w != nullptr && IsWindowEnabled(w) && IsWindowVisible(w);
}

void TForm1::Focus(const FormControl* control, bool by_tab) {
  const HWND target = WindowOf(control);
  if (target == nullptr) return;
  SetFocus(target);
  // Entered by the keyboard, an edit box selects its whole text.
  if (by_tab && control->class_name == "TEdit") SendMessageA(target, EM_SETSEL, 0, -1);
}

bool TForm1::PreTranslate(const MSG& message) {
  // The wheel goes to the focused control; an edit box (Wine's among them)
  // may keep it instead of passing it up, so the window takes it first.
  if ((message.message == WM_MOUSEWHEEL || message.message == WM_MOUSEHWHEEL) && window_ != nullptr &&
      (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
    Wheel(message.message == WM_MOUSEHWHEEL ? SB_HORZ : SB_VERT, GET_WHEEL_DELTA_WPARAM(message.wParam));
    return true;
  }
  if (message.message != WM_KEYDOWN || window_ == nullptr || model_ == nullptr) return false;
  const HWND focus = GetFocus();
  const FormControl* focused = ControlOf(focus);
  if (focus != window_ && focused == nullptr) return false;
  const FormModel::CanTakeFocus can = [this](const FormControl& c) { return CanTakeFocus(c); };
  switch (message.wParam) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) return false;
      Focus(model_->NextTabStop(focused, GetKeyState(VK_SHIFT) >= 0, can), true);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (focused == nullptr || FormModel::UsesArrowKeys(*focused)) return false;
      Focus(model_->NextInTabOrder(*focused, message.wParam == VK_RIGHT || message.wParam == VK_DOWN, can), false);
      return true;
    case VK_PRIOR:
    case VK_NEXT:
      if (FormModel::KeepsScrollKeys(focused)) return false;
      Scroll(SB_VERT, message.wParam == VK_NEXT ? SB_PAGEDOWN : SB_PAGEUP);
      return true;
    case VK_RETURN:
    case VK_ESCAPE:
      return PressButtonForKey(focus, focused, message.wParam == VK_RETURN, (message.lParam & (1 << 30)) != 0);
    default:
      return false;
  }
}

bool TForm1::PressButtonForKey(HWND focus, const FormControl* focused, bool enter, bool repeat) {
  // Enter on a standard push button clicks it (a BUTTON outside a dialog
  // does not by itself), its repeats are swallowed; a colored button takes
  // its keys itself.
  if (push_buttons_.count(focus) != 0) {
    if (PushButtonModel::KeyClicks(enter, repeat)) SendMessageA(focus, BM_CLICK, 0, 0);
    return enter;
  }
  if (focused != nullptr && dynamic_cast<ColoredButtonControl*>(focused->windowed) != nullptr) return false;
  // Elsewhere the key rule picks the window's Default button for Enter, its
  // Cancel button for Escape, as on Qt. The main window has neither, so
  // there both keys click nothing.
  std::vector<PushButtonKeys> keys;
  std::vector<const FormControl*> buttons;
  for (const FormControl& control : model_->Controls()) {
    const HWND window = WindowOf(&control);
    auto* colored = dynamic_cast<ColoredButtonControl*>(control.windowed);
    if (colored == nullptr && push_buttons_.count(window) == 0) continue;
    keys.push_back({colored != nullptr && colored->Model().Default(), colored != nullptr && colored->Model().Cancel(),
                    IsWindowEnabled(window) != FALSE, IsWindowVisible(window) != FALSE});
    buttons.push_back(&control);
  }
  const int chosen = ButtonForKey(keys, enter);
  if (chosen < 0) return false;
  const FormControl& button = *buttons[static_cast<std::size_t>(chosen)];
  if (auto* colored = dynamic_cast<ColoredButtonControl*>(button.windowed)) {
    colored->Model().Click();
  } else {
    SendMessageA(WindowOf(&button), BM_CLICK, 0, 0);
  }
  return true;
}

// ----- Showing -----

void TForm1::Show(int show_command) {
  if (show_command == SW_SHOWNORMAL) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (const std::optional<Rect> at = model_->FirstShow(screen, {work.left, work.top, work.right, work.bottom})) {
      SetWindowPos(window_, nullptr, at->left, at->top, at->Width(), at->Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  ShowWindow(window_, show_command);
  if (show_command == SW_SHOWNORMAL) SetForegroundWindow(window_);
  UpdateWindow(window_);
}

// ----- Scrolling -----

void TForm1::UpdateScrollBars() {
  if (model_ == nullptr) return;
  const Size range = model_->ScrollRange();
  RECT client;
  GetClientRect(window_, &client);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, range.cx - 1, static_cast<UINT>(client.right), 0, 0};
  SetScrollInfo(window_, SB_HORZ, &info, TRUE);
  info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, range.cy - 1, static_cast<UINT>(client.bottom), 0, 0};
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
  // A larger client area may leave the controls scrolled too far.
  GetClientRect(window_, &client);
  ScrollTo({std::clamp(scroll_.x, 0, std::max(0, range.cx - static_cast<int>(client.right))),
            std::clamp(scroll_.y, 0, std::max(0, range.cy - static_cast<int>(client.bottom)))});
}

int TForm1::ScrollPage(int bar) const {
  RECT client;
  GetClientRect(window_, &client);
  return bar == SB_HORZ ? static_cast<int>(client.right) : static_cast<int>(client.bottom);
}

void TForm1::Scroll(int bar, WPARAM request) {
  const Size range = model_ != nullptr ? model_->ScrollRange() : Size{};
  const int extent = bar == SB_HORZ ? range.cx : range.cy;
  const int page = ScrollPage(bar);
  int position = bar == SB_HORZ ? scroll_.x : scroll_.y;
  switch (LOWORD(request)) {
    case SB_LINEUP: position = ScrollAlong(position, extent, page, ScrollMove::kLineBack); break;
    case SB_LINEDOWN: position = ScrollAlong(position, extent, page, ScrollMove::kLineForward); break;
    case SB_PAGEUP: position = ScrollAlong(position, extent, page, ScrollMove::kPageBack); break;
    case SB_PAGEDOWN: position = ScrollAlong(position, extent, page, ScrollMove::kPageForward); break;
    case SB_TOP: position = ScrollAlong(position, extent, page, ScrollMove::kStart); break;
    case SB_BOTTOM: position = ScrollAlong(position, extent, page, ScrollMove::kEnd); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(window_, bar, &info);
      position = std::clamp(info.nTrackPos, 0, std::max(0, extent - page));
      break;
    }
    default: return;
  }
  ScrollTo(bar == SB_HORZ ? Point{position, scroll_.y} : Point{scroll_.x, position});
}

void TForm1::Wheel(int bar, int delta) {
  if (model_ == nullptr) return;
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int per_notch = lines == WHEEL_PAGESCROLL ? kWheelScrollsPages : static_cast<int>(lines);
  const Size range = model_->ScrollRange();
  if (bar == SB_HORZ) {
    // The tilt wheel: positive to the right.
    ScrollTo({WheelScroll(scroll_.x, range.cx, ScrollPage(SB_HORZ), -delta, per_notch), scroll_.y});
  } else {
    ScrollTo({scroll_.x, WheelScroll(scroll_.y, range.cy, ScrollPage(SB_VERT), delta, per_notch)});
  }
}

void TForm1::ScrollTo(Point position) {
  if (position.x == scroll_.x && position.y == scroll_.y) return;
  const int dx = scroll_.x - position.x, dy = scroll_.y - position.y;
  scroll_ = position;
  SetScrollPos(window_, SB_HORZ, scroll_.x, TRUE);
  SetScrollPos(window_, SB_VERT, scroll_.y, TRUE);
  ScrollWindowEx(window_, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
}

// ----- Messages -----

HBRUSH TForm1::BrushFor(TColor color) {
  if (IsSystemColor(color)) return GetSysColorBrush(static_cast<int>(color & 0xFF));
  HBRUSH& brush = brushes_[color];
  if (brush == nullptr) brush = CreateSolidBrush(ToColorRef(color));
  return brush;
}

void TForm1::Paint() {
  const PaintScope paint(window_);
  GdiCanvas canvas(paint.Dc());
  const Rect dirty = paint.Dirty();
  canvas.FillRect(dirty, look_.color);
  if (model_ == nullptr) return;
  canvas.Translate(-scroll_.x, -scroll_.y);
  model_->Surface().PaintDrawn(canvas, dirty.Offset(scroll_.x, scroll_.y));
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TForm1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    return self->Message(message, wparam, lparam);
  });
}

LRESULT TForm1::Message(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT answer = 0;
  if (HandleButtonNotification(message, wparam, lparam, answer)) return answer;
  if (message == taskbar_created_ && taskbar_created_ != 0) {
    RereadLocaleDecimalMark();
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole dirty area
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    case WM_HSCROLL:
      Scroll(SB_HORZ, wparam);
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, wparam);
      return 0;
    // Sent to the window itself, or passed up by a child (the loop's
    // PreTranslate takes those the children are sent).
    case WM_MOUSEWHEEL:
      Wheel(SB_VERT, GET_WHEEL_DELTA_WPARAM(wparam));
      return 0;
    case WM_MOUSEHWHEEL:
      Wheel(SB_HORZ, GET_WHEEL_DELTA_WPARAM(wparam));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const auto it = push_buttons_.find(reinterpret_cast<HWND>(lparam));
        if (it != push_buttons_.end()) it->second->Clicked();
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const auto it = natives_.find(reinterpret_cast<HWND>(lparam));
      if (it == natives_.end()) break;
      const HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, ToColorRef(it->second->Text()));
      SetBkColor(dc, ToColorRef(it->second->Back()));
      return reinterpret_cast<LRESULT>(BrushFor(it->second->Back()));
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (ControlOf(GetFocus()) != nullptr) last_focus_ = GetFocus();
      } else if (HIWORD(wparam) == 0 && model_ != nullptr) {
        // The control that held the focus last, or the first tab stop.
        if (last_focus_ != nullptr && IsWindow(last_focus_)) {
          SetFocus(last_focus_);
        } else {
          Focus(model_->NextTabStop(nullptr, true, [this](const FormControl& c) { return CanTakeFocus(c); }), false);
        }
      }
      return 0;
    case WM_SETTINGCHANGE:  // WM_WININICHANGE
      RereadLocaleDecimalMark();
      break;
    case WM_CLOSE:
      // Nothing objects: the window hides and the loop ends.
      ShowWindow(window_, SW_HIDE);
      PostQuitMessage(0);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

}  // namespace anod::win32
