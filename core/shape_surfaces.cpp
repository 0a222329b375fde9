#include "core/shape_surfaces.h"

#include "core/extended.h"

namespace anod {
namespace {

// Each step's extended result is rounded to a double when stored.
double Step(Extended value) { return StoreDouble(value); }

}  // namespace

double CylinderEnds(double radius) {
  const double q = Step(Mul(radius, radius));
  return Step(Mul(q, kTwoPi));
}

double CylinderSurface(double radius, double height, double ends) {
  double s = Step(Mul(kTwoPi, radius));
  s = Step(Mul(s, height));
  return Step(Add(s, ends));
}

double BoxSurface(double height, double length, double width) {
  double s = Step(Mul(Mul(height, length), 2));
  s = Step(Add(Mul(Mul(height, width), 2), s));
  return Step(Add(Mul(Mul(length, width), 2), s));
}

double SphereSurface(double radius) {
  const double q = Step(Mul(radius, radius));
  return Step(Mul(kFourPi, q));
}

double PyramidSurface(double face_height, double edge) {
  const double base = Step(Mul(edge, edge));
  const double face = Step(Div(Mul(edge, face_height), 2));
  const double faces = Step(Mul(face, 4));
  return Step(Add(faces, base));
}

}  // namespace anod
