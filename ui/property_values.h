// Typed reading of description values, shared by every control kind.
//
// Each function raises EReadError "Valeur de propriété incorrecte" when the
// value has the wrong type or names no known member:
//   IntValue(Value::Int(-16)) -> -16;     IntValue(Value::Id("x")) -> throws
//   ColorValue(Value::Id("clNavy")) -> clNavy;  ColorValue(Value::Int(255)) -> clRed
//   EnumValue(Value::Id("taCenter"), {"taLeftJustify", "taRightJustify", "taCenter"}) -> 2
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "ui/description_stream.h"

namespace anod {

std::int32_t IntValue(const Value& value);
bool BoolValue(const Value& value);
const std::string& TextValue(const Value& value);
const std::string& IdentValue(const Value& value);
std::span<const std::uint8_t> BytesValue(const Value& value);
TColor ColorValue(const Value& value);
// The index of the identifier among `names`.
int EnumValue(const Value& value, std::initializer_list<std::string_view> names);

// Applies Font.Name, Font.Height, Font.Color, Font.Style ([fsBold, fsItalic,
// fsUnderline, fsStrikeOut]) or Font.Charset (ANSI_CHARSET, DEFAULT_CHARSET)
// to `font`; false when `path` is no font property.
bool ApplyFontProperty(FontSpec& font, std::string_view path, const Value& value);

}  // namespace anod
