#include "ui/property_values.h"

#include "core/failures.h"
#include "platform/color_names.h"
#include "ui/read_messages.h"

namespace anod {
namespace {

[[noreturn]] void Invalid() { throw EReadError(kInvalidPropertyValue); }

}  // namespace

std::int32_t IntValue(const Value& value) {
  if (value.type != ValueType::Integer) Invalid();
  return value.integer;
}

bool BoolValue(const Value& value) {
  if (value.type == ValueType::True) return true;
  if (value.type == ValueType::False) return false;
  Invalid();
}

const std::string& TextValue(const Value& value) {
  if (value.type != ValueType::Text) Invalid();
  return value.text;
}

const std::string& IdentValue(const Value& value) {
  if (value.type != ValueType::Ident) Invalid();
  return value.text;
}

std::span<const std::uint8_t> BytesValue(const Value& value) {
  if (value.type != ValueType::Bytes) Invalid();
  return value.Payload();
}

TColor ColorValue(const Value& value) {
  if (value.type == ValueType::Integer) return value.integer;
  if (value.type == ValueType::Ident) {
    if (const auto color = ColorFromName(value.text)) return *color;
  }
  Invalid();
}

int EnumValue(const Value& value, std::initializer_list<std::string_view> names) {
  const std::string& ident = IdentValue(value);
  int index = 0;
  for (std::string_view name : names) {
    if (name == ident) return index;
    ++index;
  }
  Invalid();
}

bool ApplyFontProperty(FontSpec& font, std::string_view path, const Value& value) {
  if (path == "Font.Name") {
    font.name = TextValue(value);
  } else if (path == "Font.Height") {
    font.height = IntValue(value);
  } else if (path == "Font.Color") {
    font.color = ColorValue(value);
  } else if (path == "Font.Charset") {
    font.charset = EnumValue(value, {"ANSI_CHARSET", "DEFAULT_CHARSET"});
  } else if (path == "Font.Style") {
    if (value.type != ValueType::Set) Invalid();
    FontSpec styled = font;
    styled.bold = styled.italic = styled.underline = styled.strike_out = false;
    for (const std::string& member : value.set) {
      if (member == "fsBold") styled.bold = true;
      else if (member == "fsItalic") styled.italic = true;
      else if (member == "fsUnderline") styled.underline = true;
      else if (member == "fsStrikeOut") styled.strike_out = true;
      else Invalid();
    }
    font = styled;
  } else {
    return false;
  }
  return true;
}

}  // namespace anod
