// A shell without a toolkit for the window model's tests: its controls
// record their bounds, how often their look was applied and the edit text,
// and a set of names answers which controls cannot take the focus.
#pragma once

#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "ui/form_model.h"
#include "widgets/vivid_button_model.h"

namespace anod::testing_support {

struct FakeControl final : EditBoxControl {
  explicit FakeControl(WindowedControl* parent) : parent(parent) {}
  void SetBounds(const Rect& b) override { bounds = b; }
  void ApplyLook() override { ++looks; }
  std::string Text() const override { return text; }
  void SetText(std::string_view t) override { text = t; }

  WindowedControl* parent;
  Rect bounds;
  int looks = 0;
  std::string text;
};

class FakeColoredButton final : public TVividButtonModel, public ColoredButtonControl {
 public:
  void SetBounds(const Rect& b) override { bounds = b; }
  TVividButtonModel& Model() override { return *this; }
  Rect bounds;

 protected:
  Size ClientSize() const override { return {bounds.Width(), bounds.Height()}; }
  bool IsEnabled() const override { return true; }
  bool HasFocus() const override { return false; }
  void TakeFocus() override {}
  bool WindowIsActive() const override { return true; }
  bool RightToLeft() const override { return false; }
  void Invalidate() override {}
  void RepaintNow() override {}
  TColor ParentColorValue() const override { return clBtnFace; }
  FontSpec ParentFontValue() const override { return {}; }
  bool IsOutlineFace(const FontSpec&) const override { return true; }
  void CaptionChanged() override {}
  void HideHintNow() override {}
  void DefaultChanged() override {}
  void SetWindowModalResult(int) override {}
  bool HasDropDownMenu() const override { return false; }
  bool ShowDropDownMenu(Point) override { return false; }
  void SetPressedLook(bool) override {}
  void ReleasePointer() override {}
};

class RecordingShell final : public WindowedControlFactory {
 public:
  void WindowRead(const WindowProperties& window) override {
    window_caption = window.caption;
    controls_before_window_read = static_cast<int>(made.size());
  }
  EditBoxControl& CreateEditBox(const EditBoxModel&, WindowedControl* parent) override { return Make(parent); }
  WindowedControl& CreatePushButton(PushButtonModel&, WindowedControl* parent) override { return Make(parent); }
  WindowedControl& CreateStaticText(const StaticTextModel&, WindowedControl* parent) override {
    return Make(parent);
  }
  WindowedControl& CreatePanel(PanelModel&, WindowedControl* parent) override { return Make(parent); }
  ColoredButtonControl& CreateColoredButton(WindowedControl*) override {
    auto button = std::make_unique<FakeColoredButton>();
    FakeColoredButton& out = *button;
    made.push_back(std::move(button));
    return out;
  }

  // The focus question, answered by name.
  FormModel::CanTakeFocus Focusable() const {
    return [this](const FormControl& c) { return refusing_focus.count(c.name) == 0; };
  }

  std::vector<std::unique_ptr<WindowedControl>> made;
  std::string window_caption;
  int controls_before_window_read = -1;
  std::set<std::string> refusing_focus;

 private:
  FakeControl& Make(WindowedControl* parent) {
    auto control = std::make_unique<FakeControl>(parent);
    FakeControl& out = *control;
    made.push_back(std::move(control));
    return out;
  }
};

// A window built on a recording shell; the shell outlives the model.
struct BuiltForm {
  RecordingShell shell;
  std::unique_ptr<FormModel> form;
};

inline std::unique_ptr<BuiltForm> Build(std::span<const std::uint8_t> description, const HandlerTable& handlers,
                                        const BuildOptions& options = {}) {
  auto built = std::make_unique<BuiltForm>();
  built->form = BuildFormModel(description, handlers, built->shell, options);
  return built;
}

}  // namespace anod::testing_support
