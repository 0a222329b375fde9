// The shapes a plan row can take, in one table (key, name shown, fields),
// and the area of one part of each.
//
// The window's four shapes take the window's own arithmetic
// (core/shape_surfaces.h), so a part gives the same surface in both places;
// the others use the same π (3.14):
//   tube         outer wall + inner wall + the two ring ends
//                  2π·R·L + 2π·r·L + 2π·(R² − r²)
//   plaque       both faces + the four edges       2·L·W + 2·(L + W)·T
//   hexagone     six faces + the two ends, from the width across flats s
//                  √3·s·(2·L + s)
//   tronc_cone   lateral surface + both discs
//                  π·(R + r)·√(h² + (R − r)²) + π·(R² + r²)
//   trou         a through hole adds its bore wall and takes away the two
//                openings                          2π·r·d − 2π·r²
//   trou_borgne  a blind hole adds its wall and its bottom and takes away
//                the opening                       2π·r·d
//   surface      the cm² as given
//
//   PartArea(tube 2, 1.5, 10 cm)        -> 230.79
//   PartArea(plaque 10, 5, 0.2 cm)      -> 106
//   PartArea(hexagone 2, 10 cm)         -> 76.21...
//   PartArea(tronc_cone 3, 2, 4 cm)     -> 105.55...
//   PartArea(trou 0.5, 2 cm)            -> 4.71
//   PartArea(trou_borgne 0.5, 1 cm)     -> 3.14
//   PartArea(cylindre 30, 100 mm)       -> 244.92 (the same cm² as 3, 10 cm)
//
// A hole's area may be negative (a wide hole through a thin plate takes away
// more than its wall adds): it counts as it is.
#pragma once

#include <span>
#include <string_view>

#include "plan/plan.h"

namespace anod {

struct PlanField {
  const char* name;          // as users read it: "rayon intérieur" (UTF-8)
  bool zero_allowed = false;  // a tube's inner radius (a rod), a cone's small radius (a point)
  // The index of a field this one must stay below (strictly when `strict`),
  // or -1: a tube's inner radius below its outer one.
  int below = -1;
  bool strict = false;
};

struct PlanShapeInfo {
  PlanShape shape;
  const char* key;   // as files and options name it: "tronc_cone"
  const char* name;  // as users read it: "Cône tronqué" (UTF-8)
  std::span<const PlanField> fields;  // in the order of the row's dimensions
};

// In the order of PlanShape.
std::span<const PlanShapeInfo> PlanShapes();
const PlanShapeInfo& PlanShapeFor(PlanShape shape);
// nullptr for a key no shape has.
const PlanShapeInfo* PlanShapeByKey(std::string_view key);

// One part's area in cm² (one hole's: what it adds), its dimensions in
// `unit` (a known surface's in cm²) and as many as the shape has fields.
// Refuses nothing: the report checks the dimensions first. The window's
// shapes throw the core's failures (EOverflow) as the window does; the
// others give an infinity for dimensions beyond the double range.
double PartArea(const PlanRow& row, LengthUnit unit);

}  // namespace anod
