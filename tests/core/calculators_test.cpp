#include "core/calculators.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/decimal_mark.h"
#include "core/failures.h"
#include "core/float_environment.h"

namespace anod {
namespace {

enum class Failure { kNone, kOverflow, kInvalidOp, kInvalidInput };

// Captions the labels held before the run, to see which ones it changed.
const std::string kOldSurface = "old surface";
const std::string kOldCurrent = "old current";

struct CalculatorRow {
  const char* name;
  Shape shape;
  ShapeInputs inputs;
  std::string surface;  // kOldSurface when unchanged
  std::string current;  // kOldCurrent when unchanged
  Failure failure = Failure::kNone;
  std::string message = {};  // checked when not empty
};
void PrintTo(const CalculatorRow& row, std::ostream* os) { *os << row.name; }

std::string Surface(const char* digits) { return std::string(" ") + digits + " Cm\xB2 "; }
std::string Current(const char* digits) { return std::string(digits) + " mA "; }

ShapeInputs Fields(std::string a, std::string b = "", std::string c = "") {
  return ShapeInputs{{std::move(a), std::move(b), std::move(c)}};
}

class Calculator : public testing::TestWithParam<CalculatorRow> {
 protected:
  void SetUp() override {
    ResetFloatingPointUnit();
    SetLocaleDecimalMark('.');
  }
};

TEST_P(Calculator, WritesCaptionsOrFails) {
  const CalculatorRow& row = GetParam();
  ShapeResult result{kOldSurface, kOldCurrent};
  Failure failure = Failure::kNone;
  std::string message;
  try {
    RunCalculator(row.shape, row.inputs, result.Receivers());
  } catch (const EOverflow& f) {
    failure = Failure::kOverflow;
    message = f.Message();
  } catch (const EInvalidOp& f) {
    failure = Failure::kInvalidOp;
    message = f.Message();
  } catch (const EInvalidInput& f) {
    failure = Failure::kInvalidInput;
    message = f.Message();
  }
  EXPECT_EQ(result.surface, row.surface);
  EXPECT_EQ(result.current, row.current);
  EXPECT_EQ(failure, row.failure) << message;
  if (!row.message.empty()) {
    EXPECT_EQ(message, row.message);
  }
}

constexpr Shape kCyl = Shape::kCylinder;
constexpr Shape kBox = Shape::kBox;
constexpr Shape kSph = Shape::kSphere;
constexpr Shape kPyr = Shape::kPyramid;

INSTANTIATE_TEST_SUITE_P(
    Examples, Calculator,
    testing::Values(
        CalculatorRow{"cylinder_3_10", kCyl, Fields("3", "10"), Surface("244.92"), Current("2450")},
        CalculatorRow{"cylinder_1_1", kCyl, Fields("1", "1"), Surface("12.56"), Current("130")},
        CalculatorRow{"box_2_3_4", kBox, Fields("2", "3", "4"), Surface("52.00"), Current("520")},
        CalculatorRow{"box_0_5_0_5_1", kBox, Fields("0.5", "0.5", "1"), Surface("2.50"), Current("20")},
        CalculatorRow{"box_0_5_0_5_0_5", kBox, Fields("0.5", "0.5", "0.5"), Surface("1.50"), Current("20")},
        CalculatorRow{"box_0_5_0_5_1_5", kBox, Fields("0.5", "0.5", "1.5"), Surface("3.50"), Current("40")},
        CalculatorRow{"sphere_2", kSph, Fields("2"), Surface("50.24"), Current("500")},
        CalculatorRow{"sphere_empty", kSph, Fields(""), Surface("0.00"), Current("0")},
        CalculatorRow{"pyramid_5_4", kPyr, Fields("5", "4"), Surface("56.00"), Current("560")},
        CalculatorRow{"cylinder_2_0", kCyl, Fields("2", "0"), Surface("25.12"), Current("250")},
        CalculatorRow{"pyramid_0_3", kPyr, Fields("0", "3"), Surface("9.00"), Current("90")},
        CalculatorRow{"box_1_1_0", kBox, Fields("1", "1", "0"), Surface("2.00"), Current("20")},
        CalculatorRow{"sphere_1e7", kSph, Fields("1e7"), Surface("1256000000000000.00"), Current("1.256E16")}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    Guards, Calculator,
    testing::Values(
        CalculatorRow{"cylinder_0_10", kCyl, Fields("0", "10"), kOldSurface, kOldCurrent},
        CalculatorRow{"cylinder_empty_10", kCyl, Fields("", "10"), kOldSurface, kOldCurrent},
        CalculatorRow{"cylinder_minus_0_10", kCyl, Fields("-0", "10"), kOldSurface, kOldCurrent},
        CalculatorRow{"box_0_3_4", kBox, Fields("0", "3", "4"), kOldSurface, kOldCurrent},
        CalculatorRow{"box_empty_3_4", kBox, Fields("", "3", "4"), kOldSurface, kOldCurrent}),
    testing::PrintToStringParamName());

const std::string kOverflow = "D\xE9" "bordement en virgule flottante";
const std::string kInvalid = "Op\xE9ration en virgule flottante incorrecte";

INSTANTIATE_TEST_SUITE_P(
    ArithmeticFailures, Calculator,
    testing::Values(
        CalculatorRow{"cylinder_1e400_1", kCyl, Fields("1e400", "1"), kOldSurface, kOldCurrent, Failure::kOverflow,
                      kOverflow},
        CalculatorRow{"sphere_1_5e154", kSph, Fields("1.5e154"), kOldSurface, kOldCurrent, Failure::kOverflow},
        CalculatorRow{"sphere_1e5120", kSph, Fields("1e5120"), Surface("+Inf"), kOldCurrent, Failure::kInvalidOp,
                      kInvalid},
        CalculatorRow{"sphere_1e10", kSph, Fields("1e10"), Surface("1256000000000000000000.00"), kOldCurrent,
                      Failure::kInvalidOp},
        CalculatorRow{"cylinder_1e5120_0", kCyl, Fields("1e5120", "0"), kOldSurface, kOldCurrent,
                      Failure::kInvalidOp},
        CalculatorRow{"box_1e5120_0_1", kBox, Fields("1e5120", "0", "1"), kOldSurface, kOldCurrent,
                      Failure::kInvalidOp},
        CalculatorRow{"pyramid_1e5120_1e5120", kPyr, Fields("1e5120", "1e5120"), Surface("+Inf"), kOldCurrent,
                      Failure::kInvalidOp},
        // The store into a double fails before the field is checked.
        CalculatorRow{"sphere_400_nines_then_x", kSph, Fields(std::string(400, '9') + "x"), kOldSurface,
                      kOldCurrent, Failure::kOverflow},
        CalculatorRow{"sphere_2e4932", kSph, Fields("2e4932"), kOldSurface, kOldCurrent, Failure::kOverflow}),
    testing::PrintToStringParamName());

// Malformed and negative fields are refused right after they are read.
INSTANTIATE_TEST_SUITE_P(
    RefusedFields, Calculator,
    testing::Values(
        CalculatorRow{"cylinder_1_comma_5_1", kCyl, Fields("1,5", "1"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Rayon \xBB (CYLINDRE) : \xAB 1,5 \xBB \x97 le s\xE9parateur d\xE9" "cimal est le point : \xAB 1.5 \xBB"},
        // Only the first comma is taken for a point; no advice when the
        // text still does not read.
        CalculatorRow{"cylinder_1_comma_5_comma_3_1", kCyl, Fields("1,5,3", "1"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Rayon \xBB (CYLINDRE) : \xAB 1,5,3 \xBB"},
        CalculatorRow{"sphere_2_comma_e4932", kSph, Fields("2,e4932"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput, "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB 2,e4932 \xBB"},
        // No advice to type a text that is refused in turn: negative, or
        // beyond the double range.
        CalculatorRow{"sphere_minus_comma_5e1", kSph, Fields("-,5e1"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput, "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB -,5e1 \xBB"},
        CalculatorRow{"cylinder_minus_1_comma_5_1", kCyl, Fields("-1,5", "1"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput, "Valeur incorrecte pour \xAB Rayon \xBB (CYLINDRE) : \xAB -1,5 \xBB"},
        CalculatorRow{"sphere_1_comma_e400", kSph, Fields("1,e400"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput, "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB 1,e400 \xBB"},
        CalculatorRow{"cylinder_3_x", kCyl, Fields("3", "x"), kOldSurface, kOldCurrent, Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Hauteur \xBB (CYLINDRE) : \xAB x \xBB"},
        CalculatorRow{"cylinder_minus_1_x", kCyl, Fields("-1", "x"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur n\xE9gative pour \xAB Rayon \xBB (CYLINDRE) : \xAB -1 \xBB"},
        CalculatorRow{"box_2_1_minus_2", kBox, Fields("2", "1", "-2"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur n\xE9gative pour \xAB Largeur \xBB (PARALLELEPIPEDE) : \xAB -2 \xBB"},
        CalculatorRow{"box_minus_2_1_1", kBox, Fields("-2", "1", "1"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur n\xE9gative pour \xAB Hauteur \xBB (PARALLELEPIPEDE) : \xAB -2 \xBB"},
        CalculatorRow{"sphere_minus_2", kSph, Fields("-2"), kOldSurface, kOldCurrent, Failure::kInvalidInput,
                      "Valeur n\xE9gative pour \xAB Rayon \xBB (SPHERE) : \xAB -2 \xBB"},
        CalculatorRow{"sphere_minus_1e5120", kSph, Fields("-1e5120"), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput},
        CalculatorRow{"pyramid_abc_1", kPyr, Fields("abc", "1"), kOldSurface, kOldCurrent, Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Hauteur \xBB (PYRAMIDE) : \xAB abc \xBB"},
        CalculatorRow{"pyramid_1_1e", kPyr, Fields("1", "1e"), kOldSurface, kOldCurrent, Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Longueur \xBB (PYRAMIDE) : \xAB 1e \xBB"},
        CalculatorRow{"sphere_tab_3", kSph, Fields("\t3"), kOldSurface, kOldCurrent, Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB \t3 \xBB"},
        CalculatorRow{"sphere_1_comma_5_spaces", kSph, Fields("1,5  "), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB 1,5   \xBB \x97 le s\xE9parateur d\xE9" "cimal est le point : \xAB 1.5   \xBB"},
        CalculatorRow{"sphere_40_x", kSph, Fields(std::string(40, 'x')), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB " + std::string(32, 'x') + "... \xBB"},
        CalculatorRow{"sphere_32_x", kSph, Fields(std::string(32, 'x')), kOldSurface, kOldCurrent,
                      Failure::kInvalidInput,
                      "Valeur incorrecte pour \xAB Rayon \xBB (SPHERE) : \xAB " + std::string(32, 'x') + " \xBB"},
        CalculatorRow{"sphere_question_mark", kSph, Fields("?"), kOldSurface, kOldCurrent, Failure::kInvalidInput}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    AcceptedFields, Calculator,
    testing::Values(
        // Trailing spaces are dropped: "1.5 " reads as 1.5, not 15.
        CalculatorRow{"cylinder_1_5_space_2", kCyl, Fields("1.5 ", "2"), Surface("32.97"), Current("330")},
        CalculatorRow{"sphere_spaces_only", kSph, Fields("   "), Surface("0.00"), Current("0")},
        CalculatorRow{"sphere_minus_0", kSph, Fields("-0"), Surface("0.00"), Current("0")},
        CalculatorRow{"sphere_1e_minus_4294967296", kSph, Fields("1e-4294967296"), Surface("0.00"), Current("0")},
        CalculatorRow{"sphere_1e4294967296", kSph, Fields("1e4294967296"), Surface("+Inf"), kOldCurrent,
                      Failure::kInvalidOp},
        CalculatorRow{"sphere_leading_spaces_2", kSph, Fields("  2"), Surface("50.24"), Current("500")}),
    testing::PrintToStringParamName());

// Currents beyond the 64-bit product.
INSTANTIATE_TEST_SUITE_P(
    LargeCurrents, Calculator,
    testing::Values(
        CalculatorRow{"box_1_5e17_0", kBox, Fields("1", "5e17", "0"), Surface("1000000000000000000.00"),
                      Current("1E19")},
        // The wrapped product goes through a double: 100000000000000500 is
        // 100000000000000496 there.
        CalculatorRow{"box_0_5_10000000000000050_0", kBox, Fields("0.5", "10000000000000050", "0"),
                      Surface("10000000000000050.00"), Current("1E17")},
        // Just within the 64-bit product: n = 922337203685477504, and the
        // product 9223372036854775040 becomes 9223372036854774784 as a double.
        CalculatorRow{"box_1_461168601842738752_0", kBox, Fields("1", "461168601842738752", "0"),
                      Surface("922337203685477504.00"), Current("9.22337203685477E18")},
        // The first surface beyond it: n = 922337203685477632.
        CalculatorRow{"box_1_461168601842738816_0", kBox, Fields("1", "461168601842738816", "0"),
                      Surface("922337203685477632.00"), Current("9.22337203685478E18")},
        CalculatorRow{"box_1_3e18_0", kBox, Fields("1", "3e18", "0"), Surface("6000000000000000000.00"),
                      Current("6E19")}), testing::PrintToStringParamName());

TEST(Calculators, SurfaceIsWrittenBeforeTheCurrent) {
  std::vector<std::string> writes;
  const CaptionReceivers receivers{[&](const std::string& c) { writes.push_back("surface:" + c); },
                                   [&](const std::string& c) { writes.push_back("current:" + c); }};
  btn1Click(Fields("3", "10"), receivers);
  EXPECT_EQ(writes, (std::vector<std::string>{"surface: 244.92 Cm\xB2 ", "current:2450 mA "}));
}

TEST(Calculators, NamedOperationsRunTheirShape) {
  ShapeResult result;
  btn2Click(Fields("2", "3", "4"), result.Receivers());
  EXPECT_EQ(result.surface, Surface("52.00"));
  Button1Click(Fields("2"), result.Receivers());
  EXPECT_EQ(result.surface, Surface("50.24"));
  Button2Click(Fields("5", "4"), result.Receivers());
  EXPECT_EQ(result.surface, Surface("56.00"));
  EXPECT_EQ(result.current, Current("560"));
}

TEST(Calculators, LargeCurrentsFollowTheDecimalMark) {
  SetLocaleDecimalMark(',');
  ShapeResult result;
  Button1Click(Fields("1e7"), result.Receivers());
  SetLocaleDecimalMark('.');
  EXPECT_EQ(result.current, Current("1,256E16"));
  EXPECT_EQ(result.surface, Surface("1256000000000000.00"));
}

TEST(Calculators, AFailureDoesNotSpoilTheNextRun) {
  ShapeResult result;
  EXPECT_THROW(Button1Click(Fields("1e400"), result.Receivers()), EOverflow);
  EXPECT_EQ(result.surface, kInitialSurfaceCaption);
  EXPECT_EQ(result.current, kInitialCurrentCaption);
  Button1Click(Fields("2"), result.Receivers());
  EXPECT_EQ(result.surface, Surface("50.24"));
  EXPECT_EQ(result.current, Current("500"));
}

TEST(Calculators, InitialCaptions) {
  const ShapeResult result;
  EXPECT_EQ(result.surface, std::string(17, ' ') + "Cm\xB2 ");
  EXPECT_EQ(result.current, "0 mA");
}

TEST(CalculatorTable, DescribesTheFourCalculators) {
  ASSERT_EQ(Calculators().size(), 4u);
  const CalculatorInfo& cylinder = CalculatorFor(Shape::kCylinder);
  EXPECT_STREQ(cylinder.title, "CYLINDRE");
  EXPECT_STREQ(cylinder.surface_label, "lbl4");
  ASSERT_EQ(cylinder.fields.size(), 2u);
  EXPECT_STREQ(cylinder.fields[0].edit_box, "Edit1");
  EXPECT_STREQ(cylinder.fields[1].edit_box, "edt1");
  const CalculatorInfo& box = CalculatorFor(Shape::kBox);
  ASSERT_EQ(box.fields.size(), 3u);
  EXPECT_STREQ(box.fields[1].label, "Longueur:");
  EXPECT_STREQ(box.fields[2].edit_box, "edt4");
  EXPECT_STREQ(box.surface_label, "lbl10");
  EXPECT_STREQ(CalculatorFor(Shape::kSphere).surface_label, "Label8");
  EXPECT_STREQ(CalculatorFor(Shape::kPyramid).fields[0].word, "Hauteur");
  EXPECT_STREQ(CalculatorFor(Shape::kPyramid).fields[1].edit_box, "Edit6");
  for (const CalculatorInfo& info : Calculators()) {
    SCOPED_TRACE(info.title);
    EXPECT_EQ(&CalculatorFor(info.shape), &info);
    EXPECT_EQ(CalculatorByCommandName(info.command_name), &info);
  }
  EXPECT_EQ(CalculatorByCommandName("cube"), nullptr);
  EXPECT_EQ(CalculatorByCommandName("CYLINDRE"), nullptr);
}

}  // namespace
}  // namespace anod
