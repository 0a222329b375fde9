#include "plan/plan_report.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "plan/plan_texts.h"
#include "plan/run_sheet.h"
#include "tests/plan/worked_example.h"

namespace anod {
namespace {

TEST(WorkedExample, GivesTheLoadCurrentTimeAndSupplyCheck) {
  const Plan plan = WorkedExample();
  const PlanReport report = EvaluatePlan(plan);
  ASSERT_TRUE(report.HasCurrent()) << report.settings_problem << report.load_problem;
  ASSERT_EQ(report.rows.size(), 2u);
  EXPECT_EQ(ShownDecimals(report.rows[0].part_cm2, 2), "230.79");
  EXPECT_EQ(ShownDecimals(report.rows[0].total_cm2, 2), "923.16");
  EXPECT_EQ(ShownDecimals(report.rows[1].part_cm2, 2), "106.00");
  EXPECT_EQ(ShownDecimals(report.rows[1].total_cm2, 2), "212.00");
  EXPECT_EQ(ShownDecimals(report.area_cm2, 2), "1155.16");
  EXPECT_EQ(ShownDecimals(report.current_ma, 0), "17327");
  EXPECT_EQ(ShownDecimals(report.minutes, 1), "31.2");
  ASSERT_TRUE(report.supply.has_value());
  EXPECT_FALSE(report.supply->sufficient);
  EXPECT_EQ(ShownDecimals(report.supply->density_ma_cm2, 2), "8.66");
  EXPECT_EQ(ShownDecimals(report.supply->minutes, 1), "54.1");
  EXPECT_EQ(ShownDecimals(report.supply->area_cm2, 2), "666.67");
  EXPECT_EQ(RunSheet(plan, report)[1],
            "\xC3\x89lectrolyse : acide sulfurique 170 ml / litre d'eau, sous 24 \xC2\xB0" "C ; 17327 mA (17.33 A) "
            "pendant 31.2 minutes pour 15 \xC2\xB5m");
}

// A plan changed from the worked example, and what it gives: the total, the
// current and the time as shown, or the problem.
struct PlanCase {
  const char* name;
  std::function<void(Plan&)> change;
  const char* area = "";
  const char* current = "";
  const char* minutes = "";
  const char* problem = "";  // the first row's, the settings' or the load's
};
void PrintTo(const PlanCase& row, std::ostream* os) { *os << row.name; }

class PlanCases : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanCases, Evaluate) {
  const PlanCase& row = GetParam();
  Plan plan = WorkedExample();
  row.change(plan);
  const PlanReport report = EvaluatePlan(plan);
  std::string problem = report.settings_problem;
  for (const RowReport& row_report : report.rows) {
    if (problem.empty()) problem = row_report.problem;
  }
  if (problem.empty()) problem = report.load_problem;
  EXPECT_EQ(problem, row.problem);
  EXPECT_EQ(report.HasCurrent(), *row.problem == '\0');
  if (report.HasCurrent()) {
    EXPECT_EQ(ShownDecimals(report.area_cm2, 2), row.area);
    EXPECT_EQ(ShownDecimals(report.current_ma, 0), row.current);
    EXPECT_EQ(ShownDecimals(report.minutes, 1), row.minutes);
  }
}

const std::string kRow1 = "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : ";

INSTANTIATE_TEST_SUITE_P(
    Loads, PlanCases,
    testing::Values(
        // 10 mA/cm², the window's rule: the current rounds the load, not the surface.
        PlanCase{"default_density", [](Plan& p) { p.density = {}; }, "1155.16", "11552", "46.8"},
        PlanCase{"amps_per_square_foot", [](Plan& p) { p.density = {10, DensityUnit::kAmpPerFt2, {}}; },
                 "1155.16", "12434", "43.5"},
        PlanCase{"millimetres", [](Plan& p) { p.length_unit = LengthUnit::kMillimetre; }, "31.35", "470", "31.2"},
        PlanCase{"through_holes_add", [](Plan& p) { p.rows.push_back(Row(PlanShape::kThroughHole, 10, {0.5, 2})); },
                 "1202.26", "18034", "31.2"},
        PlanCase{"holes_alone", [](Plan& p) { p.rows = {Row(PlanShape::kThroughHole, 1, {5, 1})}, p.rack_cm2 = 0; }, "", "",
                 "", "Courant non calcul\xC3\xA9 : la surface totale (-125.60 cm\xC2\xB2) doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0"},
        PlanCase{"empty_plan", [](Plan& p) { p.rows.clear(), p.rack_cm2 = 0; }, "", "", "",
                 "Courant non calcul\xC3\xA9 : la surface totale (0.00 cm\xC2\xB2) doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0"}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    RefusedRows, PlanCases,
    testing::Values(
        PlanCase{"quantity_0", [](Plan& p) { p.rows[0].quantity = 0; }, "", "", "",
                 "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : la quantit\xC3\xA9 (0) doit \xC3\xAAtre un nombre entier d'au moins 1"},
        PlanCase{"negative_length", [](Plan& p) { p.rows[0].dimensions[2] = -10; }, "", "", "",
                 "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : \xC2\xAB longueur \xC2\xBB (-10) ne peut pas \xC3\xAAtre n\xC3\xA9gatif"},
        PlanCase{"inner_radius_equal_outer", [](Plan& p) { p.rows[0].dimensions[1] = 2; }, "", "", "",
                 "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : \xC2\xAB rayon int\xC3\xA9rieur \xC2\xBB (2) doit \xC3\xAAtre "
                 "inf\xC3\xA9rieur \xC3\xA0 \xC2\xAB rayon ext\xC3\xA9rieur \xC2\xBB (2)"},
        PlanCase{"small_radius_above_large",
                 [](Plan& p) { p.rows[0] = Row(PlanShape::kTruncatedCone, 1, {2, 3, 4}); }, "", "", "",
                 "Ligne 1 (C\xC3\xB4ne tronqu\xC3\xA9) : \xC2\xAB petit rayon \xC2\xBB (3) ne doit pas d\xC3\xA9passer "
                 "\xC2\xAB grand rayon \xC2\xBB (2)"},
        // The window passes over these without a word; the plan says why.
        PlanCase{"cylinder_radius_0", [](Plan& p) { p.rows[0] = Row(PlanShape::kCylinder, 1, {0, 10}); }, "", "", "",
                 "Ligne 1 (Cylindre) : \xC2\xAB rayon \xC2\xBB (0) doit \xC3\xAAtre sup\xC3\xA9rieur \xC3\xA0 0"},
        PlanCase{"box_height_0", [](Plan& p) { p.rows[0] = Row(PlanShape::kBox, 1, {0, 3, 4}); }, "", "", "",
                 "Ligne 1 (Parall\xC3\xA9l\xC3\xA9pip\xC3\xA8" "de) : \xC2\xAB hauteur \xC2\xBB (0) doit \xC3\xAAtre "
                 "sup\xC3\xA9rieur \xC3\xA0 0"},
        PlanCase{"sphere_beyond_double", [](Plan& p) { p.rows[0] = Row(PlanShape::kSphere, 1, {1e200}); }, "", "", "",
                 "Ligne 1 (Sph\xC3\xA8re) : surface hors limites (D\xC3\xA9" "bordement en virgule flottante)"},
        PlanCase{"tube_beyond_double", [](Plan& p) { p.rows[0].dimensions = {1e300, 0, 1}; }, "", "", "",
                 "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : surface hors limites"},
        PlanCase{"dimension_count", [](Plan& p) { p.rows[0].dimensions.pop_back(); }, "", "", "",
                 "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : 3 dimensions attendues, 2 donn\xC3\xA9" "es"}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    RefusedSettings, PlanCases,
    testing::Values(
        PlanCase{"negative_rack", [](Plan& p) { p.rack_cm2 = -1; }, "", "", "",
                 "Montage et contacts : la surface (-1 cm\xC2\xB2) ne peut pas \xC3\xAAtre n\xC3\xA9gative"},
        PlanCase{"density_0", [](Plan& p) { p.density.value = 0; }, "", "", "",
                 "Densit\xC3\xA9 de courant : la valeur (0 A/dm\xC2\xB2) doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0"},
        PlanCase{"supply_negative", [](Plan& p) { p.supply_a = -2; }, "", "", "",
                 "Alimentation : la valeur (-2 A) doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0"}),
    testing::PrintToStringParamName());

TEST(PlanReport, SufficientSupplyAndThicknessInAGivenTime) {
  Plan plan = WorkedExample();
  plan.supply_a = 20;
  plan.time_min = 40;
  const PlanReport report = EvaluatePlan(plan);
  ASSERT_TRUE(report.supply.has_value());
  EXPECT_TRUE(report.supply->sufficient);
  // The inverse of the rule: 40 min at 1.5 A/dm² give 40 × 1.5 ÷ 3.12 µm.
  EXPECT_EQ(ShownDecimals(report.thickness_at_time_um.value(), 1), "19.2");
}

}  // namespace
}  // namespace anod
