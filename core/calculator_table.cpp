#include <array>

#include "core/calculators.h"

namespace anod {
namespace {

constexpr FieldInfo kRadius1{"Rayon", "Rayon: ", "Edit1"};
constexpr FieldInfo kCylinderHeight{"Hauteur", "Hauteur: ", "edt1"};
constexpr std::array kCylinderFields{kRadius1, kCylinderHeight};

constexpr std::array kBoxFields{
    FieldInfo{"Hauteur", "Hauteur: ", "edt2"},
    FieldInfo{"Longueur", "Longueur:", "edt3"},
    FieldInfo{"Largeur", "Largeur: ", "edt4"},
};

constexpr std::array kSphereFields{FieldInfo{"Rayon", "Rayon: ", "Edit2"}};

// The pyramid's height is that of a triangular face, apex to the middle of
// a base edge, as its picture shows.
constexpr std::array kPyramidFields{
    FieldInfo{"Hauteur", "Hauteur: ", "Edit5"},
    FieldInfo{"Longueur", "Longueur:", "Edit6"},
};

constexpr std::array<CalculatorInfo, 4> kCalculators{{
    {Shape::kCylinder, "CYLINDRE", "cylindre", "btn1Click", "lbl4", kCylinderFields},
    {Shape::kBox, "PARALLELEPIPEDE", "parallelepipede", "btn2Click", "lbl10", kBoxFields},
    {Shape::kSphere, "SPHERE", "sphere", "Button1Click", "Label8", kSphereFields},
    {Shape::kPyramid, "PYRAMIDE", "pyramide", "Button2Click", "Label16", kPyramidFields},
}};

}  // namespace

std::span<const CalculatorInfo> Calculators() { return kCalculators; }

const CalculatorInfo& CalculatorFor(Shape shape) { return kCalculators[static_cast<std::size_t>(shape)]; }

const CalculatorInfo* CalculatorByCommandName(std::string_view name) {
  for (const CalculatorInfo& info : kCalculators) {
    if (name == info.command_name) return &info;
  }
  return nullptr;
}

CaptionReceivers ShapeResult::Receivers() {
  return {[this](const std::string& caption) { surface = caption; },
          [this](const std::string& caption) { current = caption; }};
}

}  // namespace anod
