#include "plan/run_sheet.h"

#include "plan/plan_texts.h"

namespace anod {

std::array<std::string, 4> RunSheet(const Plan& plan, const PlanReport& report) {
  std::string electrolysis =
      "\xC3\x89lectrolyse : acide sulfurique 170 ml / litre d'eau, sous 24 \xC2\xB0" "C ; ";
  if (report.HasCurrent()) {
    electrolysis += ShownDecimals(report.current_ma, 0) + " mA (" + ShownDecimals(report.current_ma / 1000, 2) +
                    " A) pendant " + ShownDecimals(report.minutes, 1) + " minutes pour " +
                    ShortestNumber(plan.thickness_um) + " \xC2\xB5m";
  } else {
    electrolysis += "courant non calcul\xC3\xA9";
  }
  return {
      "D\xC3\xA9graissage : soude caustique 10 g / 100 ml d'eau, pendant 5 \xC3\xA0 10 minutes",
      electrolysis,
      "Coloration : colorant 6 ml / 100 ml d'eau chaude \xC3\xA0 55/65 \xC2\xB0" "C, pendant 15 \xC3\xA0 20 minutes",
      "Fixation : eau bouillante, pendant 10 \xC3\xA0 30 minutes",
  };
}

}  // namespace anod
