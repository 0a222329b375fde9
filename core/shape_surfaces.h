// The surfaces of the window's four shapes, in cm², from their dimensions in
// cm: the arithmetic alone, shared by the calculators (which read the fields
// and write the captions, core/calculators.h) and the bath plan (plan/), so
// that a part gives the same surface in both places.
//
// Each step runs in extended arithmetic and is stored as a double before the
// next one (core/extended.h), so the digits are those of the window; a step
// that overflows throws EOverflow, one that meets an infinity and a zero
// throws EInvalidOp. Callers start a floating-point section first
// (EnterFloatingPointSection). No guard is tested here: a zero radius gives
// the end discs' 0, a negative box length a negative surface.
//
//   CylinderSurface(3, 10)      -> 244.92   (the double nearest)
//   CylinderSurface(2, 0)       -> 25.12    (the two end discs alone)
//   BoxSurface(2, 3, 4)         -> 52
//   SphereSurface(2)            -> 50.24
//   PyramidSurface(5, 4)        -> 56       (four faces of height 5, the base)
//
// The circle factors are the decimals 6.28 and 12.56, twice and four times
// kPi = 3.14, not multiples of the true pi: a cylinder of radius 1 and height
// 1 gives 12.56 cm², not 12.566...
#pragma once

namespace anod {

inline constexpr double kPi = 3.14;
inline constexpr double kTwoPi = 2 * kPi;   // doubling is exact: the double of 6.28
inline constexpr double kFourPi = 4 * kPi;  // the double of 12.56
static_assert(kTwoPi == 6.28 && kFourPi == 12.56);

// The cylinder's two end discs, 6.28 × r². The calculator forms them as soon
// as it has read the radius, before it reads the height, so an overflowing
// radius fails before a malformed height is seen.
double CylinderEnds(double radius);
// 6.28 × r × h (the side) + `ends`.
double CylinderSurface(double radius, double height, double ends);
inline double CylinderSurface(double radius, double height) {
  return CylinderSurface(radius, height, CylinderEnds(radius));
}

// Twice each of the three faces: height × length, height × width, length × width.
double BoxSurface(double height, double length, double width);

// 12.56 × r².
double SphereSurface(double radius);

// A square pyramid from the height of a triangular face (apex to the middle
// of a base edge) and the base edge: four faces edge × height / 2 and the
// square base.
double PyramidSurface(double face_height, double edge);

}  // namespace anod
