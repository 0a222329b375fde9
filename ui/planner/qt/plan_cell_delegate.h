// How the plan's cells are edited: Forme with a drop-down list of the plan's
// shapes (their French names, in the shapes' table order), the other cells
// with a line edit whose every keystroke goes to the model at once, so the
// areas and results follow the typing and a refused text is marked while
// the cell is still open.
#pragma once

#include <QStyledItemDelegate>

namespace anod::qt {

class PlanCellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace anod::qt
