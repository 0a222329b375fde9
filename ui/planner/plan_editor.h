// The Plan de bain as its window edits it: the table's rows and the settings
// beside it, each field holding the text the user typed, and everything the
// window shows read from them (areas, totals, current, time, the supply's
// warning, the run sheet, each refused field's message). Toolkit-free: both
// shells show these texts and pass the user's edits back, nothing more.
//
// Every edit is read at once, with "," or "." as the decimal separator
// (plan/plan_number.h); a text that is not a number marks its field with its
// own message and refuses its row, the other rows keep their areas, and no
// total or current is given while a row is refused (plan/plan_report.h).
//
//   the worked example (plan/plan.h) typed in: rows "Tube ×4: 2 | 1,5 | 10"
//   and "Plaque ×2: 10 | 5 | 0,2", rack "20", density "1,5" A/dm²,
//   thickness "15", supply "10":
//     CellText(0, kPartArea) -> "230.79", CellText(0, kRowArea) -> "923.16"
//     Results().area         -> "Surface totale : 1155.16 cm² (11.55 dm²)"
//     Results().current      -> "Courant : 17327 mA (17.33 A) à 15.00 mA/cm²"
//     Results().time         -> "Temps : 31.2 min pour 15 µm (règle de 312)"
//     Results().supply       -> "Alimentation 10 A : insuffisante", with its
//                               two lines of advice
//   then "1,5x" typed as the tube's inner radius:
//     CellProblem(0, kDimension2) -> "Ligne 1 (Tube), rayon intérieur :
//                                     « 1,5x » n'est pas un nombre"
//     CellText(1, kRowArea) -> "212.00" (the plate keeps its area)
//     Results().problem     -> "Courant non calculé : 1 ligne refusée"
//
// Texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plan/load_summary.h"
#include "plan/plan.h"
#include "plan/plan_report.h"

namespace anod {

// The table's columns, in the order both shells show them. A shape has at
// most three dimensions; a dimension column beyond the row's shape is empty
// and cannot be edited.
enum class PlanColumn { kShape, kQuantity, kDimension1, kDimension2, kDimension3, kLabel, kPartArea, kRowArea };
inline constexpr std::size_t kPlanColumnCount = 8;
inline constexpr std::size_t kPlanDimensionColumns = 3;

// The column headers: "Forme", "Quantité", "Cote 1"…, "Libellé",
// "Aire unitaire (cm²)", "Aire de la ligne (cm²)".
const char* PlanColumnTitle(PlanColumn column);

// The fields beside the table that take a typed number. The supply and the
// time may be left empty: no supply check, no thickness for a time.
enum class PlanSetting { kRack, kDensity, kThickness, kSupply, kTime };
inline constexpr std::size_t kPlanSettingCount = 5;

// "Montage et contacts (cm²)", "Densité de courant", "Épaisseur visée (µm)",
// "Alimentation maximale (A)", "Durée (min, facultatif)".
const char* PlanSettingTitle(PlanSetting setting);

// A part the main window calculated, as its edit boxes held it (UTF-8, in cm):
// a cylinder {"3", "10"} becomes the row "Cylindre ×1: rayon 3, hauteur 10".
struct CalculatedPart {
  PlanShape shape = PlanShape::kCylinder;
  std::vector<std::string> dimensions_cm;  // in the shape's field order
};

// What the window shows below the table and in the run sheet.
struct PlanResults {
  LoadSummary load;                      // the same lines as `anodisation-calc plan`
  std::array<std::string, 4> run_sheet;  // plan/run_sheet.h
  std::vector<std::string> problems;     // every refused field's message, rows first
  // The run sheet as the clipboard takes it: a title line, then
  // "1. Dégraissage : …" one step per line, lines ended by "\n".
  std::string RunSheetText() const;
};

class PlanEditor {
 public:
  // A new plan: one cylinder row to fill in, the rack at 0 cm², 10 mA/cm²,
  // 15 µm, no supply, no time, dimensions in cm.
  PlanEditor();
  // A plan read from a file: its values written as texts ("1.5").
  explicit PlanEditor(const Plan& plan);

  // The plan the texts make; a field left blank holds 0.
  Plan ToPlan() const;
  // Why the plan cannot be saved, or empty: a text that is not a number
  // (the file would lose it), or a setting refused (the file could not be
  // read back). A blank dimension or quantity is saved as 0.
  const std::string& SaveProblem() const { return save_problem_; }

  // Rises with every change of a text, a unit, a shape or the rows.
  std::uint64_t Revision() const { return revision_; }

  // --- The table ---
  std::size_t RowCount() const { return rows_.size(); }
  // The shape's name ("Tube"), the typed texts, the label, or the areas
  // ("230.79"; empty while the row is refused).
  std::string CellText(std::size_t row, PlanColumn column) const;
  bool CellEditable(std::size_t row, PlanColumn column) const;
  // Why the cell's text is refused, or empty. A rule between fields (an
  // inner radius not below the outer one) marks the field it names.
  std::string CellProblem(std::size_t row, PlanColumn column) const;
  // The row's message when the row is refused, or empty.
  std::string RowProblem(std::size_t row) const;
  // A dimension column's name for this row's shape ("Rayon extérieur"),
  // empty beyond its fields; the other columns' titles.
  std::string FieldName(std::size_t row, PlanColumn column) const;
  // The header of a column, following the row the user is on: "Rayon
  // extérieur" over a tube's first dimension; "Cote 1" with no row.
  std::string ColumnHeader(PlanColumn column, std::optional<std::size_t> current_row) const;

  PlanShape RowShape(std::size_t row) const;
  // Fields follow the shape: a text is kept when the new shape has a field
  // of the same name ("longueur" from a tube to a plate), the others start
  // empty.
  void SetRowShape(std::size_t row, PlanShape shape);
  // The quantity, a dimension or the label; other columns are ignored.
  void SetCellText(std::size_t row, PlanColumn column, std::string text);

  // Each returns the index of the row it made or moved.
  std::size_t AddRow(std::optional<std::size_t> after);  // a row of the same shape, empty
  std::size_t DuplicateRow(std::size_t row);             // just below it
  void RemoveRow(std::size_t row);
  // Moves a row one place up (-1) or down (+1); nothing at either end.
  std::size_t MoveRow(std::size_t row, int by);
  // The main window's part, as a row of one at the end, its dimensions
  // converted to the plan's length unit.
  std::size_t AddCalculatedPart(const CalculatedPart& part);

  // --- Beside the table ---
  std::string SettingText(PlanSetting setting) const;
  void SetSettingText(PlanSetting setting, std::string text);
  std::string SettingProblem(PlanSetting setting) const;
  LengthUnit GetLengthUnit() const { return length_unit_; }
  // The dimensions' texts are kept: they are read in the new unit.
  void SetLengthUnit(LengthUnit unit);
  DensityUnit GetDensityUnit() const { return density_unit_; }
  void SetDensityUnit(DensityUnit unit);

  // --- Below ---
  const PlanResults& Results() const { return results_; }
  const PlanReport& Report() const { return report_; }

 private:
  struct Row {
    PlanShape shape = PlanShape::kCylinder;
    std::string quantity = "1";
    std::vector<std::string> dimensions;  // one per field of the shape
    std::string label;
    UnknownMembers unknown;  // a file's members this version does not know
  };

  void Evaluate();  // re-reads every text and computes what the window shows
  void Changed();   // Evaluate(), and the revision rises

  std::vector<Row> rows_;
  std::array<std::string, kPlanSettingCount> settings_;
  LengthUnit length_unit_ = LengthUnit::kCentimetre;
  DensityUnit density_unit_ = DensityUnit::kMilliampPerCm2;
  UnknownMembers plan_unknown_;
  UnknownMembers density_unknown_;
  std::uint64_t revision_ = 0;

  // Read from the texts by Evaluate(): the plan (NaN where a text is not a
  // number), each field's message, what the plan gives.
  Plan plan_;
  // Each row's refused texts: its quantity, then its dimensions.
  std::vector<std::array<std::string, 1 + kPlanDimensionColumns>> cell_problems_;
  std::array<std::string, kPlanSettingCount> setting_problems_;
  std::string save_problem_;
  PlanReport report_;
  PlanResults results_;
};

}  // namespace anod
