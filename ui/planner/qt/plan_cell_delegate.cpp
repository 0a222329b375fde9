#include "ui/planner/qt/plan_cell_delegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "plan/plan_shapes.h"
#include "ui/planner/plan_editor.h"

namespace anod::qt {
namespace {

bool IsShapeColumn(const QModelIndex& index) { return index.column() == static_cast<int>(PlanColumn::kShape); }

}  // namespace

QWidget* PlanCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  const QString name = index.data(Qt::AccessibleDescriptionRole).toString();
  if (IsShapeColumn(index)) {
    auto* list = new QComboBox(parent);
    for (const PlanShapeInfo& shape : PlanShapes()) list->addItem(QString::fromUtf8(shape.name));
    list->setAccessibleName(name);
    // A choice is the edit: the row's fields follow at once.
    connect(list, &QComboBox::activated, this, [this, list] { emit const_cast<PlanCellDelegate*>(this)->commitData(list); });
    return list;
  }
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setAccessibleName(name);
    connect(line, &QLineEdit::textEdited, this, [this, line] { emit const_cast<PlanCellDelegate*>(this)->commitData(line); });
  }
  return editor;
}

void PlanCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    list->setCurrentIndex(list->findText(index.data(Qt::EditRole).toString()));
    return;
  }
  // The model announces every cell after each keystroke: an editor already
  // holding the text keeps its caret where the user is typing.
  if (auto* line = qobject_cast<QLineEdit*>(editor); line != nullptr && line->text() == index.data(Qt::EditRole).toString()) {
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void PlanCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, list->currentIndex(), Qt::EditRole);
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace anod::qt
