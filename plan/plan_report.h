// What a plan gives: the area of each row, the total with the rack, the
// current for the load, the time for the thickness aimed at (the rule of
// 312), the thickness reached in a given time, and the supply check.
//
// Worked example (plan/plan.h's): tube 230.79 cm² (923.16 for four), plate
// 106.00 (212.00), total 1155.16 cm²; 1.5 A/dm² is 15 mA/cm², so
// 17327 mA (17.33 A); 15 µm take 3.12 × 15 ÷ 1.5 = 31.2 min; a 10 A supply
// does not suffice: on this load it holds 8.66 mA/cm², at which 15 µm take
// 54.1 min, and at 15 mA/cm² it could carry 666.67 cm².
//
// The rules:
//   - current = the total area × the density in mA/cm², rounded to the
//     nearest mA (ties to even). The window rounds the surface first (10 mA
//     per whole cm²), so a cylinder 3 × 10 gives 2449 mA here and 2450 mA
//     there; the plan keeps the more exact one, as densities other than 10
//     need (1155.16 cm² at 15 mA/cm² is 17327 mA, not 1155 × 15 = 17325).
//   - minutes = 3.12 × µm ÷ the density in A/dm²; the thickness after t
//     minutes = t × A/dm² ÷ 3.12.
//   - a row is refused (its `problem` says why, naming the row and the field)
//     for a quantity below 1, a negative dimension, a zero one (a part
//     without thickness: only a tube's inner radius and a cone's small radius
//     may be 0), an inner radius not below the outer one, a small radius
//     above the large one, or an area beyond the double range. A cylinder
//     of radius 0 or a box of height 0, which the window passes over
//     without a word, is refused the same way.
//   - the other rows are still computed, but no total or current is given
//     while a row is refused (a current that leaves a part out burns the
//     others), nor when the total is not above 0 (holes alone, an empty plan).
//   - the plan's own values are refused in `settings_problem`: a negative
//     rack, a density, thickness, supply or time that is not above 0.
// Messages are French, UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plan/plan.h"

namespace anod {

struct RowReport {
  double part_cm2 = 0;   // one part (one hole: what it adds); when no problem
  double total_cm2 = 0;  // × the quantity
  // "Ligne 2 (Tube « corps ») : « rayon intérieur » (2) doit être inférieur
  // à « rayon extérieur » (1.5)"; empty when the row counts.
  std::string problem;
  // What the problem is about, so a window can mark that field: the
  // quantity, the dimension at `dimension`, or the row as a whole (its area).
  enum class Field { kRow, kQuantity, kDimension } field = Field::kRow;
  std::size_t dimension = 0;
};

struct SupplyCheck {
  double supply_a = 0;
  bool sufficient = true;
  // When not sufficient:
  double density_ma_cm2 = 0;  // the density the supply holds on this load
  double minutes = 0;         // the time the thickness then takes
  double area_cm2 = 0;        // the area it could carry at the chosen density
};

struct PlanReport {
  std::vector<RowReport> rows;  // one for each of the plan's rows
  std::string settings_problem;  // the first of the plan's values refused
  std::string load_problem;      // why there is no current, when there is none

  // When HasCurrent():
  double area_cm2 = 0;  // rows and rack
  double density_ma_cm2 = 0;
  double current_ma = 0;  // a whole number
  double minutes = 0;
  std::optional<double> thickness_at_time_um;  // when the plan gives a time
  std::optional<SupplyCheck> supply;           // when the plan gives a supply

  bool HasCurrent() const { return settings_problem.empty() && load_problem.empty(); }
  std::size_t RefusedRows() const;
};

PlanReport EvaluatePlan(const Plan& plan);

// The first of the plan's own values that is refused, or empty:
//   rack_cm2 -1 -> "Montage et contacts : la surface (-1 cm²) ne peut pas être négative"
std::string SettingsProblem(const Plan& plan);

// "Ligne 2 (Tube « corps »)": how messages name a row (index from 0).
std::string RowPlace(std::size_t index, const PlanRow& row);

}  // namespace anod
