#include "core/calculators.h"

#include <cstdint>

#include "core/decimal_reader.h"
#include "core/extended.h"
#include "core/failures.h"
#include "core/fixed_writer.h"
#include "core/float_environment.h"
#include "core/general_writer.h"
#include "core/shape_surfaces.h"
#include "core/whole_numbers.h"

namespace anod {
namespace {

constexpr std::int64_t kMilliampsPerCm2 = 10;
// The largest rounded surface whose current fits the 64-bit product.
constexpr std::int64_t kMaxTenfold = INT64_MAX / kMilliampsPerCm2;
constexpr std::size_t kQuotedTextLimit = 32;

std::string QuotedText(const std::string& text) {
  return text.size() > kQuotedTextLimit ? text.substr(0, kQuotedTextLimit) + "..." : text;
}

// "Valeur incorrecte pour « Rayon » (CYLINDRE) : « 1,5 »"
std::string FieldMessage(const char* what, const CalculatorInfo& calculator, const FieldInfo& field,
                         const std::string& text) {
  return std::string(what) + " pour \xAB " + field.word + " \xBB (" + calculator.title + ") : \xAB " +
         QuotedText(text) + " \xBB";
}

// A French user's decimal comma: `text` with its first "," taken as ".",
// when the field would then be accepted (it reads whole, fits a double and
// is not negative); empty otherwise. Advice to type a text that is refused
// in turn helps no one:
//   "1,5"  -> "1.5"
//   "-1,5" -> ""   ("-1.5" is refused as negative)
//   "1,e400" -> "" ("1.e400" is beyond the double range)
std::string CommaCorrected(const std::string& text, std::string_view trimmed) {
  const std::size_t comma = trimmed.find(',');
  if (comma == std::string_view::npos) return {};
  std::string corrected(text);
  corrected[comma] = '.';
  try {
    const DecimalReading reading = ReadDecimal(std::string_view(corrected).substr(0, trimmed.size()));
    if (reading.position == 0 && !(StoreDouble(reading.value) < 0)) return corrected;
  } catch (const Exception&) {
    // Out of range once corrected ("2,e4932"): no advice to give.
  }
  return {};
}

// One field: trailing spaces dropped, read, stored as a double (which fails
// first on a value beyond the double range), then refused when malformed or
// negative. An empty field reads as 0.
double ReadField(const CalculatorInfo& calculator, std::size_t index, const ShapeInputs& inputs) {
  const std::string& text = inputs.texts[index];
  std::string_view trimmed = text;
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
  const DecimalReading reading = ReadDecimal(trimmed);
  const double value = StoreDouble(reading.value);
  const FieldInfo& field = calculator.fields[index];
  if (!trimmed.empty() && reading.position != 0) {
    std::string message = FieldMessage("Valeur incorrecte", calculator, field, text);
    if (const std::string corrected = CommaCorrected(text, trimmed); !corrected.empty()) {
      message += " \x97 le s\xE9parateur d\xE9" "cimal est le point : \xAB " + QuotedText(corrected) + " \xBB";
    }
    throw EInvalidInput(message);
  }
  if (value < 0) {
    throw EInvalidInput(FieldMessage("Valeur n\xE9gative", calculator, field, text));
  }
  return value;
}

// Writes the surface caption, then derives and writes the current.
void Publish(double surface, const CaptionReceivers& out) {
  // Appended rather than `" " + FormatFixed(...)`: GCC 12 at -O3 sees that
  // form's insert at the front as an overlapping copy (-Wrestrict).
  std::string caption(" ");
  caption += FormatFixed(surface, 3, 2);
  caption += " Cm\xB2 ";
  out.surface(caption);
  const std::int64_t n = RoundToInt64(surface);
  std::string current;
  if (n > kMaxTenfold || n < -kMaxTenfold) {
    // Beyond the 64-bit product: the exact tenfold in extended arithmetic.
    current = FormatGeneral(Mul(static_cast<Extended>(n), kMilliampsPerCm2));
  } else {
    const std::int64_t m = MulInt64(n, kMilliampsPerCm2);
    const double as_double = StoreDouble(static_cast<Extended>(m));
    current = FormatGeneral(static_cast<Extended>(RoundToInt64(as_double)));
  }
  out.current(current + " mA ");
}

}  // namespace

void btn1Click(const ShapeInputs& fields, const CaptionReceivers& out) {
  EnterFloatingPointSection();
  const CalculatorInfo& info = CalculatorFor(Shape::kCylinder);
  const double r = ReadField(info, 0, fields);
  const double ends = CylinderEnds(r);
  const double h = ReadField(info, 1, fields);
  if (!(r > 0)) return;
  Publish(CylinderSurface(r, h, ends), out);
}

void btn2Click(const ShapeInputs& fields, const CaptionReceivers& out) {
  EnterFloatingPointSection();
  const CalculatorInfo& info = CalculatorFor(Shape::kBox);
  const double height = ReadField(info, 0, fields);
  const double length = ReadField(info, 1, fields);
  const double width = ReadField(info, 2, fields);
  if (!(height > 0)) return;
  Publish(BoxSurface(height, length, width), out);
}

void Button1Click(const ShapeInputs& fields, const CaptionReceivers& out) {
  EnterFloatingPointSection();
  Publish(SphereSurface(ReadField(CalculatorFor(Shape::kSphere), 0, fields)), out);
}

void Button2Click(const ShapeInputs& fields, const CaptionReceivers& out) {
  EnterFloatingPointSection();
  const CalculatorInfo& info = CalculatorFor(Shape::kPyramid);
  const double face_height = ReadField(info, 0, fields);
  const double edge = ReadField(info, 1, fields);
  Publish(PyramidSurface(face_height, edge), out);
}

void RunCalculator(Shape shape, const ShapeInputs& fields, const CaptionReceivers& out) {
  switch (shape) {
    case Shape::kCylinder: return btn1Click(fields, out);
    case Shape::kBox: return btn2Click(fields, out);
    case Shape::kSphere: return Button1Click(fields, out);
    case Shape::kPyramid: return Button2Click(fields, out);
  }
}

}  // namespace anod
