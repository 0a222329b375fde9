#include "cli/result_format.h"

#include "cli/visible_text.h"

namespace anod {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The caption without its padding and its unit: " 244.92 Cm² " -> "244.92".
std::string_view PlainField(std::string_view caption, std::string_view unit) {
  std::string_view text = Trimmed(caption);
  if (text.ends_with(unit)) text.remove_suffix(unit.size());
  return Trimmed(text);
}

bool IsJsonNumber(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i > start;
  };
  if (i < text.size() && text[i] == '-') ++i;
  if (!digits()) return false;
  if (i < text.size() && text[i] == '.' && (++i, !digits())) return false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == text.size();
}

std::string JsonValue(std::string_view cp1252) {
  if (cp1252.empty()) return "null";
  if (IsJsonNumber(cp1252)) return std::string(cp1252);
  std::string quoted = "\"";
  for (const char c : VisibleUtf8(cp1252)) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string Record(ResultFormat format, std::string_view surface, std::string_view current,
                   std::string_view message) {
  if (format == ResultFormat::kJson) {
    return "{\"surface\":" + JsonValue(surface) + ",\"current\":" + JsonValue(current) +
           ",\"message\":" + JsonValue(message) + "}\n";
  }
  std::string record;
  record.reserve(surface.size() + current.size() + message.size() + 8);
  AppendVisibleUtf8(record, surface);
  record += '\t';
  AppendVisibleUtf8(record, current);
  record += '\t';
  AppendVisibleUtf8(record, message);
  record += '\n';
  return record;
}

}  // namespace

std::optional<ResultFormat> ResultFormatByName(std::string_view name) {
  if (name == "tsv") return ResultFormat::kTsv;
  if (name == "json") return ResultFormat::kJson;
  return std::nullopt;
}

std::string FormatResult(ResultFormat format, const CalcResult& result, bool batch) {
  if (format == ResultFormat::kCaptions) {
    if (batch) return Record(format, result.surface, result.current, result.message);
    return VisibleUtf8(result.surface) + '\n' + VisibleUtf8(result.current) + '\n';
  }
  return Record(format, PlainField(result.surface, "Cm\xB2"), PlainField(result.current, "mA"), result.message);
}

std::string FormatUnusable(ResultFormat format, std::string_view problem) {
  return Record(format, "", "", problem);
}

std::string FormatSkipped(ResultFormat format) { return format == ResultFormat::kJson ? "null\n" : "\n"; }

}  // namespace anod
