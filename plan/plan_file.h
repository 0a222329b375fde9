// Plan files (.anodplan): JSON, UTF-8, read whole or not at all, written
// beside the old file and renamed over it (plan/user_file.h).
//
//   {
//     "format": "anodisation-plan",
//     "version": 1,
//     "length_unit": "cm",                       "mm", "cm" or "in"
//     "rack_cm2": 20.0,
//     "density": {"value": 1.5, "unit": "A/dm2"}, "mA/cm2", "A/dm2" or "A/ft2"
//     "thickness_um": 15.0,
//     "supply_a": 10.0,                          absent or null: no supply check
//     "time_min": null,                          absent or null: no time given
//     "rows": [
//       {"shape": "tube", "quantity": 4, "dimensions": [2.0, 1.5, 10.0], "label": "corps"}
//     ]
//   }
// `shape` is a key of plan/plan_shapes.h, `dimensions` as many JSON numbers
// as the shape has fields, in their order and the plan's length unit (cm²
// for `surface`); `label` may be absent. Other programs may write plans.
//
// Reading refuses, with one French message saying where, and gives no plan:
// text that is not JSON ("JSON mal formé à la ligne 3, colonne 14 : ..."), a
// file of another format or a later version, an unknown shape, a missing
// field or one of the wrong type ("ligne 2, « quantity » : nombre entier
// attendu"), dimensions of the wrong count, nesting deeper than 64 levels,
// and plan-wide values out of range (plan/plan_report.h's
// SettingsProblem). A row's values (a negative dimension, a zero quantity)
// are read as they are: the report refuses that row and shows the others.
// Members this version does not know, at the top, in `density` and in the
// rows, are kept and written back.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "plan/plan.h"

namespace anod {

inline constexpr std::string_view kPlanFormat = "anodisation-plan";
inline constexpr int kPlanVersion = 1;
inline constexpr std::size_t kPlanFileLimit = 16 << 20;  // bytes; a plan is a few kB

struct PlanReading {
  std::optional<Plan> plan;
  std::string problem;  // French, UTF-8; empty when `plan` is there
};

PlanReading ParsePlan(std::string_view text);

// The file's text: UTF-8, indented, ending with a line feed.
std::string PlanToJson(const Plan& plan);

// ParsePlan on the file's bytes; a problem names the file first.
PlanReading LoadPlanFile(const std::filesystem::path& path);

// Empty when saved; otherwise why not, the old file intact.
std::string SavePlanFile(const std::filesystem::path& path, const Plan& plan);

}  // namespace anod
