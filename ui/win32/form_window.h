// The main window on Win32: a sizeable top-level window with its icon,
// title, system menu and automatic scroll bars, whose client area paints the
// window's colour and its drawn controls, and whose windowed controls are
// EDIT, BUTTON and STATIC child windows, panels of their own class and the
// colored buttons.
//
// Children are added in creation order; each one added lies above those
// added before it. Tab and Shift+Tab go through the tab stops by tab order,
// the arrow keys through every windowed control on a control that does not
// use them (not an edit box); Enter on a standard push button clicks it.
// The message loop offers each message to PreTranslate first.
//
//   TWin32Form form;
//   form.Create({"Calculs de surfaces ...", {1081, 963}, clNavy, icon, {1057, 921}});
//   form.AddEdit("Edit1", {128, 336, 209, 364}, arial16bold, clInactiveCaption, 0);
//   form.Surface().Add(std::move(label));
//   form.Show(ShowRequest::kNormal);
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/calculator_window.h"
#include "ui/control_looks.h"
#include "ui/show_request.h"
#include "ui/win32/drawn_surface.h"
#include "ui/win32/panel_window.h"
#include "widgets/win32/vivid_button.h"

namespace anod {

class TWin32Form final : public CalculatorWindow {
 public:
  struct Look {
    std::string caption;   // Windows-1252
    Size outer{1081, 963};
    TColor color = clBtnFace;
    FontSpec font;          // the window font, passed on to children that use it
    HICON icon = nullptr;   // owned by the caller
    Size extent{};          // the controls' extent: scroll ranges
  };

  TWin32Form();
  ~TWin32Form() override;
  TWin32Form(const TWin32Form&) = delete;
  TWin32Form& operator=(const TWin32Form&) = delete;

  // Makes the (hidden) top-level window; false when the platform refuses.
  bool Create(Look look);
  HWND Handle() const { return window_; }
  DrawnSurface& Surface() { return surface_; }

  // ----- Windowed controls, in creation order -----
  HWND AddEdit(std::string name, const Rect& bounds, const FontSpec& font, TColor color, int tab_order);
  HWND AddPushButton(std::string name, const Rect& bounds, const std::string& caption, const FontSpec& font,
                     std::function<void()> click, int tab_order);
  HWND AddStaticText(std::string name, const Rect& bounds, const std::string& caption, const FontSpec& font,
                     TColor color, int tab_order);
  TPanelWindow& AddPanel(std::string name, const Rect& bounds, PanelLook look, int tab_order);
  // The button is set up already; the form makes its window and keeps it.
  TVividButton& AddVividButton(std::unique_ptr<TVividButton> button, std::string name, const Rect& bounds,
                               int tab_order);

  HWND Child(std::string_view name) const;
  DrawnControl* Drawn(std::string_view name) const;
  // Windowed controls by tab order.
  std::vector<HWND> TabList() const;
  // The focus moves as Tab (forward) or Shift+Tab would move it.
  void MoveFocusToNextTabStop(bool forward);

  // ----- CalculatorWindow -----
  std::string EditText(std::string_view name) const override;
  void SetLabelCaption(std::string_view name, std::string caption) override;

  // ----- Showing and the loop -----
  // kNormal: centred on the primary display, activated, Edit1 focused.
  void Show(ShowRequest request);
  // Tab, Shift+Tab, arrows and Enter on a push button; true when taken.
  bool PreTranslate(const MSG& message);
  Point ScrollPosition() const { return scroll_; }

 private:
  struct ChildWindow {
    std::string name;
    HWND window = nullptr;
    int tab_order = 0;
    bool tab_stop = false;
    bool is_edit = false;
    bool is_push_button = false;
    TColor back = clBtnFace;
    TColor text = clWindowText;
    std::function<void()> click;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Message(UINT message, WPARAM wparam, LPARAM lparam);
  HWND AddChild(ChildWindow child, const char* window_class, const std::string& text, DWORD style, DWORD ex_style,
                const Rect& bounds, const FontSpec* font);
  void Raise(HWND child);
  const ChildWindow* Find(HWND window) const;
  void Paint();
  void UpdateScrollBars();
  void Scroll(int bar, WPARAM request);
  void ScrollTo(Point position);
  HBRUSH BrushFor(TColor color);
  void MoveFocusTo(HWND target, bool by_tab);

  Look look_;
  HWND window_ = nullptr;
  DrawnSurface surface_;
  WindowLook window_look_;
  std::vector<ChildWindow> children_;
  std::vector<std::unique_ptr<TPanelWindow>> panels_;
  std::vector<std::unique_ptr<TVividButton>> vivid_;
  std::map<TColor, HBRUSH> brushes_;
  Point scroll_{};
  HWND last_focus_ = nullptr;
  UINT taskbar_created_ = 0;
  int next_id_ = 100;
};

}  // namespace anod
