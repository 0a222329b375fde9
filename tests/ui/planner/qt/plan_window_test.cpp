// The Plan de bain window's Qt shell translates, nothing more: its table
// adapter shows what the editor says, the delegate's editors hand each edit
// back at once, and each command, key and file action reaches the
// document. The planning rules are the model's tests'.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

#include "plan/plan_shapes.h"
#include "ui/planner/qt/plan_table_model.h"
#include "ui/planner/qt/plan_window.h"

namespace anod {
namespace {

// The first rows of the worked example: a tube ×4 and a plate ×2 (cm).
void TypeWorkedRows(PlanEditor& editor) {
  editor.SetRowShape(0, PlanShape::kTube);
  editor.SetCellText(0, PlanColumn::kQuantity, "4");
  editor.SetCellText(0, PlanColumn::kDimension1, "2");
  editor.SetCellText(0, PlanColumn::kDimension2, "1,5");
  editor.SetCellText(0, PlanColumn::kDimension3, "10");
  editor.SetCellText(0, PlanColumn::kLabel, "corps");
  const std::size_t plate = editor.AddRow(0);
  editor.SetRowShape(plate, PlanShape::kPlate);
  editor.SetCellText(plate, PlanColumn::kQuantity, "2");
  editor.SetCellText(plate, PlanColumn::kDimension1, "10");
  editor.SetCellText(plate, PlanColumn::kDimension2, "5");
  editor.SetCellText(plate, PlanColumn::kDimension3, "0,2");
}

int ShapeIndex(PlanShape shape) {
  const auto shapes = PlanShapes();
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    if (shapes[i].shape == shape) return static_cast<int>(i);
  }
  return -1;
}

// Runs `answer` on the next modal window, from inside its own loop.
void AnswerNextModal(std::function<void(QWidget&)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      answer(*modal);
    }
  });
  timer->start(10);
}

void ClickButton(QWidget& box, const char* caption) {
  for (QPushButton* button : box.findChildren<QPushButton*>()) {
    if (button->text() == QString::fromUtf8(caption)) return button->click();
  }
  ADD_FAILURE() << "no button " << caption;
}

void ChooseFile(QWidget& dialog, const QString& name) {
  auto& files = static_cast<QFileDialog&>(dialog);
  files.selectFile(name);
  static_cast<QDialog&>(files).accept();  // QFileDialog's own, through the public slot
}

class PlanWindowTest : public testing::Test {
 protected:
  PlanWindowTest() : window_(new qt::PlanWindow(true)) {
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  PlanEditor& Editor() { return window_->Document().Editor(); }
  QAbstractItemModel& Model() { return *window_->Table()->model(); }
  QModelIndex Cell(int row, PlanColumn column) { return Model().index(row, static_cast<int>(column)); }

  std::unique_ptr<qt::PlanWindow> window_;
};

TEST_F(PlanWindowTest, AdapterShowsWhatTheEditorSays) {
  TypeWorkedRows(Editor());
  Editor().SetCellText(0, PlanColumn::kDimension2, "1,5x");  // refused
  Editor().SetRowShape(1, PlanShape::kSphere);               // one dimension
  static_cast<qt::PlanTableModel&>(Model()).Reload();
  ASSERT_EQ(Model().rowCount(), 2);
  ASSERT_EQ(Model().columnCount(), static_cast<int>(kPlanColumnCount));
  for (int row = 0; row < 2; ++row) {
    for (int c = 0; c < static_cast<int>(kPlanColumnCount); ++c) {
      const auto column = static_cast<PlanColumn>(c);
      SCOPED_TRACE(testing::Message() << "row " << row << " column " << c);
      const QModelIndex cell = Cell(row, column);
      const auto r = static_cast<std::size_t>(row);
      EXPECT_EQ(cell.data().toString().toStdString(), Editor().CellText(r, column));
      EXPECT_EQ(Model().flags(cell).testFlag(Qt::ItemIsEditable), Editor().CellEditable(r, column));
      const std::string problem = Editor().CellProblem(r, column);
      EXPECT_EQ(cell.data(Qt::BackgroundRole).isValid(), !problem.empty());
      if (!problem.empty()) {
        EXPECT_EQ(cell.data(Qt::ToolTipRole).toString().toStdString(), problem);
      }
    }
  }
  EXPECT_EQ(Cell(0, PlanColumn::kDimension2).data(Qt::BackgroundRole).value<QColor>(), qt::RefusedFieldColor());
  EXPECT_FALSE(Model().flags(Cell(1, PlanColumn::kDimension2)).testFlag(Qt::ItemIsEditable));
}

TEST_F(PlanWindowTest, HeaderFollowsTheCurrentRowsShape) {
  TypeWorkedRows(Editor());
  static_cast<qt::PlanTableModel&>(Model()).Reload();
  for (const int row : {0, 1}) {
    window_->Table()->setCurrentIndex(Cell(row, PlanColumn::kQuantity));
    for (int c = 0; c < static_cast<int>(kPlanColumnCount); ++c) {
      SCOPED_TRACE(testing::Message() << "row " << row << " column " << c);
      EXPECT_EQ(Model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(),
                Editor().ColumnHeader(static_cast<PlanColumn>(c), static_cast<std::size_t>(row)));
    }
  }
  EXPECT_EQ(Model().headerData(static_cast<int>(PlanColumn::kDimension1), Qt::Horizontal, Qt::DisplayRole).toString(),
            QString::fromUtf8("Longueur"));
}

struct CellEdit {
  PlanColumn column;
  QVariant value;
  bool taken;
  const char* shown;  // the cell's text afterwards
};

TEST_F(PlanWindowTest, SetDataHandsEachEditToTheEditor) {
  const CellEdit edits[] = {
      {PlanColumn::kShape, ShapeIndex(PlanShape::kTube), true, "Tube"},
      {PlanColumn::kQuantity, "4", true, "4"},
      {PlanColumn::kDimension3, "1,5", true, "1,5"},
      {PlanColumn::kLabel, QString::fromUtf8("bouchon é"), true, "bouchon é"},
      {PlanColumn::kShape, 99, false, "Tube"},
      {PlanColumn::kRowArea, "1", false, ""},
  };
  for (const CellEdit& edit : edits) {
    SCOPED_TRACE(static_cast<int>(edit.column));
    EXPECT_EQ(Model().setData(Cell(0, edit.column), edit.value, Qt::EditRole), edit.taken);
    EXPECT_EQ(Cell(0, edit.column).data().toString(), QString::fromUtf8(edit.shown));
  }
  EXPECT_EQ(Editor().RowShape(0), PlanShape::kTube);
}

TEST_F(PlanWindowTest, DelegateChoosesAShapeAndCommitsEachKeystroke) {
  QTableView& table = *window_->Table();
  table.setCurrentIndex(Cell(0, PlanColumn::kShape));
  table.edit(Cell(0, PlanColumn::kShape));
  auto* list = table.viewport()->findChild<QComboBox*>();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), static_cast<int>(PlanShapes().size()));
  list->setCurrentIndex(ShapeIndex(PlanShape::kPlate));
  emit list->activated(list->currentIndex());
  EXPECT_EQ(Editor().RowShape(0), PlanShape::kPlate);

  table.setCurrentIndex(Cell(0, PlanColumn::kDimension1));
  table.edit(Cell(0, PlanColumn::kDimension1));
  auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(line, nullptr);
  for (const char* typed : {"1", "1,", "1,5"}) {
    QTest::keyClick(line, typed[std::strlen(typed) - 1]);
    EXPECT_EQ(Editor().CellText(0, PlanColumn::kDimension1), typed);  // the cell is still open
  }
  EXPECT_EQ(line->text(), QStringLiteral("1,5"));
  EXPECT_EQ(line->cursorPosition(), 3);
}

struct RowKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::vector<std::string> labels_after;  // from "a", "b" on row "a"
};

TEST_F(PlanWindowTest, RowKeysReachTheRowCommands) {
  const RowKey keys[] = {
      {"Insert", Qt::Key_Insert, {}, {"a", "", "b"}},
      {"Ctrl+D", Qt::Key_D, Qt::ControlModifier, {"a", "a", "b"}},
      {"Delete", Qt::Key_Delete, {}, {"b"}},
      {"Alt+Down", Qt::Key_Down, Qt::AltModifier, {"b", "a"}},
      {"Alt+Up on the first row", Qt::Key_Up, Qt::AltModifier, {"a", "b"}},
  };
  for (const RowKey& key : keys) {
    SCOPED_TRACE(key.name);
    qt::PlanWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    PlanEditor& editor = window.Document().Editor();
    editor.SetCellText(0, PlanColumn::kLabel, "a");
    editor.SetCellText(editor.AddRow(0), PlanColumn::kLabel, "b");
    auto& model = static_cast<qt::PlanTableModel&>(*window.Table()->model());
    model.Reload();
    window.Table()->setCurrentIndex(model.index(0, static_cast<int>(PlanColumn::kLabel)));
    window.Table()->setFocus();
    QTest::keyClick(window.Table(), key.key, key.modifiers);
    std::vector<std::string> labels;
    for (std::size_t row = 0; row < editor.RowCount(); ++row) labels.push_back(editor.CellText(row, PlanColumn::kLabel));
    EXPECT_EQ(labels, key.labels_after);
  }
}

TEST_F(PlanWindowTest, FieldsAndCopyReachTheEditor) {
  QLineEdit& rack = *window_->SettingField(PlanSetting::kRack);
  rack.setFocus();
  rack.clear();
  QTest::keyClicks(&rack, "2x");
  EXPECT_EQ(Editor().SettingText(PlanSetting::kRack), "2x");
  EXPECT_EQ(rack.palette().color(QPalette::Base), qt::RefusedFieldColor());
  EXPECT_EQ(rack.toolTip().toStdString(), Editor().SettingProblem(PlanSetting::kRack));
  QTest::keyClick(&rack, Qt::Key_Backspace);
  EXPECT_TRUE(rack.toolTip().isEmpty());

  window_->findChild<QPushButton*>(QStringLiteral("copy_run_sheet"))->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Editor().Results().RunSheetText());
}

TEST_F(PlanWindowTest, FileCommandsSaveOpenAndAsk) {
  QTemporaryDir folder;
  const QString name = folder.filePath(QString::fromUtf8("bain été"));
  TypeWorkedRows(Editor());
  static_cast<qt::PlanTableModel&>(Model()).Reload();

  AnswerNextModal([&](QWidget& dialog) { ChooseFile(dialog, name); });
  window_->Command("save_as")->trigger();
  EXPECT_TRUE(QFile::exists(name + ".anodplan"));
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Plan de bain \u2014 Anodisation \u2014 bain été.anodplan"));

  Editor().SetCellText(0, PlanColumn::kLabel, "autre");
  window_->Command("save")->trigger();  // ShowResults follows; title without "*"
  EXPECT_FALSE(window_->Document().Modified());

  Editor().SetCellText(0, PlanColumn::kLabel, "encore");
  static_cast<qt::PlanTableModel&>(Model()).AnnounceChange();
  AnswerNextModal([](QWidget& box) { ClickButton(box, "Annuler"); });
  EXPECT_FALSE(window_->close());
  AnswerNextModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
  window_->Command("new")->trigger();
  EXPECT_EQ(Editor().RowCount(), 2u);
  AnswerNextModal([](QWidget& box) { ClickButton(box, "Ne pas enregistrer"); });
  window_->Command("new")->trigger();
  EXPECT_EQ(Editor().RowCount(), 1u);

  AnswerNextModal([&](QWidget& dialog) { ChooseFile(dialog, name + ".anodplan"); });
  window_->Command("open")->trigger();
  EXPECT_EQ(Editor().CellText(0, PlanColumn::kLabel), "autre");
  EXPECT_EQ(window_->SettingField(PlanSetting::kRack)->text().toStdString(), Editor().SettingText(PlanSetting::kRack));
}

}  // namespace
}  // namespace anod
