#include "ui/planner/qt/plan_table_model.h"

#include "plan/plan_shapes.h"

namespace anod::qt {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

PlanColumn ColumnOf(const QModelIndex& index) { return static_cast<PlanColumn>(index.column()); }

}  // namespace

QColor RefusedFieldColor() { return {255, 204, 204}; }

PlanTableModel::PlanTableModel(PlanEditor& editor, QObject* parent) : QAbstractTableModel(parent), editor_(editor) {}

void PlanTableModel::Reload() {
  beginResetModel();
  current_row_.reset();
  endResetModel();
}

void PlanTableModel::SetCurrentRow(std::optional<std::size_t> row) {
  if (row == current_row_) return;
  current_row_ = row;
  emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(kPlanColumnCount) - 1);
}

int PlanTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(editor_.RowCount());
}

int PlanTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kPlanColumnCount);
}

QVariant PlanTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const PlanColumn column = ColumnOf(index);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Utf8(editor_.CellText(row, column));
    case Qt::ToolTipRole: {
      std::string problem = editor_.CellProblem(row, column);
      if (problem.empty() && (column == PlanColumn::kPartArea || column == PlanColumn::kRowArea)) {
        problem = editor_.RowProblem(row);
      }
      if (!problem.empty()) return Utf8(problem);
      const std::string field = editor_.FieldName(row, column);
      return field.empty() ? QVariant() : Utf8(field);
    }
    case Qt::AccessibleDescriptionRole:
      return Utf8(editor_.FieldName(row, column));
    case Qt::BackgroundRole:
      if (!editor_.CellProblem(row, column).empty()) return RefusedFieldColor();
      return {};
    case Qt::TextAlignmentRole:
      if (column == PlanColumn::kShape || column == PlanColumn::kLabel) return {};
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
      return {};
  }
}

bool PlanTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const auto row = static_cast<std::size_t>(index.row());
  const PlanColumn column = ColumnOf(index);
  if (!editor_.CellEditable(row, column)) return false;
  if (column == PlanColumn::kShape) {
    // The delegate's list gives the shape's place in the shapes' table.
    bool ok = false;
    const int shape = value.toInt(&ok);
    const auto shapes = PlanShapes();
    if (!ok || shape < 0 || static_cast<std::size_t>(shape) >= shapes.size()) return false;
    if (shapes[static_cast<std::size_t>(shape)].shape == editor_.RowShape(row)) return true;
    editor_.SetRowShape(row, shapes[static_cast<std::size_t>(shape)].shape);
  } else {
    const std::string text = value.toString().toStdString();
    if (text == editor_.CellText(row, column)) return true;
    editor_.SetCellText(row, column, text);
  }
  AnnounceChange();
  return true;
}

Qt::ItemFlags PlanTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editor_.CellEditable(static_cast<std::size_t>(index.row()), ColumnOf(index))) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= static_cast<int>(kPlanColumnCount)) return {};
  return Utf8(editor_.ColumnHeader(static_cast<PlanColumn>(section), current_row_));
}

int PlanTableModel::AddRow(std::optional<int> after) {
  const std::optional<std::size_t> place =
      after && *after >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(*after)) : std::nullopt;
  const int row = place ? *after + 1 : rowCount();
  beginInsertRows({}, row, row);
  const auto made = static_cast<int>(editor_.AddRow(place));
  endInsertRows();
  AnnounceChange();
  return made;
}

int PlanTableModel::DuplicateRow(int row) {
  beginInsertRows({}, row + 1, row + 1);
  const auto made = static_cast<int>(editor_.DuplicateRow(static_cast<std::size_t>(row)));
  endInsertRows();
  AnnounceChange();
  return made;
}

void PlanTableModel::RemoveRow(int row) {
  beginRemoveRows({}, row, row);
  editor_.RemoveRow(static_cast<std::size_t>(row));
  endRemoveRows();
  if (current_row_ && *current_row_ >= editor_.RowCount()) current_row_.reset();
  AnnounceChange();
}

int PlanTableModel::MoveRow(int row, int by) {
  const int target = row + by;
  if (by == 0 || target < 0 || target >= rowCount()) return row;
  // Qt counts the destination before the move: one further down.
  beginMoveRows({}, row, row, {}, by > 0 ? target + 1 : target);
  const auto moved = static_cast<int>(editor_.MoveRow(static_cast<std::size_t>(row), by));
  endMoveRows();
  AnnounceChange();
  return moved;
}

// The part may take the place of the blank row a new plan starts with, or
// come after the others: the rows are announced anew either way.
int PlanTableModel::AddCalculatedPart(const CalculatedPart& part) {
  beginResetModel();
  const auto made = static_cast<int>(editor_.AddCalculatedPart(part));
  endResetModel();
  AnnounceChange();
  return made;
}

void PlanTableModel::AnnounceChange() {
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  emit Edited();
}

}  // namespace anod::qt
