#include "plan/plan_units.h"

#include <array>

namespace anod {
namespace {

constexpr std::array<LengthUnitInfo, 3> kLengthUnits{{
    {LengthUnit::kMillimetre, "mm", 0.1},
    {LengthUnit::kCentimetre, "cm", 1},
    {LengthUnit::kInch, "in", 2.54},
}};

// A square foot is 929.0304 cm², so 1 A/ft² is 1000 / 929.0304 mA/cm².
constexpr std::array<DensityUnitInfo, 3> kDensityUnits{{
    {DensityUnit::kMilliampPerCm2, "mA/cm2", "mA/cm\xC2\xB2", 1},
    {DensityUnit::kAmpPerDm2, "A/dm2", "A/dm\xC2\xB2", 10},
    {DensityUnit::kAmpPerFt2, "A/ft2", "A/ft\xC2\xB2", 1 / 0.9290304},
}};

}  // namespace

std::span<const LengthUnitInfo> LengthUnits() { return kLengthUnits; }
std::span<const DensityUnitInfo> DensityUnits() { return kDensityUnits; }
const LengthUnitInfo& LengthUnitFor(LengthUnit unit) { return kLengthUnits[static_cast<std::size_t>(unit)]; }
const DensityUnitInfo& DensityUnitFor(DensityUnit unit) { return kDensityUnits[static_cast<std::size_t>(unit)]; }

std::optional<LengthUnit> LengthUnitByKey(std::string_view key) {
  for (const LengthUnitInfo& info : kLengthUnits) {
    if (key == info.key) return info.unit;
  }
  return std::nullopt;
}

std::optional<DensityUnit> DensityUnitByKey(std::string_view key) {
  for (const DensityUnitInfo& info : kDensityUnits) {
    if (key == info.key) return info.unit;
  }
  return std::nullopt;
}

}  // namespace anod
