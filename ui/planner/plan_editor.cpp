#include "ui/planner/plan_editor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

#include "plan/plan_number.h"
#include "plan/plan_shapes.h"
#include "plan/plan_texts.h"
#include "plan/plan_units.h"
#include "plan/run_sheet.h"

namespace anod {
namespace {

constexpr std::array<const char*, kPlanColumnCount> kColumnTitles{"Forme",
                                                                  "Quantit\xC3\xA9",
                                                                  "Cote 1",
                                                                  "Cote 2",
                                                                  "Cote 3",
                                                                  "Libell\xC3\xA9",
                                                                  "Aire unitaire (cm\xC2\xB2)",
                                                                  "Aire de la ligne (cm\xC2\xB2)"};

struct SettingInfo {
  const char* title;  // beside its field
  const char* name;   // in its messages, as the plan's own messages name it
  bool optional;
};
constexpr std::array<SettingInfo, kPlanSettingCount> kSettings{{
    {"Montage et contacts (cm\xC2\xB2)", "Montage et contacts", false},
    {"Densit\xC3\xA9 de courant", "Densit\xC3\xA9 de courant", false},
    {"\xC3\x89paisseur vis\xC3\xA9"
     "e (\xC2\xB5m)",
     "\xC3\x89paisseur vis\xC3\xA9"
     "e",
     false},
    {"Alimentation maximale (A)", "Alimentation", true},
    {"Dur\xC3\xA9"
     "e (min, facultatif)",
     "Dur\xC3\xA9"
     "e",
     true},
}};

constexpr double kNotRead = std::numeric_limits<double>::quiet_NaN();

std::size_t Index(PlanSetting setting) { return static_cast<std::size_t>(setting); }

// The dimension a column holds (0 to 2), or nothing for the other columns.
std::optional<std::size_t> DimensionOf(PlanColumn column) {
  const auto index = static_cast<std::size_t>(column) - static_cast<std::size_t>(PlanColumn::kDimension1);
  if (index < kPlanDimensionColumns) return index;
  return std::nullopt;
}

// "rayon extérieur" -> "Rayon extérieur", "épaisseur" -> "Épaisseur".
std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  } else if (text.starts_with("\xC3") && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0xA0) {
    text[1] = static_cast<char>(text[1] - 0x20);  // à-þ to À-Þ
  }
  return text;
}

std::string NumberText(double value) { return ShortestNumber(value); }

bool Blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// Reads a typed number; `problem` gets its message when it is not one.
double ReadField(const std::string& text, const std::string& where, std::string& problem) {
  if (Blank(text)) {
    problem = where + " : valeur \xC3\xA0 saisir";
    return kNotRead;
  }
  if (const std::optional<double> value = ReadPlanNumber(text)) return *value;
  problem = NotANumberMessage(where, text);
  return kNotRead;
}

// A quantity is a whole number; the plan's rule refuses it below 1.
std::int64_t ReadQuantity(const std::string& text, const std::string& where, std::string& problem) {
  const double value = ReadField(text, where, problem);
  if (!problem.empty()) return 0;
  if (value != std::floor(value) || !(std::fabs(value) < 1e15)) {
    problem = where + " : \xC2\xAB " + EchoText(text) + " \xC2\xBB n'est pas un nombre entier";
    return 0;
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace

const char* PlanColumnTitle(PlanColumn column) { return kColumnTitles[static_cast<std::size_t>(column)]; }

const char* PlanSettingTitle(PlanSetting setting) { return kSettings[Index(setting)].title; }

std::string PlanResults::RunSheetText() const {
  std::string text = "Fiche de bain\n";
  for (std::size_t step = 0; step < run_sheet.size(); ++step) {
    text += std::to_string(step + 1) + ". " + run_sheet[step] + "\n";
  }
  return text;
}

namespace {

Plan NewPlan() {
  Plan plan;
  plan.rows.emplace_back();
  return plan;
}

}  // namespace

PlanEditor::PlanEditor() : PlanEditor(NewPlan()) {}

PlanEditor::PlanEditor(const Plan& plan)
    : length_unit_(plan.length_unit),
      density_unit_(plan.density.unit),
      plan_unknown_(plan.unknown),
      density_unknown_(plan.density.unknown) {
  for (const PlanRow& row : plan.rows) {
    Row& shown = rows_.emplace_back();
    shown.shape = row.shape;
    shown.quantity = std::to_string(row.quantity);
    shown.dimensions.resize(PlanShapeFor(row.shape).fields.size());
    for (std::size_t i = 0; i < shown.dimensions.size() && i < row.dimensions.size(); ++i) {
      shown.dimensions[i] = NumberText(row.dimensions[i]);
    }
    shown.label = row.label;
    shown.unknown = row.unknown;
  }
  settings_[Index(PlanSetting::kRack)] = NumberText(plan.rack_cm2);
  settings_[Index(PlanSetting::kDensity)] = NumberText(plan.density.value);
  settings_[Index(PlanSetting::kThickness)] = NumberText(plan.thickness_um);
  if (plan.supply_a) settings_[Index(PlanSetting::kSupply)] = NumberText(*plan.supply_a);
  if (plan.time_min) settings_[Index(PlanSetting::kTime)] = NumberText(*plan.time_min);
  Evaluate();
}

// A file gets 0 where a text is not a number (SaveProblem stops it first).
Plan PlanEditor::ToPlan() const {
  Plan plan = plan_;
  auto zero_for_nan = [](double& value) {
    if (std::isnan(value)) value = 0;
  };
  for (PlanRow& row : plan.rows) std::for_each(row.dimensions.begin(), row.dimensions.end(), zero_for_nan);
  for (double* value : {&plan.rack_cm2, &plan.density.value, &plan.thickness_um}) zero_for_nan(*value);
  for (std::optional<double>* value : {&plan.supply_a, &plan.time_min}) {
    if (*value) zero_for_nan(**value);
  }
  return plan;
}

// Reads every text once, into the plan and each field's message. Where a
// text is not a number the plan holds NaN, which the plan's rules refuse
// (the row, or the settings), so no total is given.
void PlanEditor::Evaluate() {
  Plan plan;
  plan.length_unit = length_unit_;
  plan.unknown = plan_unknown_;
  plan.density.unit = density_unit_;
  plan.density.unknown = density_unknown_;
  cell_problems_.assign(rows_.size(), {});
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    PlanRow& out = plan.rows.emplace_back();
    out.shape = row.shape;
    out.label = row.label;
    out.unknown = row.unknown;
    const std::string place = RowPlace(i, out);
    auto& cells = cell_problems_[i];
    out.quantity = ReadQuantity(row.quantity, place + ", quantit\xC3\xA9", cells[0]);
    const PlanShapeInfo& shape = PlanShapeFor(row.shape);
    for (std::size_t d = 0; d < row.dimensions.size(); ++d) {
      out.dimensions.push_back(ReadField(row.dimensions[d], place + ", " + shape.fields[d].name, cells[1 + d]));
    }
  }
  std::array<double, kPlanSettingCount> values;
  for (std::size_t s = 0; s < kPlanSettingCount; ++s) {
    setting_problems_[s].clear();
    const bool left_empty = kSettings[s].optional && Blank(settings_[s]);
    values[s] = left_empty ? kNotRead : ReadField(settings_[s], kSettings[s].name, setting_problems_[s]);
  }
  plan.rack_cm2 = values[Index(PlanSetting::kRack)];
  plan.density.value = values[Index(PlanSetting::kDensity)];
  plan.thickness_um = values[Index(PlanSetting::kThickness)];
  if (!Blank(settings_[Index(PlanSetting::kSupply)])) plan.supply_a = values[Index(PlanSetting::kSupply)];
  if (!Blank(settings_[Index(PlanSetting::kTime)])) plan.time_min = values[Index(PlanSetting::kTime)];

  report_ = EvaluatePlan(plan);
  results_.problems.clear();
  save_problem_.clear();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    auto& cells = cell_problems_[i];
    // A blank field is kept as 0 (the row stays refused when read back); a
    // text that is not a number would be lost.
    for (std::size_t c = 0; c < cells.size() && save_problem_.empty(); ++c) {
      const std::string* text = c == 0                          ? &row.quantity
                                : c - 1 < row.dimensions.size() ? &row.dimensions[c - 1]
                                                                : nullptr;
      if (!cells[c].empty() && text && !Blank(*text)) save_problem_ = cells[c];
    }
    RowReport& result = report_.rows[i];
    const auto refused_text = std::find_if(cells.begin(), cells.end(), [](const auto& p) { return !p.empty(); });
    if (refused_text != cells.end()) {
      result = {0, 0, *refused_text};
    } else if (result.field == RowReport::Field::kQuantity) {
      cells[0] = result.problem;
    } else if (result.field == RowReport::Field::kDimension && result.dimension < kPlanDimensionColumns) {
      cells[1 + result.dimension] = result.problem;
    }
    bool marked = false;
    for (const std::string& problem : cells) {
      if (!problem.empty()) results_.problems.push_back(problem), marked = true;
    }
    if (!marked && !result.problem.empty()) results_.problems.push_back(result.problem);
  }
  std::string first_setting_problem;
  for (const std::string& problem : setting_problems_) {
    if (problem.empty()) continue;
    results_.problems.push_back(problem);
    if (first_setting_problem.empty()) first_setting_problem = problem;
  }
  // The plan's own rule on a value that reads (a negative rack) names the
  // setting in its message.
  if (first_setting_problem.empty() && !report_.settings_problem.empty()) {
    for (std::size_t s = 0; s < kPlanSettingCount; ++s) {
      if (report_.settings_problem.starts_with(kSettings[s].name)) setting_problems_[s] = report_.settings_problem;
    }
    results_.problems.push_back(report_.settings_problem);
  }
  // A file holding a refused setting could not be read back.
  if (save_problem_.empty())
    save_problem_ = first_setting_problem.empty() ? report_.settings_problem : first_setting_problem;
  if (!first_setting_problem.empty()) report_.settings_problem = first_setting_problem;
  results_.load = SummarizeLoad(plan, report_);
  results_.run_sheet = RunSheet(plan, report_);
  plan_ = std::move(plan);
}

void PlanEditor::Changed() {
  Evaluate();
  ++revision_;
}

std::string PlanEditor::CellText(std::size_t row, PlanColumn column) const {
  const Row& shown = rows_.at(row);
  const RowReport& result = report_.rows.at(row);
  switch (column) {
    case PlanColumn::kShape:
      return PlanShapeFor(shown.shape).name;
    case PlanColumn::kQuantity:
      return shown.quantity;
    case PlanColumn::kLabel:
      return shown.label;
    case PlanColumn::kPartArea:
      return result.problem.empty() ? ShownDecimals(result.part_cm2, 2) : "";
    case PlanColumn::kRowArea:
      return result.problem.empty() ? ShownDecimals(result.total_cm2, 2) : "";
    default:
      break;
  }
  const std::size_t d = *DimensionOf(column);
  return d < shown.dimensions.size() ? shown.dimensions[d] : "";
}

bool PlanEditor::CellEditable(std::size_t row, PlanColumn column) const {
  if (const std::optional<std::size_t> d = DimensionOf(column)) return *d < rows_.at(row).dimensions.size();
  return column != PlanColumn::kPartArea && column != PlanColumn::kRowArea;
}

std::string PlanEditor::CellProblem(std::size_t row, PlanColumn column) const {
  const auto& cells = cell_problems_.at(row);
  if (column == PlanColumn::kQuantity) return cells[0];
  if (const std::optional<std::size_t> d = DimensionOf(column)) return cells[1 + *d];
  return {};
}

std::string PlanEditor::RowProblem(std::size_t row) const { return report_.rows.at(row).problem; }

std::string PlanEditor::FieldName(std::size_t row, PlanColumn column) const {
  if (const std::optional<std::size_t> d = DimensionOf(column)) {
    const PlanShapeInfo& shape = PlanShapeFor(rows_.at(row).shape);
    return *d < shape.fields.size() ? Capitalized(shape.fields[*d].name) : "";
  }
  return PlanColumnTitle(column);
}

std::string PlanEditor::ColumnHeader(PlanColumn column, std::optional<std::size_t> current_row) const {
  if (DimensionOf(column) && current_row && *current_row < rows_.size()) {
    std::string name = FieldName(*current_row, column);
    if (!name.empty()) return name;
  }
  return PlanColumnTitle(column);
}

PlanShape PlanEditor::RowShape(std::size_t row) const { return rows_.at(row).shape; }

void PlanEditor::SetRowShape(std::size_t row, PlanShape shape) {
  Row& edited = rows_.at(row);
  if (edited.shape == shape) return;
  const PlanShapeInfo& from = PlanShapeFor(edited.shape);
  const PlanShapeInfo& to = PlanShapeFor(shape);
  std::vector<std::string> dimensions(to.fields.size());
  for (std::size_t i = 0; i < to.fields.size(); ++i) {
    for (std::size_t j = 0; j < from.fields.size(); ++j) {
      if (std::string_view(to.fields[i].name) == from.fields[j].name) dimensions[i] = edited.dimensions[j];
    }
  }
  edited.shape = shape;
  edited.dimensions = std::move(dimensions);
  Changed();
}

void PlanEditor::SetCellText(std::size_t row, PlanColumn column, std::string text) {
  Row& edited = rows_.at(row);
  std::string* field = nullptr;
  if (column == PlanColumn::kQuantity) field = &edited.quantity;
  if (column == PlanColumn::kLabel) field = &edited.label;
  if (const std::optional<std::size_t> d = DimensionOf(column); d && *d < edited.dimensions.size()) {
    field = &edited.dimensions[*d];
  }
  if (field == nullptr || *field == text) return;
  *field = std::move(text);
  Changed();
}

std::size_t PlanEditor::AddRow(std::optional<std::size_t> after) {
  const std::size_t at = after && *after < rows_.size() ? *after + 1 : rows_.size();
  Row row;
  if (at > 0) row.shape = rows_[at - 1].shape;  // the row it follows
  row.dimensions.resize(PlanShapeFor(row.shape).fields.size());
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
  Changed();
  return at;
}

std::size_t PlanEditor::DuplicateRow(std::size_t row) {
  Row copy = rows_.at(row);
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row) + 1, std::move(copy));
  Changed();
  return row + 1;
}

void PlanEditor::RemoveRow(std::size_t row) {
  if (row >= rows_.size()) throw std::out_of_range("PlanEditor::RemoveRow");
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
  Changed();
}

std::size_t PlanEditor::MoveRow(std::size_t row, int by) {
  if (row >= rows_.size()) throw std::out_of_range("PlanEditor::MoveRow");
  const std::size_t to = by < 0 ? row - (row > 0) : row + (row + 1 < rows_.size());
  if (to == row) return row;
  std::swap(rows_[row], rows_[to]);
  Changed();
  return to;
}

// A part calculated in cm goes into a plan in mm or inches converted; a text
// that is not a number is kept as typed, so the row shows why it is refused.
// The blank row a new plan starts with is filled rather than left above it.
std::size_t PlanEditor::AddCalculatedPart(const CalculatedPart& part) {
  Row row;
  row.shape = part.shape;
  row.dimensions.resize(PlanShapeFor(part.shape).fields.size());
  for (std::size_t i = 0; i < row.dimensions.size() && i < part.dimensions_cm.size(); ++i) {
    const std::string& text = part.dimensions_cm[i];
    const std::optional<double> cm = Blank(text) ? std::optional<double>(0) : ReadPlanNumber(text);
    row.dimensions[i] = cm ? NumberText(*cm / CentimetresPer(length_unit_)) : text;
  }
  const bool last_is_blank = !rows_.empty() && rows_.back().quantity == "1" && rows_.back().label.empty() &&
                             std::all_of(rows_.back().dimensions.begin(), rows_.back().dimensions.end(),
                                         [](const auto& t) { return Blank(t); });
  if (last_is_blank) rows_.pop_back();
  rows_.push_back(std::move(row));
  Changed();
  return rows_.size() - 1;
}

std::string PlanEditor::SettingText(PlanSetting setting) const { return settings_[Index(setting)]; }

void PlanEditor::SetSettingText(PlanSetting setting, std::string text) {
  std::string& field = settings_[Index(setting)];
  if (field == text) return;
  field = std::move(text);
  Changed();
}

std::string PlanEditor::SettingProblem(PlanSetting setting) const { return setting_problems_[Index(setting)]; }

void PlanEditor::SetLengthUnit(LengthUnit unit) {
  if (unit == length_unit_) return;
  length_unit_ = unit;
  Changed();
}

void PlanEditor::SetDensityUnit(DensityUnit unit) {
  if (unit == density_unit_) return;
  density_unit_ = unit;
  Changed();
}

}  // namespace anod
