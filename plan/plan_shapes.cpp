#include "plan/plan_shapes.h"

#include <array>
#include <cmath>

#include "core/float_environment.h"
#include "core/shape_surfaces.h"
#include "plan/plan_units.h"

namespace anod {
namespace {

constexpr std::array kCylinder{PlanField{"rayon"}, PlanField{"hauteur"}};
constexpr std::array kBox{PlanField{"hauteur"}, PlanField{"longueur"}, PlanField{"largeur"}};
constexpr std::array kSphere{PlanField{"rayon"}};
constexpr std::array kPyramid{PlanField{"hauteur d'une face"}, PlanField{"longueur de la base"}};
constexpr std::array kTube{PlanField{"rayon ext\xC3\xA9rieur"}, PlanField{"rayon int\xC3\xA9rieur", true, 0, true},
                           PlanField{"longueur"}};
constexpr std::array kPlate{PlanField{"longueur"}, PlanField{"largeur"}, PlanField{"\xC3\xA9paisseur"}};
constexpr std::array kHexagon{PlanField{"sur plats"}, PlanField{"longueur"}};
constexpr std::array kCone{PlanField{"grand rayon"}, PlanField{"petit rayon", true, 0, false}, PlanField{"hauteur"}};
constexpr std::array kHole{PlanField{"rayon"}, PlanField{"profondeur"}};
constexpr std::array kKnown{PlanField{"surface (cm\xC2\xB2)"}};

constexpr std::array<PlanShapeInfo, 11> kShapes{{
    {PlanShape::kCylinder, "cylindre", "Cylindre", kCylinder},
    {PlanShape::kBox, "parallelepipede", "Parall\xC3\xA9l\xC3\xA9pip\xC3\xA8" "de", kBox},
    {PlanShape::kSphere, "sphere", "Sph\xC3\xA8re", kSphere},
    {PlanShape::kPyramid, "pyramide", "Pyramide", kPyramid},
    {PlanShape::kTube, "tube", "Tube", kTube},
    {PlanShape::kPlate, "plaque", "Plaque", kPlate},
    {PlanShape::kHexagon, "hexagone", "Barre hexagonale", kHexagon},
    {PlanShape::kTruncatedCone, "tronc_cone", "C\xC3\xB4ne tronqu\xC3\xA9", kCone},
    {PlanShape::kThroughHole, "trou", "Trou d\xC3\xA9" "bouchant", kHole},
    {PlanShape::kBlindHole, "trou_borgne", "Trou borgne", kHole},
    {PlanShape::kKnownSurface, "surface", "Surface connue", kKnown},
}};

}  // namespace

std::span<const PlanShapeInfo> PlanShapes() { return kShapes; }

const PlanShapeInfo& PlanShapeFor(PlanShape shape) { return kShapes[static_cast<std::size_t>(shape)]; }

const PlanShapeInfo* PlanShapeByKey(std::string_view key) {
  for (const PlanShapeInfo& info : kShapes) {
    if (key == info.key) return &info;
  }
  return nullptr;
}

double PartArea(const PlanRow& row, LengthUnit unit) {
  if (row.shape == PlanShape::kKnownSurface) return row.dimensions.at(0);
  const double cm = CentimetresPer(unit);
  const auto d = [&](std::size_t i) { return row.dimensions.at(i) * cm; };
  EnterFloatingPointSection();
  switch (row.shape) {
    case PlanShape::kCylinder: return CylinderSurface(d(0), d(1));
    case PlanShape::kBox: return BoxSurface(d(0), d(1), d(2));
    case PlanShape::kSphere: return SphereSurface(d(0));
    case PlanShape::kPyramid: return PyramidSurface(d(0), d(1));
    case PlanShape::kTube: {
      const double outer = d(0), inner = d(1), length = d(2);
      return kTwoPi * outer * length + kTwoPi * inner * length + kTwoPi * (outer * outer - inner * inner);
    }
    case PlanShape::kPlate: {
      const double length = d(0), width = d(1), thickness = d(2);
      return 2 * length * width + 2 * (length + width) * thickness;
    }
    case PlanShape::kHexagon: {
      // A side is s/√3: six faces s/√3 × L, two ends (√3/2)·s².
      const double flats = d(0), length = d(1);
      return std::sqrt(3.0) * flats * (2 * length + flats);
    }
    case PlanShape::kTruncatedCone: {
      const double large = d(0), small = d(1), height = d(2);
      const double slant = std::hypot(height, large - small);
      return kPi * (large + small) * slant + kPi * (large * large + small * small);
    }
    case PlanShape::kThroughHole: return kTwoPi * d(0) * d(1) - kTwoPi * d(0) * d(0);
    case PlanShape::kBlindHole: return kTwoPi * d(0) * d(1);
    case PlanShape::kKnownSurface: break;
  }
  return row.dimensions.at(0);
}

}  // namespace anod
