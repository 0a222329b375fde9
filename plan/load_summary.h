// The lines that say what a plan's load needs, as `anodisation-calc plan`
// prints them and the plan window shows them (UTF-8, without line ends):
//
//   worked example (plan/plan_report.h):
//     area     "Surface totale : 1155.16 cm² (11.55 dm²)"
//     current  "Courant : 17327 mA (17.33 A) à 15.00 mA/cm²"
//     time     "Temps : 31.2 min pour 15 µm (règle de 312)"
//     supply   "Alimentation 10 A : insuffisante"
//     advice   "à 10 A, la densité sur cette charge est de 8.66 mA/cm² : 15 µm
//     en 54.1 min"
//              "à 15.00 mA/cm², elle peut porter 666.67 cm²"
//   a refused row: only `problem`, "Courant non calculé : 1 ligne refusée".
#pragma once

#include <string>
#include <vector>

#include "plan/plan.h"
#include "plan/plan_report.h"

namespace anod {

struct LoadSummary {
  std::string problem;  // why there is no current; the other lines are then empty
  std::string area;
  std::string current;
  std::string time;
  std::string thickness_at_time;           // "En 20 min : 9.6 µm", when the plan gives a time
  std::string supply;                      // when the plan gives a supply
  std::vector<std::string> supply_advice;  // when the supply does not suffice
};

LoadSummary SummarizeLoad(const Plan& plan, const PlanReport& report);

}  // namespace anod
