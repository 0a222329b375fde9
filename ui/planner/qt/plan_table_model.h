// The plan's rows as Qt's item views see them: an adapter that asks the
// editor (ui/planner/plan_editor.h) for every text and hands every edit back
// to it. It keeps nothing of its own but the row the user is on, whose shape
// names the dimension columns' headers ("Rayon extérieur" over a tube's
// first dimension, "Cote 1" with no row).
//
//   data(row 0, kPartArea)            -> "230.79"
//   data(a refused cell, ToolTipRole) -> its French message, and the cell's
//                                        background is the refused colour
//   setData(row 0, kShape, 4)         -> the row becomes a tube (the shapes'
//                                        index in plan/plan_shapes.h)
//   flags(a dimension beyond the row's shape) -> not editable
//
// An edit re-reads the whole plan, so every cell and the headers are
// announced changed, and Edited() tells the window to show the new results.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <optional>

#include "ui/planner/plan_editor.h"

namespace anod::qt {

// The background of a field whose text is refused; the window's fields
// beside the table take the same.
QColor RefusedFieldColor();

class PlanTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  PlanTableModel(PlanEditor& editor, QObject* parent = nullptr);

  // After the editor was replaced as a whole (Nouveau, Ouvrir…).
  void Reload();
  void SetCurrentRow(std::optional<std::size_t> row);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The row commands; each returns the row it made or moved.
  int AddRow(std::optional<int> after);
  int DuplicateRow(int row);
  void RemoveRow(int row);
  int MoveRow(int row, int by);
  int AddCalculatedPart(const CalculatedPart& part);

  // Every cell and header announced changed, then Edited(): after an edit
  // made beside the table that changes its areas (the length unit).
  void AnnounceChange();

 signals:
  void Edited();

 private:

  PlanEditor& editor_;
  std::optional<std::size_t> current_row_;
};

}  // namespace anod::qt
