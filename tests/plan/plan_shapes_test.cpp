#include "plan/plan_shapes.h"

#include <gtest/gtest.h>

#include <ostream>

#include "plan/plan_texts.h"

namespace anod {
namespace {

struct ShapeRow {
  const char* name;
  PlanShape shape;
  std::vector<double> dimensions;
  LengthUnit unit;
  const char* area;  // one part, cm², as shown
};
void PrintTo(const ShapeRow& row, std::ostream* os) { *os << row.name; }

class PartAreas : public testing::TestWithParam<ShapeRow> {};

TEST_P(PartAreas, AreShown) {
  const ShapeRow& row = GetParam();
  EXPECT_EQ(ShownDecimals(PartArea(PlanRow{row.shape, 1, row.dimensions, "", {}}, row.unit), 2), row.area);
}

constexpr LengthUnit kCm = LengthUnit::kCentimetre;

INSTANTIATE_TEST_SUITE_P(
    Shapes, PartAreas,
    testing::Values(
        // The window's shapes give the window's surfaces.
        ShapeRow{"cylindre_3_10", PlanShape::kCylinder, {3, 10}, kCm, "244.92"},
        ShapeRow{"cylindre_30_100_mm", PlanShape::kCylinder, {30, 100}, LengthUnit::kMillimetre, "244.92"},
        ShapeRow{"parallelepipede_2_3_4", PlanShape::kBox, {2, 3, 4}, kCm, "52.00"},
        ShapeRow{"sphere_2", PlanShape::kSphere, {2}, kCm, "50.24"},
        ShapeRow{"sphere_1_in", PlanShape::kSphere, {1}, LengthUnit::kInch, "81.03"},
        ShapeRow{"pyramide_5_4", PlanShape::kPyramid, {5, 4}, kCm, "56.00"},
        ShapeRow{"tube_2_1_5_10", PlanShape::kTube, {2, 1.5, 10}, kCm, "230.79"},
        ShapeRow{"tube_rod_1_0_1", PlanShape::kTube, {1, 0, 1}, kCm, "12.56"},  // the cylinder 1 × 1
        ShapeRow{"plaque_10_5_0_2", PlanShape::kPlate, {10, 5, 0.2}, kCm, "106.00"},
        ShapeRow{"hexagone_2_10", PlanShape::kHexagon, {2, 10}, kCm, "76.21"},
        ShapeRow{"tronc_cone_3_2_4", PlanShape::kTruncatedCone, {3, 2, 4}, kCm, "105.55"},
        ShapeRow{"tronc_cone_point_3_0_4", PlanShape::kTruncatedCone, {3, 0, 4}, kCm, "75.36"},
        ShapeRow{"trou_0_5_2", PlanShape::kThroughHole, {0.5, 2}, kCm, "4.71"},
        ShapeRow{"trou_wide_5_1", PlanShape::kThroughHole, {5, 1}, kCm, "-125.60"},
        ShapeRow{"trou_borgne_0_5_1", PlanShape::kBlindHole, {0.5, 1}, kCm, "3.14"},
        ShapeRow{"surface_12_5_in", PlanShape::kKnownSurface, {12.5}, LengthUnit::kInch, "12.50"}),
    testing::PrintToStringParamName());

TEST(PlanShapes, TableFollowsTheEnumAndKeys) {
  for (const PlanShapeInfo& info : PlanShapes()) {
    SCOPED_TRACE(info.key);
    EXPECT_EQ(&PlanShapeFor(info.shape), &info);
    EXPECT_EQ(PlanShapeByKey(info.key), &info);
  }
  EXPECT_EQ(PlanShapeByKey("cube"), nullptr);
}

}  // namespace
}  // namespace anod
