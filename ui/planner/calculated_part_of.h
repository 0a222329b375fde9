// The part a calculator of the main window computed, as the planner's "Ajouter
// la pièce calculée" takes it: the calculator's shape and its edit boxes'
// texts (Windows-1252 in the window) in UTF-8, in cm.
//
//   cylinder with Edit1 "3", edt1 "10"   -> {PlanShape::kCylinder, {"3", "10"}}
//   box with "2", "3", "4"               -> {PlanShape::kBox, {"2", "3", "4"}}
#pragma once

#include "core/calculators.h"
#include "ui/calculator_window.h"
#include "ui/planner/plan_editor.h"

namespace anod {

CalculatedPart CalculatedPartOf(const CalculatorInfo& calculator, const CalculatorWindow& window);

}  // namespace anod
