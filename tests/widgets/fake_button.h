// The colored button's model in a toolkit of its own: it records what the
// model asks of its toolkit. Shared by the model's tests and the window
// model's tests.
#pragma once

#include <vector>

#include "widgets/vivid_button_model.h"

namespace anod::testing_support {

// The model in a toolkit of its own: it records what it is asked.
class FakeButton : public TVividButtonModel {
 public:
  Size size{75, 25};
  bool enabled = true;
  bool focused = false;
  bool refuses_focus = false;
  bool window_active = true;
  TColor parent_color = clBtnFace;
  FontSpec parent_font;
  bool has_menu = false;
  int invalidations = 0;
  int immediate_paints = 0;
  int hints_hidden = 0;
  int modal_result = -1;
  std::vector<Point> menus_shown;
  bool pressed_look = false;

  int Repaints() const { return invalidations + immediate_paints; }

 protected:
  Size ClientSize() const override { return size; }
  bool IsEnabled() const override { return enabled; }
  bool HasFocus() const override { return focused; }
  void TakeFocus() override { focused = !refuses_focus; }
  bool WindowIsActive() const override { return window_active; }
  bool RightToLeft() const override { return false; }
  void Invalidate() override { ++invalidations; }
  void RepaintNow() override { ++immediate_paints; }
  TColor ParentColorValue() const override { return parent_color; }
  FontSpec ParentFontValue() const override { return parent_font; }
  bool IsOutlineFace(const FontSpec& font) const override { return font.name != "NoSuchBitmapFace"; }
  void CaptionChanged() override {}
  void HideHintNow() override { ++hints_hidden; }
  void DefaultChanged() override {}
  void SetWindowModalResult(int result) override { modal_result = result; }
  bool HasDropDownMenu() const override { return has_menu; }
  bool ShowDropDownMenu(Point corner) override {
    menus_shown.push_back(corner);
    return true;
  }
  void SetPressedLook(bool down) override { pressed_look = down; }
  void ReleasePointer() override {}
};

}  // namespace anod::testing_support
