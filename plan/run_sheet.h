// The run sheet: the four steps of the process as the window's step texts
// give them, the electrolysis with this load's current and time. French,
// UTF-8, one line each.
//
//   worked example (plan/plan_report.h):
//     "Dégraissage : soude caustique 10 g / 100 ml d'eau, pendant 5 à 10 minutes"
//     "Électrolyse : acide sulfurique 170 ml / litre d'eau, sous 24 °C ;
//      17327 mA (17.33 A) pendant 31.2 minutes pour 15 µm"
//     "Coloration : colorant 6 ml / 100 ml d'eau chaude à 55/65 °C, pendant 15 à 20 minutes"
//     "Fixation : eau bouillante, pendant 10 à 30 minutes"
// Without a current (a refused row) the electrolysis says "courant non calculé".
#pragma once

#include <array>
#include <string>

#include "plan/plan.h"
#include "plan/plan_report.h"

namespace anod {

std::array<std::string, 4> RunSheet(const Plan& plan, const PlanReport& report);

}  // namespace anod
