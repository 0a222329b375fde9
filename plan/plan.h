// A bath plan: the load of one anodizing run (rows of parts, the rack and
// its contacts), the current density, the thickness aimed at and the power
// supply. Plain data, as a file holds it: what a row means and what is
// refused is in plan/plan_report.h, the shapes in plan/plan_shapes.h, the
// file in plan/plan_file.h. Texts are UTF-8.
//
//   a tube ×4 (rayon extérieur 2, rayon intérieur 1.5, longueur 10 cm), a
//   plate ×2 (10 × 5 × 0.2 cm), a rack of 20 cm², 1.5 A/dm², 15 µm and a
//   10 A supply: EvaluatePlan gives 1155.16 cm², 17327 mA, 31.2 min, and
//   says the supply does not suffice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace anod {

// In the order of the shapes' table (plan/plan_shapes.h).
enum class PlanShape {
  kCylinder,
  kBox,
  kSphere,
  kPyramid,
  kTube,
  kPlate,
  kHexagon,
  kTruncatedCone,
  kThroughHole,
  kBlindHole,
  kKnownSurface,
};

enum class LengthUnit { kMillimetre, kCentimetre, kInch };
enum class DensityUnit { kMilliampPerCm2, kAmpPerDm2, kAmpPerFt2 };

// Members of a file's object that this version does not know (a newer
// version wrote them): each key with its value as JSON text, in the file's
// order, written back unchanged.
using UnknownMembers = std::vector<std::pair<std::string, std::string>>;

struct Density {
  double value = 10;  // the window's rule: 10 mA for each cm²
  DensityUnit unit = DensityUnit::kMilliampPerCm2;
  UnknownMembers unknown;
  friend bool operator==(const Density&, const Density&) = default;
};

struct PlanRow {
  PlanShape shape = PlanShape::kCylinder;
  // Parts of this shape; for a hole, the number of such holes.
  std::int64_t quantity = 1;
  // In the plan's length unit and the shape's field order; a known surface
  // holds its cm².
  std::vector<double> dimensions;
  std::string label;  // free: "bouchon", "corps"
  UnknownMembers unknown;
  friend bool operator==(const PlanRow&, const PlanRow&) = default;
};

struct Plan {
  LengthUnit length_unit = LengthUnit::kCentimetre;
  double rack_cm2 = 0;  // the rack and contacts in the bath
  Density density;
  double thickness_um = 15;
  std::optional<double> supply_a;  // the supply's maximum current
  std::optional<double> time_min;  // a time whose thickness is wanted
  std::vector<PlanRow> rows;
  UnknownMembers unknown;
  friend bool operator==(const Plan&, const Plan&) = default;
};

}  // namespace anod
