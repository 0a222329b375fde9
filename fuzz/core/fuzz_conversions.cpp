// Feeds arbitrary text to the field reader, writes what it read with both
// writers, and runs a calculator on it: nothing may crash, no sanitizer may
// complain, and the writers' texts must keep their length and shape rules.
//
// Input: one byte of settings (writer width, decimals, calculator), then the
// text; a TAB splits the text into calculator fields.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/calculators.h"
#include "core/decimal_reader.h"
#include "core/failures.h"
#include "core/fixed_writer.h"
#include "core/float_environment.h"
#include "core/general_writer.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text is the unfilled text T with spaces in front up to the width.
std::string_view Unfilled(const std::string& text, std::size_t unfilled_size, int width) {
  const std::size_t target = static_cast<std::size_t>(std::max(0, std::min(width, 255)));
  Check(text.size() == std::max(unfilled_size, target));
  for (std::size_t i = 0; i < text.size() - unfilled_size; ++i) Check(text[i] == ' ');
  return std::string_view(text).substr(text.size() - unfilled_size);
}

void CheckFixed(anod::Extended x, int width, int decimals) {
  const std::string text = anod::FormatFixed(x, width, decimals);
  if (anod::IsInfinity(x)) {
    Check(Unfilled(text, 4, width) == (x > 0 ? "+Inf" : "-Inf"));
    return;
  }
  if (decimals < 0 || anod::Magnitude(x) >= 0x1p120L) {
    // Sign character, s digits with a point after the first, "E", a sign and
    // four exponent digits.
    const std::size_t s = static_cast<std::size_t>(std::clamp(width - 8, 2, 18));
    const std::string_view t = Unfilled(text, s + 8, width);
    Check(t[0] == (anod::SignBit(x) ? '-' : ' '));
    Check(IsDigit(t[1]) && t[2] == '.');
    for (std::size_t i = 3; i < s + 2; ++i) Check(IsDigit(t[i]));
    Check(t[s + 2] == 'E' && (t[s + 3] == '+' || t[s + 3] == '-'));
    for (std::size_t i = s + 4; i < s + 8; ++i) Check(IsDigit(t[i]));
    return;
  }
  // Fixed: "-" when the sign bit is set, 1 to 37 integer digits, then "."
  // and exactly the count of decimals (capped at 216).
  std::size_t first = 0;
  while (first < text.size() && text[first] == ' ') ++first;
  const std::string_view t = Unfilled(text, text.size() - first, width);
  const std::size_t decimals_shown = static_cast<std::size_t>(std::min(decimals, 216));
  std::size_t i = 0;
  if (!t.empty() && t[0] == '-') ++i;
  Check(anod::SignBit(x) == (i == 1));
  std::size_t integer_digits = 0;
  for (; i < t.size() && IsDigit(t[i]); ++i) ++integer_digits;
  Check(integer_digits >= 1 && integer_digits <= 37);
  if (decimals_shown > 0) {
    Check(i < t.size() && t[i] == '.');
    Check(t.size() - i - 1 == decimals_shown);
    for (++i; i < t.size(); ++i) Check(IsDigit(t[i]));
  } else {
    Check(i == t.size());
  }
}

void CheckGeneral(anod::Extended x) {
  const std::string text = anod::FormatGeneral(x);
  Check(!text.empty());
  if (anod::IsInfinity(x)) {
    Check(text == (x > 0 ? "INF" : "-INF"));
    return;
  }
  std::size_t significant = 0;
  bool leading = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == 'E') break;
    if (IsDigit(c)) {
      if (c != '0') leading = false;
      if (!leading) ++significant;
    } else {
      Check(c == '.' || (c == '-' && i == 0));
    }
  }
  Check(significant <= 15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const bool ready = [] {
    anod::ResetFloatingPointUnit();
    return true;
  }();
  (void)ready;
  const std::uint8_t settings = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::string_view first_field = text.substr(0, text.find('\t'));
  try {
    const anod::DecimalReading reading = anod::ReadDecimal(first_field);
    Check(!anod::IsNan(reading.value));
    Check(reading.position >= 0 && static_cast<std::size_t>(reading.position) <= first_field.size() + 1);
    if (first_field.empty()) Check(reading.position == 1);
    const int width = (settings & 0x0F) * 3;           // 0 to 45
    const int decimals = ((settings >> 4) & 0x07) - 1;  // -1 to 6
    CheckFixed(reading.value, 3, 2);
    CheckFixed(reading.value, width, decimals);
    CheckFixed(reading.value, 300, 250);
    CheckGeneral(reading.value);
  } catch (const anod::EOverflow&) {
    // Beyond the extended range: the only failure the reader has.
  }

  anod::ShapeInputs inputs;
  std::size_t field = 0, start = 0;
  while (field < anod::kMaxFields && start <= text.size()) {
    const std::size_t tab = text.find('\t', start);
    inputs.texts[field++] = std::string(text.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  anod::ShapeResult result;
  try {
    anod::RunCalculator(static_cast<anod::Shape>(settings >> 7 ? (settings >> 5) & 3 : settings & 3), inputs,
                        result.Receivers());
  } catch (const anod::Exception&) {
    // Overflow, invalid operation or a refused field: reported, not a crash.
  }
  return 0;
}
