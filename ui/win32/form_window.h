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
// standard push button clicks it; Page Up and Page Down scroll the window
// unless an edit box holds the focus, the wheel scrolls it wherever the
// pointer is (ui/window_scroll.h). The message loop offers each message to
// PreTranslate first.
//
//   TWin32Form form;
//   form.Build(Form1Description(), operations);   // throws what building throws
//   form.Show(ShowRequest::kNormal);              // centred, Edit1 focused
//   form.Model().LabelCaption("lbl4")
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/calculator_window.h"
#include "ui/form_model.h"
#include "ui/show_request.h"
#include "ui/win32/icon_handle.h"
#include "widgets/win32/vivid_button.h"

namespace anod {

class NativeChild;
class Win32PushButton;

class TWin32Form final : public WindowedControlFactory, public CalculatorWindow {
 public:
  TWin32Form();
  ~TWin32Form() override;
  TWin32Form(const TWin32Form&) = delete;
  TWin32Form& operator=(const TWin32Form&) = delete;

  void Build(std::span<const std::uint8_t> description, const HandlerTable& handlers);
  HWND Handle() const { return window_; }
  FormModel& Model() { return *model_; }
  // The child window of a windowed control, by name; null for none.
  HWND ChildWindow(std::string_view name) const;

  // ----- CalculatorWindow -----
  std::string EditText(std::string_view name) const override { return model_->EditText(name); }
  void SetLabelCaption(std::string_view name, std::string caption) override {
    model_->SetLabelCaption(name, std::move(caption));
  }
  void Calculated(const CalculatorInfo& calculator) override {
    if (calculated_) calculated_(calculator);
  }
  // Who hears of each calculation (the planner's way in).
  void SetCalculatedSink(std::function<void(const CalculatorInfo&)> sink) { calculated_ = std::move(sink); }

  // ----- Showing and the loop -----
  void Show(ShowRequest request);
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
  std::map<HWND, Win32PushButton*> push_buttons_;
  std::map<TColor, HBRUSH> brushes_;
  Point scroll_{};
  HWND last_focus_ = nullptr;
  UINT taskbar_created_ = 0;
  int next_id_ = 100;
  std::function<void(const CalculatorInfo&)> calculated_;
};

}  // namespace anod
