#include "ui/vivid_control.h"

#include "core/failures.h"
#include "ui/drawn_controls.h"
#include "ui/property_values.h"
#include "ui/read_messages.h"
#include "widgets/vivid_stored.h"
#include "widgets/vivid_types.h"

namespace anod {
namespace {

template <class E>
E VividValue(const Value& value) {
  E out{};
  if (!ReadVividName(IdentValue(value), out)) throw EReadError(kInvalidPropertyValue);
  return out;
}

bool ApplyLayoutProperty(TVividButtonLayout& layout, std::string_view name, const Value& value) {
  if (name == "Alignment") layout.SetAlignment(VividValue<TVividAlignment>(value));
  else if (name == "AlignText2Glyph") layout.SetAlignText2Glyph(VividValue<TVividTextArrange>(value));
  else if (name == "OffsetX") layout.SetOffsetX(IntValue(value));
  else if (name == "OffsetY") layout.SetOffsetY(IntValue(value));
  else if (name == "Spacing") layout.SetSpacing(IntValue(value));
  else if (name == "Arrow") layout.SetArrow(BoolValue(value));
  else if (name == "ArrowColor") layout.SetArrowColor(ColorValue(value));
  else if (name == "ArrowIndent") layout.SetArrowIndent(IntValue(value));
  else if (name == "ArrowPosition") layout.SetArrowPosition(VividValue<TVividArrowPosition>(value));
  else if (name == "ArrowSize") layout.SetArrowSize(IntValue(value));
  else return false;
  return true;
}

}  // namespace

VividButtonTarget::VividButtonTarget(TVividButtonModel& button) : button_(button) { button_.BeginLoading(); }

bool VividButtonTarget::ApplyProperty(std::string_view path, const Value& value) {
  FontSpec font = button_.Font();
  if (ApplyFontProperty(font, path, value)) {
    // A font of its own: while loading the button does not drop its parent
    // font by itself, and dropping it later would copy the parent's over it.
    button_.SetParentFont(false);
    button_.SetFont(font);
    return true;
  }
  constexpr std::string_view kLayout = "ButtonLayout.";
  if (path.substr(0, kLayout.size()) == kLayout) {
    return ApplyLayoutProperty(button_.ButtonLayout(), path.substr(kLayout.size()), value);
  }
  if (path == "Style" || path == "ExtStyle") return ApplyStoredStyle(button_, path, IdentValue(value));
  if (path == "Caption") button_.SetCaption(TextValue(value));
  else if (path == "ButtonStyle") button_.SetButtonStyle(VividValue<TVividUserButtonStyle>(value));
  else if (path == "Color") button_.SetColor(ColorValue(value));
  else if (path == "ParentColor") button_.SetParentColor(BoolValue(value));
  else if (path == "ParentFont") button_.SetParentFont(BoolValue(value));
  else if (path == "FontFX.Style") button_.FontFX().SetStyle(VividValue<TVividThreeDStyle>(value));
  else if (path == "UseCaption") button_.SetUseCaption(BoolValue(value));
  else if (path == "MultiLine") button_.SetMultiLine(BoolValue(value));
  else if (path == "CtlXP") button_.SetCtlXP(BoolValue(value));
  else if (path == "Default") button_.SetDefault(BoolValue(value));
  else if (path == "Cancel") button_.SetCancel(BoolValue(value));
  else return false;
  return true;
}

void VividButtonTarget::ScaleFont(int num, int den) {
  if (button_.ParentFont()) return;
  FontSpec font = button_.Font();
  ScaleFontSpec(font, num, den);
  button_.SetFont(font);
}

void VividButtonTarget::Loaded() { button_.EndLoading(); }

}  // namespace anod
