// The four surface and current calculators, and the one table that
// describes them (shape title, fields, edit boxes, surface label), so that the
// window and the command-line calculator share a single source of truth.
//
// Each calculator reads its fields, computes the part's total surface in cm²
// step by step in extended arithmetic (each step's result stored as a
// double), writes the surface caption, then derives the current (10 mA per
// whole cm², the surface rounded ties to even) and writes it. Texts are
// Windows-1252 ("²" is byte B2). The surface arithmetic itself is in
// core/shape_surfaces.h, shared with the bath plan.
//
//   btn1Click({"3", "10"})          surface " 244.92 Cm² "  current "2450 mA "
//   btn1Click({"1", "1"})           surface " 12.56 Cm² "   current "130 mA "
//   btn2Click({"2", "3", "4"})      surface " 52.00 Cm² "   current "520 mA "
//   btn2Click({"0.5", "0.5", "1"})  surface " 2.50 Cm² "    current "20 mA "
//   Button1Click({"2"})             surface " 50.24 Cm² "   current "500 mA "
//   Button1Click({""})              surface " 0.00 Cm² "    current "0 mA "
//   Button2Click({"5", "4"})        surface " 56.00 Cm² "   current "560 mA "
//
// Reading a field: trailing spaces are dropped, the text is read with
// ReadDecimal and stored as a double (an empty field reads as 0). Right
// after that, before any later step:
//   - a text the reader does not take whole throws EInvalidInput
//     "Valeur incorrecte pour « Rayon » (CYLINDRE) : « 2x »", and when the
//     text would read whole with its first "," taken as ".", the message
//     says why: "Valeur incorrecte pour « Rayon » (CYLINDRE) : « 1,5 » — le
//     séparateur décimal est le point : « 1.5 »";
//   - a value below zero (a negative zero is not) throws EInvalidInput
//     "Valeur négative pour « Largeur » (PARALLELEPIPEDE) : « -2 »".
// The text in the message is the field's text as typed, cut to 32
// characters followed by "..." when longer.
//
// Guards: a cylinder radius or a box height that is not above 0 stops the
// calculation silently, neither receiver called. Failures (EOverflow,
// EInvalidOp, EInvalidInput) are thrown after whatever was already written:
// the surface caption is written before the current is computed, so
// Button1Click({"1e10"}) writes " 1256000000000000000000.00 Cm² " and then
// throws EInvalidOp (the surface does not fit a 64-bit integer), and
// Button1Click({"1e5120"}) writes " +Inf Cm² " and then throws EInvalidOp.
//
// Currents: a rounded surface n within (2^63 − 1) div 10 in magnitude gives
// the wrapping product n × 10, converted to a double and rounded again, in the
// general form ("2.45E18 mA " from 10^15 mA on, with LocaleDecimalMark());
// beyond it the current is n × 10 in extended arithmetic (a surface of 10^18
// cm² gives "1E19 mA ").
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace anod {

enum class Shape { kCylinder, kBox, kSphere, kPyramid };

inline constexpr std::size_t kMaxFields = 3;

// One input field of a calculator.
struct FieldInfo {
  const char* word;          // caption word used in messages: "Rayon"
  const char* label;         // the label beside the edit box: "Rayon: "
  const char* edit_box;      // "Edit1"
};

struct CalculatorInfo {
  Shape shape;
  const char* title;          // column title: "CYLINDRE"
  const char* command_name;   // command-line name: "cylindre"
  const char* operation;      // "btn1Click"
  const char* surface_label;  // "lbl4"
  std::span<const FieldInfo> fields;  // in reading order
};

// The four calculators, in the order cylinder, box, sphere, pyramid.
std::span<const CalculatorInfo> Calculators();
const CalculatorInfo& CalculatorFor(Shape shape);
// nullptr when no calculator has that command-line name.
const CalculatorInfo* CalculatorByCommandName(std::string_view name);

inline constexpr const char* kCurrentLabel = "Label19";

// The captions the labels hold before any calculation: 17 spaces and
// "Cm² " for every surface label, "0 mA" for Label19.
inline constexpr std::string_view kInitialSurfaceCaption = "                 Cm\xB2 ";
inline constexpr std::string_view kInitialCurrentCaption = "0 mA";

// The texts of one calculator's edit boxes, in the order of its fields
// (Windows-1252). Fields the shape does not have are ignored.
struct ShapeInputs {
  std::array<std::string, kMaxFields> texts;
};

// Where a calculator writes: its surface label and Label19.
using CaptionReceiver = std::function<void(const std::string& caption)>;
struct CaptionReceivers {
  CaptionReceiver surface;
  CaptionReceiver current;
};

// Caption holders for running the calculators without a window; they start
// with the initial captions.
struct ShapeResult {
  std::string surface{kInitialSurfaceCaption};
  std::string current{kInitialCurrentCaption};

  // Receivers writing into this holder (which must outlive them).
  CaptionReceivers Receivers();
};

void btn1Click(const ShapeInputs& fields, const CaptionReceivers& out);     // cylinder
void btn2Click(const ShapeInputs& fields, const CaptionReceivers& out);     // box
void Button1Click(const ShapeInputs& fields, const CaptionReceivers& out);  // sphere
void Button2Click(const ShapeInputs& fields, const CaptionReceivers& out);  // pyramid

// The calculator of `shape`.
void RunCalculator(Shape shape, const ShapeInputs& fields, const CaptionReceivers& out);

}  // namespace anod
