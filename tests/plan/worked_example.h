// The worked example as a plan, as worked_example.anodplan holds it: a tube
// ×4 (2, 1.5, 10 cm), a plate ×2 (10 × 5 × 0.2 cm), a 20 cm² rack,
// 1.5 A/dm², 15 µm, a 10 A supply.
#pragma once

#include "plan/plan.h"

namespace anod {

inline PlanRow Row(PlanShape shape, std::int64_t quantity, std::vector<double> dimensions, std::string label = "") {
  return {shape, quantity, std::move(dimensions), std::move(label), {}};
}

inline Plan WorkedExample() {
  Plan plan;
  plan.rack_cm2 = 20;
  plan.density = {1.5, DensityUnit::kAmpPerDm2, {}};
  plan.thickness_um = 15;
  plan.supply_a = 10;
  plan.rows = {Row(PlanShape::kTube, 4, {2, 1.5, 10}, "corps"), Row(PlanShape::kPlate, 2, {10, 5, 0.2}, "couvercle")};
  return plan;
}

}  // namespace anod
