#include "plan/load_summary.h"

#include "plan/plan_texts.h"
#include "plan/plan_units.h"

namespace anod {
namespace {

std::string Area(double cm2) { return ShownDecimals(cm2, 2); }

}  // namespace

LoadSummary SummarizeLoad(const Plan& plan, const PlanReport& report) {
  LoadSummary summary;
  if (!report.HasCurrent()) {
    summary.problem = report.settings_problem.empty() ? report.load_problem : report.settings_problem;
    return summary;
  }
  const std::string thickness = ShortestNumber(plan.thickness_um) + " \xC2\xB5m";
  summary.area =
      "Surface totale : " + Area(report.area_cm2) + " cm\xC2\xB2 (" + Area(report.area_cm2 / 100) + " dm\xC2\xB2)";
  summary.current = "Courant : " + ShownDecimals(report.current_ma, 0) + " mA (" +
                    ShownDecimals(report.current_ma / 1000, 2) + " A) \xC3\xA0 " + Area(report.density_ma_cm2) +
                    " mA/cm\xC2\xB2";
  summary.time = "Temps : " + ShownDecimals(report.minutes, 1) + " min pour " + thickness + " (r\xC3\xA8gle de 312)";
  if (report.thickness_at_time_um) {
    summary.thickness_at_time = "En " + ShortestNumber(plan.time_min.value_or(0)) +
                                " min : " + ShownDecimals(*report.thickness_at_time_um, 1) + " \xC2\xB5m";
  }
  if (report.supply) {
    const SupplyCheck& supply = *report.supply;
    const std::string supply_a = ShortestNumber(supply.supply_a);
    summary.supply = "Alimentation " + supply_a + " A : " + (supply.sufficient ? "suffisante" : "insuffisante");
    if (!supply.sufficient) {
      summary.supply_advice = {
          "\xC3\xA0 " + supply_a + " A, la densit\xC3\xA9 sur cette charge est de " + Area(supply.density_ma_cm2) +
              " mA/cm\xC2\xB2 : " + thickness + " en " + ShownDecimals(supply.minutes, 1) + " min",
          "\xC3\xA0 " + Area(report.density_ma_cm2) + " mA/cm\xC2\xB2, elle peut porter " + Area(supply.area_cm2) +
              " cm\xC2\xB2",
      };
    }
  }
  return summary;
}

}  // namespace anod
