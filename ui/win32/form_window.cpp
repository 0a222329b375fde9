#include "ui/win32/form_window.h"

#include <algorithm>

#include "platform/locale.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_font_cache.h"
#include "platform/win32/paint_scope.h"
#include "platform/win32/window_guard.h"
#include "ui/scaling.h"
#include "widgets/win32/button_notifications.h"

namespace anod {
namespace {

constexpr const char* kClassName = "TForm1";

void RegisterFormClass() {
  static const bool registered = [] {
    WNDCLASSA c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = DefWindowProcA;  // replaced per window once it exists
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    c.lpszClassName = kClassName;
    return RegisterClassA(&c) != 0;
  }();
  (void)registered;
}

}  // namespace

TWin32Form::TWin32Form() = default;

TWin32Form::~TWin32Form() {
  // Children first, while the form still answers their notifications.
  vivid_.clear();
  panels_.clear();
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    SetWindowLook(window_, nullptr);
    DestroyWindow(window_);
  }
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

bool TWin32Form::Create(Look look) {
  look_ = std::move(look);
  RegisterFormClass();
  window_ = CreateWindowExA(0, kClassName, look_.caption.c_str(),
                            WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, look_.outer.cx, look_.outer.cy, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
  if (window_ == nullptr) return false;
  surface_.SetWindow(window_);
  window_look_ = {look_.color, look_.font};
  SetWindowLook(window_, &window_look_);
  if (look_.icon != nullptr) {
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(look_.icon));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(look_.icon));
  }
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWin32Form::WindowProc));
  UpdateScrollBars();
  return true;
}

// ----- Children -----

void TWin32Form::Raise(HWND child) {
  // Later-created siblings lie above earlier ones.
  SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND TWin32Form::AddChild(ChildWindow child, const char* window_class, const std::string& text, DWORD style,
                          DWORD ex_style, const Rect& bounds, const FontSpec* font) {
  const Rect at = bounds.Offset(-scroll_.x, -scroll_.y);
  const HWND w = CreateWindowExA(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                 at.left, at.top, at.Width(), at.Height(), window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(next_id_++)), GetModuleHandleA(nullptr),
                                 nullptr);
  if (w == nullptr) return nullptr;
  if (font != nullptr) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(*font, 0)), FALSE);
  Raise(w);
  child.window = w;
  children_.push_back(std::move(child));
  return w;
}

HWND TWin32Form::AddEdit(std::string name, const Rect& bounds, const FontSpec& font, TColor color, int tab_order) {
  ChildWindow child{std::move(name), nullptr, tab_order, true, true, false, color, font.color, {}};
  const HWND w = AddChild(std::move(child), "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE,
                          bounds, &font);
  // No inner margin on either side.
  if (w != nullptr) SendMessageA(w, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  return w;
}

HWND TWin32Form::AddPushButton(std::string name, const Rect& bounds, const std::string& caption,
                               const FontSpec& font, std::function<void()> click, int tab_order) {
  ChildWindow child{std::move(name), nullptr, tab_order, true, false, true, clBtnFace, font.color, std::move(click)};
  return AddChild(std::move(child), "BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, 0, bounds, &font);
}

HWND TWin32Form::AddStaticText(std::string name, const Rect& bounds, const std::string& caption,
                               const FontSpec& font, TColor color, int tab_order) {
  ChildWindow child{std::move(name), nullptr, tab_order, false, false, false, color, font.color, {}};
  return AddChild(std::move(child), "STATIC", caption, SS_CENTER | SS_NOPREFIX, WS_EX_STATICEDGE, bounds, &font);
}

TPanelWindow& TWin32Form::AddPanel(std::string name, const Rect& bounds, PanelLook look, int tab_order) {
  auto panel = std::make_unique<TPanelWindow>(window_, next_id_++, bounds.Offset(-scroll_.x, -scroll_.y),
                                              std::move(look));
  Raise(panel->Handle());
  children_.push_back({std::move(name), panel->Handle(), tab_order, false, false, false, clBtnFace, clWindowText, {}});
  panels_.push_back(std::move(panel));
  return *panels_.back();
}

TVividButton& TWin32Form::AddVividButton(std::unique_ptr<TVividButton> button, std::string name, const Rect& bounds,
                                         int tab_order) {
  button->Create(window_, next_id_++, bounds.Offset(-scroll_.x, -scroll_.y));
  Raise(button->Handle());
  children_.push_back({std::move(name), button->Handle(), tab_order, true, false, true, clBtnFace, clWindowText, {}});
  vivid_.push_back(std::move(button));
  return *vivid_.back();
}

const TWin32Form::ChildWindow* TWin32Form::Find(HWND window) const {
  for (const ChildWindow& c : children_) {
    if (c.window == window) return &c;
  }
  return nullptr;
}

HWND TWin32Form::Child(std::string_view name) const {
  for (const ChildWindow& c : children_) {
    if (c.name == name) return c.window;
  }
  return nullptr;
}

DrawnControl* TWin32Form::Drawn(std::string_view name) const {
  for (DrawnControl* d : surface_.Controls()) {
    if (d->Name() == name) return d;
  }
  return nullptr;
}

std::vector<HWND> TWin32Form::TabList() const {
  std::vector<const ChildWindow*> ordered;
  for (const ChildWindow& c : children_) ordered.push_back(&c);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const ChildWindow* a, const ChildWindow* b) { return a->tab_order < b->tab_order; });
  std::vector<HWND> list;
  for (const ChildWindow* c : ordered) list.push_back(c->window);
  return list;
}

// ----- CalculatorWindow -----

std::string TWin32Form::EditText(std::string_view name) const {
  const HWND edit = Child(name);
  if (edit == nullptr) return {};
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWin32Form::SetLabelCaption(std::string_view name, std::string caption) {
  if (auto* label = dynamic_cast<TLabel*>(Drawn(name))) label->SetCaption(std::move(caption));
}

// ----- Focus and keys -----

void TWin32Form::MoveFocusTo(HWND target, bool by_tab) {
  if (target == nullptr) return;
  SetFocus(target);
  // Entered by the keyboard, an edit box selects its whole text.
  const ChildWindow* c = Find(target);
  if (by_tab && c != nullptr && c->is_edit) SendMessageA(target, EM_SETSEL, 0, -1);
}

void TWin32Form::MoveFocusToNextTabStop(bool forward) {
  const std::vector<HWND> list = TabList();
  const int n = static_cast<int>(list.size());
  const auto at = std::find(list.begin(), list.end(), GetFocus());
  int i = at == list.end() ? (forward ? -1 : n) : static_cast<int>(at - list.begin());
  for (int step = 0; step < n; ++step) {
    i = (i + (forward ? 1 : -1) + n) % n;
    const ChildWindow* c = Find(list[i]);
    if (c != nullptr && c->tab_stop && IsWindowVisible(c->window) && IsWindowEnabled(c->window)) {
      MoveFocusTo(c->window, true);
      return;
    }
  }
}

bool TWin32Form::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN || window_ == nullptr) return false;
  const HWND focus = GetFocus();
  const ChildWindow* focused = Find(focus);
  if (focus != window_ && focused == nullptr) return false;
  switch (message.wParam) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) return false;
      MoveFocusToNextTabStop(GetKeyState(VK_SHIFT) >= 0);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (focused == nullptr || focused->is_edit) return false;
      const bool forward = message.wParam == VK_RIGHT || message.wParam == VK_DOWN;
      const std::vector<HWND> list = TabList();
      const auto at = std::find(list.begin(), list.end(), focus);
      const int n = static_cast<int>(list.size());
      const int i = static_cast<int>(at - list.begin());
      MoveFocusTo(list[(i + (forward ? 1 : -1) + n) % n], false);
      return true;
    }
    case VK_RETURN:
      // Colored buttons take Enter themselves; no button here is a default
      // one, so Enter elsewhere clicks nothing.
      if (focused == nullptr || !focused->is_push_button || TVividCustomButton::FromHandle(focus) != nullptr) {
        return false;
      }
      SendMessageA(focus, BM_CLICK, 0, 0);
      return true;
    default:
      return false;
  }
}

// ----- Showing -----

void TWin32Form::Show(ShowRequest request) {
  switch (request) {
    case ShowRequest::kMaximized:
      ShowWindow(window_, SW_SHOWMAXIMIZED);
      break;
    case ShowRequest::kMinimized:
      ShowWindow(window_, SW_SHOWMINNOACTIVE);
      break;
    case ShowRequest::kNormal: {
      const Point at = CenteredPosition({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, look_.outer);
      SetWindowPos(window_, nullptr, at.x, at.y, look_.outer.cx, look_.outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      ShowWindow(window_, SW_SHOWNORMAL);
      SetForegroundWindow(window_);
      break;
    }
  }
  UpdateWindow(window_);
}

// ----- Scrolling -----

void TWin32Form::UpdateScrollBars() {
  RECT client;
  GetClientRect(window_, &client);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  info.nMax = look_.extent.cx - 1;
  info.nPage = static_cast<UINT>(client.right);
  SetScrollInfo(window_, SB_HORZ, &info, TRUE);
  info.nMax = look_.extent.cy - 1;
  info.nPage = static_cast<UINT>(client.bottom);
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
  // A larger client area may leave the controls scrolled too far.
  GetClientRect(window_, &client);
  ScrollTo({std::clamp(scroll_.x, 0, std::max(0, look_.extent.cx - static_cast<int>(client.right))),
            std::clamp(scroll_.y, 0, std::max(0, look_.extent.cy - static_cast<int>(client.bottom)))});
}

void TWin32Form::Scroll(int bar, WPARAM request) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window_, bar, &info);
  int position = info.nPos;
  switch (LOWORD(request)) {
    case SB_LINEUP: position -= 8; break;
    case SB_LINEDOWN: position += 8; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
  ScrollTo(bar == SB_HORZ ? Point{position, scroll_.y} : Point{scroll_.x, position});
}

void TWin32Form::ScrollTo(Point position) {
  if (position.x == scroll_.x && position.y == scroll_.y) return;
  const int dx = scroll_.x - position.x, dy = scroll_.y - position.y;
  scroll_ = position;
  surface_.SetScroll(scroll_);
  SetScrollPos(window_, SB_HORZ, scroll_.x, TRUE);
  SetScrollPos(window_, SB_VERT, scroll_.y, TRUE);
  ScrollWindowEx(window_, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
}

// ----- Messages -----

HBRUSH TWin32Form::BrushFor(TColor color) {
  if (IsSystemColor(color)) return GetSysColorBrush(static_cast<int>(color & 0xFF));
  HBRUSH& brush = brushes_[color];
  if (brush == nullptr) brush = CreateSolidBrush(ToColorRef(color));
  return brush;
}

void TWin32Form::Paint() {
  const PaintScope paint(window_);
  GdiCanvas canvas(paint.Dc());
  canvas.FillRect(paint.Dirty(), look_.color);
  surface_.Paint(canvas, paint.Dirty(), scroll_);
}

LRESULT CALLBACK TWin32Form::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TWin32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    return self->Message(message, wparam, lparam);
  });
}

LRESULT TWin32Form::Message(UINT message, WPARAM wparam, LPARAM lparam) {
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
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const ChildWindow* c = Find(reinterpret_cast<HWND>(lparam));
        if (c != nullptr && c->click) c->click();
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const ChildWindow* c = Find(reinterpret_cast<HWND>(lparam));
      if (c == nullptr) break;
      const HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, ToColorRef(c->text));
      SetBkColor(dc, ToColorRef(c->back));
      return reinterpret_cast<LRESULT>(BrushFor(c->back));
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (Find(GetFocus()) != nullptr) last_focus_ = GetFocus();
      } else if (HIWORD(wparam) == 0) {
        // The control that held the focus last, or the first tab stop.
        if (last_focus_ != nullptr && IsWindow(last_focus_)) {
          SetFocus(last_focus_);
        } else {
          SetFocus(nullptr);
          MoveFocusToNextTabStop(true);
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

}  // namespace anod
