#include "ui/windowed_models.h"

#include "core/failures.h"
#include "ui/drawn_controls.h"
#include "ui/property_values.h"
#include "ui/read_messages.h"

namespace anod {
namespace {

// Properties every windowed control of the window accepts and none needs.
bool IsFixedDefault(std::string_view path, const Value& value) {
  if (path == "AutoSize") return value.type == ValueType::False;
  if (path == "ParentFont" || path == "ParentColor") return value.type == ValueType::False;
  return false;
}

TextAlignment AlignmentValue(const Value& value) {
  return static_cast<TextAlignment>(EnumValue(value, {"taLeftJustify", "taRightJustify", "taCenter"}));
}

}  // namespace

bool EditBoxModel::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(font, path, value)) return true;
  if (path == "Color") {
    color = ColorValue(value);
  } else if (path == "Text") {
    text = TextValue(value);
  } else if (path == "BorderStyle") {
    EnumValue(value, {"bsSingle"});
  } else if (!IsFixedDefault(path, value)) {
    return false;
  }
  return true;
}

void EditBoxModel::ScaleFont(int num, int den) { ScaleFontSpec(font, num, den); }

bool PushButtonModel::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(look.font, path, value)) return true;
  if (path == "Caption") {
    look.caption = TextValue(value);
  } else if (path == "Default" || path == "Cancel") {
    if (BoolValue(value)) throw EReadError(kInvalidPropertyValue);
  } else if (!IsFixedDefault(path, value)) {
    return false;
  }
  return true;
}

void PushButtonModel::ScaleFont(int num, int den) { ScaleFontSpec(look.font, num, den); }

bool StaticTextModel::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(font, path, value)) return true;
  if (path == "Caption") {
    caption = TextValue(value);
  } else if (path == "Color") {
    color = ColorValue(value);
  } else if (path == "Alignment") {
    if (AlignmentValue(value) != TextAlignment::Center) throw EReadError(kInvalidPropertyValue);
  } else if (path == "BorderStyle") {
    EnumValue(value, {"sbsSunken"});
  } else if (!IsFixedDefault(path, value)) {
    return false;
  }
  return true;
}

void StaticTextModel::ScaleFont(int num, int den) { ScaleFontSpec(font, num, den); }

bool PanelModel::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(look.font, path, value)) {
    parent_font = false;
  } else if (path == "ParentFont") {
    parent_font = BoolValue(value);
  } else if (path == "Caption") {
    look.caption = TextValue(value);
  } else if (path == "Color") {
    look.color = ColorValue(value);
  } else if (path == "Alignment") {
    look.alignment = AlignmentValue(value);
  } else if (path == "BevelOuter" || path == "BevelInner") {
    const int kind = EnumValue(value, {"bvNone", "bvLowered", "bvRaised"});
    if (path == "BevelOuter") {
      look.has_outer = kind != 0;
      look.outer_raised = kind == 2;
    } else {
      look.has_inner = kind != 0;
      look.inner_lowered = kind == 1;
    }
  } else if (path == "BevelWidth") {
    look.bevel_width = IntValue(value);
    if (look.bevel_width < 1) throw EReadError(kInvalidPropertyValue);
  } else if (path == "BorderWidth") {
    if (IntValue(value) != 0) throw EReadError(kInvalidPropertyValue);
  } else {
    return false;
  }
  return true;
}

void PanelModel::ScaleFont(int num, int den) {
  if (!parent_font) ScaleFontSpec(look.font, num, den);
}

}  // namespace anod
