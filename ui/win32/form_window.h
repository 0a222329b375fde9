// The main window on Win32, the window model's shell (ui/form_model.h): a
// sizeable top-level window with the description's icon, title and system
// menu, scroll bars shown whenever the client area is smaller than the
// controls' extent, a client area that paints the window's colour and its
// drawn controls through the GDI canvas, and the windowed controls as
// child windows (ui/win32/windowed_children.h, panel_window.h).
//
// Each child lies above those created before it. Tab and Shift+Tab move the
// focus through the model's tab stops, the arrow keys through every
// windowed control on a control that does not use them; Enter on a
// standard push button clicks it once per press (PushButtonModel::KeyClicks),
// and Enter or Escape elsewhere clicks the button the shared key rule picks
// (ButtonForKey); Page Up and Page Down scroll the window unless an edit box
// holds the focus, the wheel scrolls it wherever the pointer is
// (ui/window_scroll.h). The message loop offers each message to
// PreTranslate first.
//
//   TForm1 form;
//   form.Build(Form1Description(), operations);   // throws what building throws
//   form.Show(SW_SHOWNORMAL);                     // centred, Edit1 focused
//   form.Model().LabelCaption("lbl4")
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form_model.h"
#include "ui/win32/icon_handle.h"
#include "widgets/win32/vivid_button.h"

namespace anod::win32 {

class NativeChild;
class TButton;

class TForm1 final : public WindowedControlFactory {
 public:
  TForm1();
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  void Build(std::span<const std::uint8_t> description, const HandlerTable& handlers);
  HWND Handle() const { return window_; }
  FormModel& Model() { return *model_; }
  // The child window of a windowed control, by name; null for none.
  HWND ChildWindow(std::string_view name) const;

  // ----- Showing and the loop -----
  // Shows the window as ShowWindow does; SW_SHOWNORMAL first places it
  // (centred the first time, FormModel::FirstShow) and brings it to the
  // foreground.
  void Show(int show_command);
  bool PreTranslate(const MSG& message);
  Point ScrollPosition() const { return scroll_; }

  // ----- WindowedControlFactory -----
  void WindowRead(const WindowProperties& window) override;
  EditBoxControl& CreateEditBox(const EditBoxModel& model, WindowedControl* parent) override;
  WindowedControl& CreatePushButton(PushButtonModel& model, WindowedControl* parent) override;
  WindowedControl& CreateStaticText(const StaticTextModel& model, WindowedControl* parent) override;
  WindowedControl& CreatePanel(PanelModel& model, WindowedControl* parent) override;
  ColoredButtonControl& CreateColoredButton(WindowedControl* parent) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Message(UINT message, WPARAM wparam, LPARAM lparam);
  HWND ParentWindow(WindowedControl* parent) const;
  const Point* ScrollOf(WindowedControl* parent) const { return parent == nullptr ? &scroll_ : nullptr; }
  template <class Control>
  Control& Keep(std::unique_ptr<Control> control, HWND window);
  const FormControl* ControlOf(HWND window) const;
  HWND WindowOf(const FormControl* control) const;
  bool CanTakeFocus(const FormControl& control) const;
  void Focus(const FormControl* control, bool by_tab);
  // Enter or Escape typed (`repeat`: held down) with `focus` (the control
  // `focused`) holding the keyboard; true when a button took it.
  bool PressButtonForKey(HWND focus, const FormControl* focused, bool enter, bool repeat);
  void Paint();
  void UpdateScrollBars();
  int ScrollPage(int bar) const;
  void Scroll(int bar, WPARAM request);
  void Wheel(int bar, int delta);
  void ScrollTo(Point position);
  HBRUSH BrushFor(TColor color);

  HWND window_ = nullptr;
  std::unique_ptr<FormModel> model_;  // outlives the controls built on it
  WindowLook look_;
  IconHandle icon_;
  std::vector<std::unique_ptr<WindowedControl>> children_;  // creation order
  std::map<HWND, WindowedControl*> by_window_;
  std::map<const WindowedControl*, HWND> windows_;
  std::map<HWND, NativeChild*> natives_;
  std::map<HWND, TButton*> push_buttons_;
  std::map<TColor, HBRUSH> brushes_;
  Point scroll_{};
  HWND last_focus_ = nullptr;
  UINT taskbar_created_ = 0;
  int next_id_ = 100;
};

}  // namespace anod::win32
