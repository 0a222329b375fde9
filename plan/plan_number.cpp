#include "plan/plan_number.h"

#include <cmath>

#include "core/decimal_reader.h"
#include "core/extended.h"
#include "core/failures.h"
#include "core/float_environment.h"
#include "plan/plan_texts.h"

namespace anod {

std::optional<double> ReadPlanNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  std::string point(text);
  const std::size_t comma = point.find(',');
  if (comma != std::string::npos) {
    // One separator at most: "1.000,5" and "1,5,3" are not numbers.
    if (point.find_first_of(".,", comma + 1) != std::string::npos || point.find('.') < comma) return std::nullopt;
    point[comma] = '.';
  }
  // The window's reader takes ".", "-." and ".e5" as zeros; a typed number
  // has a digit before its exponent.
  if (point.substr(0, point.find_first_of("eE")).find_first_of("0123456789") == std::string::npos) {
    return std::nullopt;
  }
  EnterFloatingPointSection();
  try {
    const DecimalReading reading = ReadDecimal(point);
    if (reading.position != 0) return std::nullopt;
    const double value = StoreDouble(reading.value);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
  } catch (const Exception&) {
    return std::nullopt;  // beyond the double range
  }
}

std::string NotANumberMessage(std::string_view where, std::string_view text) {
  return std::string(where) + " : \xC2\xAB " + EchoText(text) + " \xC2\xBB n'est pas un nombre";
}

}  // namespace anod
