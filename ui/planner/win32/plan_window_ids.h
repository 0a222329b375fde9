// The control and command identifiers of the planner's window, for the
// window itself and for the programs that drive it in tests (they find a
// control with GetDlgItem on the window, or on its rows panel for a cell).
#pragma once

#include <cstddef>

#include "ui/planner/plan_editor.h"

namespace anod::win32::plan_ids {

// Commands: the menu, the accelerators and the buttons. IDOK and IDCANCEL
// (1, 2), which the dialog manager sends for Enter and Escape, are none of
// them.
enum Command : int {
  kNew = 10,
  kOpen,
  kSave,
  kSaveAs,
  kClose,
  kAddRow = 20,
  kDuplicateRow,
  kRemoveRow,
  kMoveUp,
  kMoveDown,
  kAddCalculated,
  kCopyRunSheet,
};

// Controls beside and below the table.
enum Control : int {
  kLengthUnit = 100,
  kDensityUnit,
  kSettingLabel = 110,  // + PlanSetting
  kSetting = 120,       // + PlanSetting
  kHeader = 130,        // + PlanColumn
  kRows = 140,          // the panel of the table's rows
  kResultProblem = 150,
  kResultArea,
  kResultCurrent,
  kResultTime,
  kResultThickness,
  kResultSupply,
  kResultAdvice,
  kWarningIcon,
  kProblems = 160,
  kRunSheet,
  kRunSheetLabel,
  kLengthUnitLabel,
  kProblemsLabel,
};

// A cell of the table, a child of the rows panel.
inline constexpr int kCell = 1000;
inline constexpr int kCellsPerRow = 16;
constexpr int Cell(std::size_t row, PlanColumn column) {
  return kCell + static_cast<int>(row) * kCellsPerRow + static_cast<int>(column);
}

}  // namespace anod::win32::plan_ids
