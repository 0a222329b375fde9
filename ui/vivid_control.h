// The colored button as a control of the window description: creation and
// the properties the description may set on it.
#pragma once

#include <string>

#include "ui/form1.h"
#include "widgets/qt/vivid_button.h"

namespace anod {

// Reads description properties into a TVividButton: Caption, ButtonStyle,
// Color, ParentColor, Font.*, ParentFont, ButtonLayout.* (Alignment,
// AlignText2Glyph, OffsetX, OffsetY, Spacing, Arrow, ArrowColor,
// ArrowIndent, ArrowPosition, ArrowSize), FontFX.Style and the old Style and
// ExtStyle names, UseCaption, MultiLine, CtlXP, Default, Cancel.
class VividButtonTarget final : public PropertyTarget {
 public:
  explicit VividButtonTarget(TVividButton& button);
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
  void Loaded() override;

 private:
  TVividButton& button_;
};

ControlEntry CreateVividButton(std::string name, QWidget& parent, TForm1& form);

}  // namespace anod
