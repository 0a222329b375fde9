// The part each calculator of the main window hands the planner.
#include "ui/planner/calculated_part_of.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace anod {
namespace {

// Every edit box of the main window with a text of its own (Windows-1252).
struct Edits final : CalculatorWindow {
  std::map<std::string, std::string, std::less<>> texts{{"Edit1", "1"}, {"edt1", "2"}, {"edt2", "3"},
                                                        {"edt3", "4"},  {"edt4", "5"}, {"Edit2", "6,5"},
                                                        {"Edit5", "7"}, {"Edit6", "8\xE9"}};
  std::string EditText(std::string_view name) const override { return texts.find(name)->second; }
  void SetLabelCaption(std::string_view, std::string) override {}
};

TEST(CalculatedPartOfTest, ShapeOfTheCalculatorAndItsFieldsInOrderInUtf8) {
  const struct {
    Shape calculator;
    CalculatedPart part;
  } rows[] = {{Shape::kCylinder, {PlanShape::kCylinder, {"1", "2"}}},
              {Shape::kBox, {PlanShape::kBox, {"3", "4", "5"}}},
              {Shape::kSphere, {PlanShape::kSphere, {"6,5"}}},
              {Shape::kPyramid, {PlanShape::kPyramid, {"7", "8\xC3\xA9"}}}};
  const Edits window;
  for (const auto& row : rows) {
    SCOPED_TRACE(CalculatorFor(row.calculator).title);
    const CalculatedPart part = CalculatedPartOf(CalculatorFor(row.calculator), window);
    EXPECT_EQ(part.shape, row.part.shape);
    EXPECT_EQ(part.dimensions_cm, row.part.dimensions_cm);
  }
}

}  // namespace
}  // namespace anod
