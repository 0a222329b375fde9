#include "ui/win32/windowed_children.h"

#include "platform/win32/gdi_font_cache.h"

namespace anod::win32 {
namespace {

// The programs ask for common controls 6 (their manifest), whose edit boxes,
// buttons and static texts would take the desktop's visual style; the
// window keeps the classic look it was laid out in. SetWindowTheme is
// looked up, as the rest of the theme library (platform/win32/uxtheme_service.h).
void KeepClassicLook(HWND child) {
  using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const SetWindowThemeFn set_window_theme = [] {
    const HMODULE library = LoadLibraryA("uxtheme.dll");
    return library != nullptr ? reinterpret_cast<SetWindowThemeFn>(
                                    reinterpret_cast<void*>(GetProcAddress(library, "SetWindowTheme")))
                              : nullptr;
  }();
  if (set_window_theme != nullptr && child != nullptr) set_window_theme(child, L"", L"");
}

HWND MakeChild(HWND parent, int id, const char* window_class, DWORD style, DWORD ex_style) {
  const HWND child =
      CreateWindowExA(ex_style, window_class, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  KeepClassicLook(child);
  return child;
}

}  // namespace

NativeChild::~NativeChild() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void NativeChild::PlaceAt(const Rect& bounds) {
  const Rect at = scroll_ != nullptr ? bounds.Offset(-scroll_->x, -scroll_->y) : bounds;
  MoveWindow(window_, at.left, at.top, at.Width(), at.Height(), TRUE);
}

void NativeChild::SetFont(const FontSpec& font) {
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(font, 0)), TRUE);
}

TEdit::TEdit(HWND parent, int id, const Point* scroll, const EditBoxModel& model)
    : NativeChild(MakeChild(parent, id, "EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE), scroll),
      model_(model) {}

void TEdit::ApplyLook() {
  SetFont(model_.font);
  SetColors(model_.color, model_.font.color);
  // No inner margin on either side.
  SendMessageA(window_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  if (GetWindowTextLengthA(window_) == 0 && !model_.text.empty()) SetText(model_.text);
  InvalidateRect(window_, nullptr, TRUE);
}

std::string TEdit::Text() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TEdit::SetText(std::string_view text) { SetWindowTextA(window_, std::string(text).c_str()); }

TButton::TButton(HWND parent, int id, const Point* scroll, PushButtonModel& model)
    : NativeChild(MakeChild(parent, id, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0), scroll), model_(model) {}

void TButton::ApplyLook() {
  SetWindowTextA(window_, model_.look.caption.c_str());
  SetFont(model_.look.font);
  SetColors(clBtnFace, model_.look.font.color);
}

TStaticText::TStaticText(HWND parent, int id, const Point* scroll, const StaticTextModel& model)
    : NativeChild(MakeChild(parent, id, "STATIC", SS_CENTER | SS_NOPREFIX, WS_EX_STATICEDGE), scroll),
      model_(model) {}

void TStaticText::ApplyLook() {
  SetWindowTextA(window_, model_.caption.c_str());
  SetFont(model_.font);
  SetColors(model_.color, model_.font.color);
}

TWindowVividButton::TWindowVividButton(HWND parent, int id, const Point* scroll) : scroll_(scroll) {
  Create(parent, id, {});
}

void TWindowVividButton::SetBounds(const Rect& bounds) {
  const Rect at = scroll_ != nullptr ? bounds.Offset(-scroll_->x, -scroll_->y) : bounds;
  MoveWindow(Handle(), at.left, at.top, at.Width(), at.Height(), TRUE);
}

}  // namespace anod::win32
