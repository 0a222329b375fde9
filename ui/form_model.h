// The main window without its toolkit: built from the compiled description,
// it holds the window's own properties, every control in creation order with
// its bounds, tab order and click handler, and the window's rules (scaling,
// scroll range, first placement, tab and arrow navigation, failure routing).
// A toolkit's shell creates the native child windows through a
// WindowedControlFactory, translates its events into questions to the model
// and paints through a Canvas.
//
// How a shell builds and runs the window:
//
//   class MyShell : public WindowedControlFactory { ... };   // below
//   MyShell shell;
//   BuildOptions options{screen_ppi, [&](int h) { return ZeroHeight(h); }};
//   std::unique_ptr<FormModel> form =
//       BuildFormModel(Form1Description(), handlers, shell, options);   // may throw
//   form->Surface().SetInvalidate(...);        // the client area's repaint
//   form->ScrollRange()          -> {1057, 921}: the scrolled area's size
//   form->ClientSizeFor(form->Window().outer_size) -> {1073, 936}
//   form->FirstShow(screen, work_area) -> {99, 30, 1180, 993} once, then nullopt
//   form->NextTabStop(nullptr, true, can) -> Edit1 (first activation)
//   form->NextTabStop(Edit1, true, can)   -> btn1 (Tab)
//   form->NextInTabOrder(Button2, true, can) -> Panel1 (Right arrow)
//   form->SetLabelCaption("lbl4", " 244.92 Cm\xB2 ")  repaints the label
//
// Every failure while building is an `Exception` (an `EReadError` "Erreur
// lors de la lecture de ..." for a damaged description or an unknown
// handler); nothing is shown: the caller reports it. After building, a
// failure raised while painting drawn controls goes to the failure sink;
// handlers report their own (ui/handler_table.h).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/failures.h"
#include "ui/calculator_window.h"
#include "pictures/stored_value.h"
#include "platform/canvas.h"
#include "ui/drawn_controls.h"
#include "ui/drawn_host.h"
#include "ui/handler_table.h"
#include "ui/property_target.h"
#include "ui/scaling.h"
#include "ui/windowed_models.h"

namespace anod {

class TVividButtonModel;

// ---- What a shell provides -------------------------------------------------

// A windowed control as its toolkit made it: a child window of its own,
// above every drawn control of its parent.
class WindowedControl {
 public:
  virtual ~WindowedControl() = default;
  // Relative to the parent's client area.
  virtual void SetBounds(const Rect& bounds) = 0;
  // The control's model has been read, or its fonts scaled: show it.
  virtual void ApplyLook() {}
};

// The edit box holds the user's text.
class EditBoxControl : public WindowedControl {
 public:
  virtual std::string Text() const = 0;  // Windows-1252
  virtual void SetText(std::string_view text) = 0;
};

// The colored button is its own model: the toolkit's button derives from
// TVividButtonModel (widgets/vivid_button_model.h).
class ColoredButtonControl : public WindowedControl {
 public:
  virtual TVividButtonModel& Model() = 0;
};

struct WindowProperties;

// Creates the toolkit's controls while the description is read. `parent` is
// null for a child of the window's client area, else a panel this factory
// created. The models belong to the FormModel and outlive the controls'
// use of them; the controls belong to the shell.
class WindowedControlFactory {
 public:
  virtual ~WindowedControlFactory() = default;
  // The window's own properties are read; its controls follow, so a font
  // given to the client area now is the one every control inherits.
  virtual void WindowRead(const WindowProperties& window) = 0;
  virtual EditBoxControl& CreateEditBox(const EditBoxModel& model, WindowedControl* parent) = 0;
  virtual WindowedControl& CreatePushButton(PushButtonModel& model, WindowedControl* parent) = 0;
  virtual WindowedControl& CreateStaticText(const StaticTextModel& model, WindowedControl* parent) = 0;
  // The panel's drawn controls are in model.host; the shell sets its
  // invalidate callback and paints them after the panel's look.
  virtual WindowedControl& CreatePanel(PanelModel& model, WindowedControl* parent) = 0;
  virtual ColoredButtonControl& CreateColoredButton(WindowedControl* parent) = 0;
};

// ---- The model ---------------------------------------------------------------

struct WindowProperties {
  std::string name = "Form1";
  std::string caption;       // Windows-1252
  Point stored_position;     // Left, Top
  Size outer_size{1081, 963};  // Width, Height: frame and title bar included
  TColor color = clBtnFace;
  FontSpec font;             // the window font, scaled to the screen
  bool system_menu = false, minimize_box = false, maximize_box = false;  // BorderIcons
  bool centre_on_show = false;  // Position = poScreenCenter
  bool auto_scroll = true;
  IconImage icon;            // empty without Icon.Data
};

// One control as built, in creation order.
struct FormControl {
  std::string name;
  std::string class_name;
  std::string parent;  // the window's name or the panel's
  Rect bounds;         // relative to the parent's client area, scaled
  int tab_order = -1;  // -1 for drawn controls
  bool tab_stop = false;
  std::unique_ptr<PropertyTarget> properties;  // the model the description sets
  DrawnControl* drawn = nullptr;               // drawn controls, owned by their host
  WindowedControl* windowed = nullptr;         // windowed controls, owned by the shell

  // The control's model as a kind: As<EditBoxModel>(), As<PanelModel>(), ...
  template <class T>
  T* As() const {
    return dynamic_cast<T*>(properties.get());
  }
};

struct BuildOptions {
  // The screen's; 0 builds for 96 (a shell puts its screen's here).
  int pixels_per_inch = 0;
  // Measures the height of "0" in the window font of the given (negative)
  // height; empty: the design's 13, nothing scales by font.
  std::function<int(int font_height)> zero_height;
};

class FormModel final : public CalculatorWindow {
 public:
  // The classic frame the outer size is counted with: a 4-pixel sizing
  // border on every side and a 19-pixel title bar, so the outer 1081 x 963
  // leaves a client area of 1073 x 936.
  static constexpr int kFrameBorder = 4;
  static constexpr int kTitleBar = 19;
  static constexpr Size ClientSizeFor(Size outer) {
    return {outer.cx - 2 * kFrameBorder, outer.cy - 2 * kFrameBorder - kTitleBar};
  }

  FormModel();
  FormModel(const FormModel&) = delete;
  FormModel& operator=(const FormModel&) = delete;

  const WindowProperties& Window() const { return window_; }
  // The drawn controls of the window's own client area.
  DrawnHost& Surface() { return surface_; }
  const DrawnHost& Surface() const { return surface_; }

  // ---- Controls ----
  const std::vector<FormControl>& Controls() const { return controls_; }
  const FormControl* Find(std::string_view name) const;
  // The control whose toolkit object is `control`; null for none.
  const FormControl* FindWindowed(const WindowedControl* control) const;
  TLabel* Label(std::string_view name) const;

  // Texts in Windows-1252. Unknown names or kinds: an empty text, no change.
  std::string EditText(std::string_view name) const override;
  void SetEditText(std::string_view name, std::string_view text);
  std::string LabelCaption(std::string_view name) const;
  // Repaints the label, then tells the caption listener (a screen reader's
  // bridge) its name.
  void SetLabelCaption(std::string_view name, std::string caption) override;
  void SetCaptionListener(std::function<void(std::string_view name)> listener) {
    caption_listener_ = std::move(listener);
  }
  // Told once a calculator wrote both its captions (not after a failure or
  // a silent stop): the window's ways into the planner keep that part.
  void Calculated(const CalculatorInfo& calculator) override {
    if (calculated_listener_) calculated_listener_(calculator);
  }
  void SetCalculatedListener(std::function<void(const CalculatorInfo&)> listener) {
    calculated_listener_ = std::move(listener);
  }

  // ---- Geometry ----
  // The largest right and bottom edges of the window's direct children.
  Size ScrollRange() const;
  // The window's outer rectangle when it is first shown, on `screen`, kept
  // inside `available` (FirstPlacement, ui/first_placement.h) with
  // Position = poScreenCenter; at the stored position otherwise. Nullopt
  // for every later show: the user places the window from then on.
  std::optional<Rect> FirstShow(const Rect& screen, const Rect& available);

  // ---- Focus ----
  // Answers whether the toolkit's control can take the focus now (enabled
  // and shown).
  using CanTakeFocus = std::function<bool(const FormControl&)>;
  // The window's windowed controls by TabOrder (creation order among equals).
  std::vector<const FormControl*> TabList() const;
  // Tab (forward) and Shift+Tab: the next tab stop after `from`, wrapping;
  // from null, the first (or last) one. Null when none can take the focus.
  const FormControl* NextTabStop(const FormControl* from, bool forward, const CanTakeFocus& can) const;
  // The arrow keys: the next windowed control in tab order, tab stop or not,
  // wrapping; null when none other can take the focus or `from` is not in
  // the list.
  const FormControl* NextInTabOrder(const FormControl& from, bool forward, const CanTakeFocus& can) const;
  // Edit boxes move their caret with the arrow keys; every other windowed
  // control passes them on as focus moves.
  static bool UsesArrowKeys(const FormControl& control) { return control.class_name == "TEdit"; }
  // Up, Down, Page Up and Page Down typed in an edit box stay there (a
  // one-line box does nothing with them); with the focus anywhere else (or
  // nowhere) Page Up and Page Down scroll the window a page.
  static bool KeepsScrollKeys(const FormControl* focused) { return focused != nullptr && UsesArrowKeys(*focused); }

  // ---- Failures after building ----
  // Without a sink a failure is dropped: a shell installs one before showing.
  void SetFailureSink(FailureSink sink) { sink_ = std::move(sink); }
  void ReportFailure(const Exception& failure) const;

 private:
  friend class FormBuilder;
  void Finish(const ScalePlan& plan);

  WindowProperties window_;
  DrawnHost surface_;
  std::vector<FormControl> controls_;
  std::map<std::string, std::size_t, std::less<>> by_name_;
  bool shown_ = false;
  FailureSink sink_;
  std::function<void(std::string_view name)> caption_listener_;
  std::function<void(const CalculatorInfo&)> calculated_listener_;
};

// Builds the window from a compiled description, creating its windowed
// controls through `factory`.
std::unique_ptr<FormModel> BuildFormModel(std::span<const std::uint8_t> description, const HandlerTable& handlers,
                                          WindowedControlFactory& factory, const BuildOptions& options = {});

}  // namespace anod
