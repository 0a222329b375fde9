#include "plan/plan_report.h"

#include <cmath>

#include "core/codepage.h"
#include "core/failures.h"
#include "plan/plan_shapes.h"
#include "plan/plan_texts.h"
#include "plan/plan_units.h"

namespace anod {
namespace {

constexpr double kMinutesPerMicronAtOneAmpPerDm2 = 3.12;  // the rule of 312
constexpr double kMilliampsPerCm2PerAmpPerDm2 = 10;

std::string Quoted(std::string_view text) { return "\xC2\xAB " + std::string(text) + " \xC2\xBB"; }

double Minutes(double thickness_um, double density_ma_cm2) {
  return kMinutesPerMicronAtOneAmpPerDm2 * thickness_um / (density_ma_cm2 / kMilliampsPerCm2PerAmpPerDm2);
}

// Why a row's values cannot stand (empty when they can), and which field.
RowReport RowValuesProblem(const PlanRow& row) {
  using Field = RowReport::Field;
  if (row.quantity < 1) {
    return {0, 0,
            "la quantit\xC3\xA9 (" + std::to_string(row.quantity) +
                ") doit \xC3\xAAtre un nombre entier d'au moins 1",
            Field::kQuantity};
  }
  const PlanShapeInfo& info = PlanShapeFor(row.shape);
  if (row.dimensions.size() != info.fields.size()) {
    return {0, 0,
            std::to_string(info.fields.size()) + " dimensions attendues, " + std::to_string(row.dimensions.size()) +
                " donn\xC3\xA9" "es"};
  }
  for (std::size_t i = 0; i < info.fields.size(); ++i) {
    const PlanField& field = info.fields[i];
    const double value = row.dimensions[i];
    const std::string shown = Quoted(field.name) + " (" + ShortestNumber(value) + ")";
    std::string problem;
    if (!std::isfinite(value)) {
      problem = Quoted(field.name) + " n'est pas un nombre fini";
    } else if (value < 0) {
      problem = shown + " ne peut pas \xC3\xAAtre n\xC3\xA9gatif";
    } else if (value == 0 && !field.zero_allowed) {
      problem = shown + " doit \xC3\xAAtre sup\xC3\xA9rieur \xC3\xA0 0";
    } else if (field.below >= 0) {
      const auto other = static_cast<std::size_t>(field.below);
      const double limit = row.dimensions[other];
      if (field.strict ? value >= limit : value > limit) {
        problem = shown + (field.strict ? " doit \xC3\xAAtre inf\xC3\xA9rieur \xC3\xA0 " : " ne doit pas d\xC3\xA9passer ") +
                  Quoted(info.fields[other].name) + " (" + ShortestNumber(limit) + ")";
      }
    }
    if (!problem.empty()) return {0, 0, std::move(problem), Field::kDimension, i};
  }
  return {};
}

RowReport EvaluateRow(std::size_t index, const PlanRow& row, LengthUnit unit) {
  RowReport report = RowValuesProblem(row);
  if (report.problem.empty()) {
    try {
      report.part_cm2 = PartArea(row, unit);
      report.total_cm2 = report.part_cm2 * static_cast<double>(row.quantity);
      if (!std::isfinite(report.total_cm2)) report.problem = "surface hors limites";
    } catch (const Exception& failure) {
      report.problem = "surface hors limites (" + Cp1252ToUtf8(failure.Message()) + ")";
    }
  }
  if (!report.problem.empty()) {
    report.part_cm2 = report.total_cm2 = 0;
    report.problem = RowPlace(index, row) + " : " + report.problem;
  }
  return report;
}

std::string NotAboveZero(const char* what, double value, const char* unit) {
  return std::string(what) + " : la valeur (" + ShortestNumber(value) + " " + unit +
         ") doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0";
}

}  // namespace

std::size_t PlanReport::RefusedRows() const {
  std::size_t refused = 0;
  for (const RowReport& row : rows) refused += !row.problem.empty();
  return refused;
}

std::string RowPlace(std::size_t index, const PlanRow& row) {
  std::string place = "Ligne " + std::to_string(index + 1) + " (" + PlanShapeFor(row.shape).name;
  if (!row.label.empty()) place += " " + Quoted(EchoText(row.label));
  return place + ")";
}

std::string SettingsProblem(const Plan& plan) {
  if (!(plan.rack_cm2 >= 0) || !std::isfinite(plan.rack_cm2)) {
    return "Montage et contacts : la surface (" + ShortestNumber(plan.rack_cm2) +
           " cm\xC2\xB2) ne peut pas \xC3\xAAtre n\xC3\xA9gative";
  }
  const double density = plan.density.value;
  if (!(density > 0) || !std::isfinite(MilliampsPerCm2(plan.density))) {
    return NotAboveZero("Densit\xC3\xA9 de courant", density, DensityUnitFor(plan.density.unit).shown);
  }
  if (!(plan.thickness_um > 0) || !std::isfinite(plan.thickness_um)) {
    return NotAboveZero("\xC3\x89paisseur vis\xC3\xA9" "e", plan.thickness_um, "\xC2\xB5m");
  }
  if (plan.supply_a && (!(*plan.supply_a > 0) || !std::isfinite(*plan.supply_a))) {
    return NotAboveZero("Alimentation", *plan.supply_a, "A");
  }
  if (plan.time_min && (!(*plan.time_min > 0) || !std::isfinite(*plan.time_min))) {
    return NotAboveZero("Dur\xC3\xA9" "e", *plan.time_min, "min");
  }
  return {};
}

PlanReport EvaluatePlan(const Plan& plan) {
  PlanReport report;
  double rows_cm2 = 0;
  for (std::size_t i = 0; i < plan.rows.size(); ++i) {
    report.rows.push_back(EvaluateRow(i, plan.rows[i], plan.length_unit));
    rows_cm2 += report.rows.back().total_cm2;
  }
  report.settings_problem = SettingsProblem(plan);
  if (!report.settings_problem.empty()) return report;

  if (const std::size_t refused = report.RefusedRows(); refused > 0) {
    report.load_problem = "Courant non calcul\xC3\xA9 : " + std::to_string(refused) +
                          (refused == 1 ? " ligne refus\xC3\xA9" "e" : " lignes refus\xC3\xA9" "es");
    return report;
  }
  const double area = rows_cm2 + plan.rack_cm2;
  const double density = MilliampsPerCm2(plan.density);
  const double current = std::nearbyint(area * density);
  if (!std::isfinite(current)) {
    report.load_problem = "Courant non calcul\xC3\xA9 : surface totale hors limites";
    return report;
  }
  if (!(area > 0)) {
    report.load_problem = "Courant non calcul\xC3\xA9 : la surface totale (" + ShownDecimals(area, 2) +
                          " cm\xC2\xB2) doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0";
    return report;
  }
  report.area_cm2 = area;
  report.density_ma_cm2 = density;
  report.current_ma = current;
  report.minutes = Minutes(plan.thickness_um, density);
  if (plan.time_min) {
    report.thickness_at_time_um =
        *plan.time_min * (density / kMilliampsPerCm2PerAmpPerDm2) / kMinutesPerMicronAtOneAmpPerDm2;
  }
  if (plan.supply_a) {
    SupplyCheck check;
    check.supply_a = *plan.supply_a;
    const double supply_ma = *plan.supply_a * 1000;
    check.sufficient = current <= supply_ma;
    if (!check.sufficient) {
      check.density_ma_cm2 = supply_ma / area;
      check.minutes = Minutes(plan.thickness_um, check.density_ma_cm2);
      check.area_cm2 = supply_ma / density;
    }
    report.supply = check;
  }
  return report;
}

}  // namespace anod
