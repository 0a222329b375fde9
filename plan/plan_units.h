// The plan's units: one length unit per plan (its dimensions), and the unit
// of the current density. Areas are always in cm².
//
//   CentimetresPer(LengthUnit::kInch)               -> 2.54
//   MilliampsPerCm2({1.5, DensityUnit::kAmpPerDm2}) -> 15     (1 A/dm² = 10 mA/cm²)
//   MilliampsPerCm2({1, DensityUnit::kAmpPerFt2})   -> 1.0763910... (1 / 0.9290304)
//   LengthUnitByKey("in") -> kInch;  DensityUnitByKey("A/dm2") -> kAmpPerDm2
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "plan/plan.h"

namespace anod {

struct LengthUnitInfo {
  LengthUnit unit;
  const char* key;  // as files and options name it: "mm", "cm", "in"
  double centimetres;
};

struct DensityUnitInfo {
  DensityUnit unit;
  const char* key;    // as files and options name it: "mA/cm2"
  const char* shown;  // as users read it: "mA/cm²"
  double milliamps_per_cm2;
};

std::span<const LengthUnitInfo> LengthUnits();
std::span<const DensityUnitInfo> DensityUnits();
const LengthUnitInfo& LengthUnitFor(LengthUnit unit);
const DensityUnitInfo& DensityUnitFor(DensityUnit unit);
std::optional<LengthUnit> LengthUnitByKey(std::string_view key);
std::optional<DensityUnit> DensityUnitByKey(std::string_view key);

inline double CentimetresPer(LengthUnit unit) { return LengthUnitFor(unit).centimetres; }
inline double MilliampsPerCm2(const Density& density) {
  return density.value * DensityUnitFor(density.unit).milliamps_per_cm2;
}

}  // namespace anod
