#include "ui/planner/calculated_part_of.h"

#include "core/codepage.h"
#include "plan/plan_shapes.h"

namespace anod {

// The window's four calculators and the plan's first four shapes share their
// keys ("cylindre", "parallelepipede", "sphere", "pyramide").
CalculatedPart CalculatedPartOf(const CalculatorInfo& calculator, const CalculatorWindow& window) {
  CalculatedPart part{PlanShapeByKey(calculator.command_name)->shape, {}};
  for (const FieldInfo& field : calculator.fields) {
    part.dimensions_cm.push_back(Cp1252ToUtf8(window.EditText(field.edit_box)));
  }
  return part;
}

}  // namespace anod
