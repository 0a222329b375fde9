// The colored button as a control of the window description: the
// properties the description may set on its model.
#pragma once

#include "ui/property_target.h"
#include "widgets/vivid_button_model.h"

namespace anod {

// Reads description properties into a colored button's model: Caption, ButtonStyle,
// Color, ParentColor, Font.*, ParentFont, ButtonLayout.* (Alignment,
// AlignText2Glyph, OffsetX, OffsetY, Spacing, Arrow, ArrowColor,
// ArrowIndent, ArrowPosition, ArrowSize), FontFX.Style and the old Style and
// ExtStyle names, UseCaption, MultiLine, CtlXP, Default, Cancel.
class VividButtonTarget final : public PropertyTarget {
 public:
  explicit VividButtonTarget(TVividButtonModel& button);
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
  void Loaded() override;

 private:
  TVividButtonModel& button_;
};

}  // namespace anod
