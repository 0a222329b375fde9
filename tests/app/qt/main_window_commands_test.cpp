// The main window's extra commands on Qt: the menu's ways in, the last
// calculation kept as the calculators write, and the planner opened from
// the menu adding it as a row. The planner itself: tests/ui/planner/qt.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QTableView>
#include <QTest>

#include "form_driver.h"
#include "plan/plan_shapes.h"
#include "tests/app/column_examples.h"
#include "ui/planner/qt/main_window_commands.h"
#include "ui/planner/qt/plan_window.h"

namespace anod {
namespace {

using namespace testing_support;

qt::MainWindowCommands& CommandsOf(qt::TForm1& form) { return *form.findChild<qt::MainWindowCommands*>(); }

struct CalculationCase {
  const char* button;
  const ColumnExample* column;
  const char* shape_key;
};

// Which part each calculator gives is the planner's own test; here each
// calculation, from a colored or a standard button, replaces the last.
TEST(MainWindowCommands, KeepsTheLastCalculation) {
  const CalculationCase cases[] = {{"VividButton1", &kCylinder, "cylindre"}, {"btn2", &kBox, "parallelepipede"}};
  FormDriver driver;
  EXPECT_FALSE(CommandsOf(driver.Form()).LastCalculation());
  for (const CalculationCase& c : cases) {
    SCOPED_TRACE(c.button);
    for (const auto& [edit, text] : c.column->fields) driver.Type(edit, QString::fromUtf8(text));
    driver.Click(c.button);
    const std::optional<CalculatedPart>& part = CommandsOf(driver.Form()).LastCalculation();
    ASSERT_TRUE(part);
    EXPECT_EQ(part->shape, PlanShapeByKey(c.shape_key)->shape);
    std::vector<std::string> typed;
    for (const auto& field : c.column->fields) typed.emplace_back(field.second);
    EXPECT_EQ(part->dimensions_cm, typed);
  }
}

// A calculation that stops (a zero cylinder radius) or fails before the
// current is no calculation to add.
TEST(MainWindowCommands, KeepsNothingFromACalculationThatDidNotGoThrough) {
  FormDriver driver;
  driver.Type("Edit1", QStringLiteral("0"));
  driver.Type("edt1", QStringLiteral("10"));
  driver.Click("VividButton1");
  EXPECT_FALSE(CommandsOf(driver.Form()).LastCalculation());
}

struct MenuWay {
  const char* name;
  std::function<void(FormDriver&)> act;
  bool opens;
};

TEST(MainWindowCommands, MenuOpensFromTheBackgroundAndItsKeys) {
  const MenuWay ways[] = {
      {"right click on a caption", [](FormDriver& d) {
         const Rect label = d.Form().Model().Find("Label19")->drawn->Bounds();  // painted on the window's surface
         const QPoint at = d.Form().Surface()->mapTo(&d.Form(), QPoint(label.left + 2, label.top + 2));
         QTest::mouseClick(d.Form().windowHandle(), Qt::RightButton, {}, at);
       }, true},
      {"menu key in an edit box", [](FormDriver& d) { d.Key("Edit1", Qt::Key_Menu); }, true},
      {"Shift+F10 in an edit box", [](FormDriver& d) {
         d.Click("Edit1");
         QTest::keyClick(d.Form().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
       }, true},
      {"right click on an edit box", [](FormDriver& d) {
         QTest::mouseClick(d.Form().windowHandle(), Qt::RightButton, {}, d.InWindow("Edit1", QPoint(-1, -1)));
       }, false},
  };
  for (const MenuWay& way : ways) {
    SCOPED_TRACE(way.name);
    FormDriver driver;
    QMenu& menu = CommandsOf(driver.Form()).Menu();
    way.act(driver);
    EXPECT_EQ(menu.isVisible(), way.opens);
    menu.hide();
    if (QWidget* other = QApplication::activePopupWidget()) other->close();
  }
}

TEST(MainWindowCommands, PlannerFromTheMenuAddsTheCalculatedPart) {
  FormDriver driver;
  qt::MainWindowCommands& commands = CommandsOf(driver.Form());
  QMenu& menu = commands.Menu();
  ASSERT_EQ(menu.actions().size(), 2);
  EXPECT_EQ(menu.actions()[0]->text(), QString::fromUtf8("Plan de bain\u2026"));
  EXPECT_EQ(menu.actions()[1]->text(), QString::fromUtf8("\u00c0 propos d'Anodisation\u2026"));

  menu.actions()[0]->trigger();
  qt::PlanWindow* planner = commands.Planner();
  ASSERT_NE(planner, nullptr);
  EXPECT_TRUE(planner->isVisible());
  EXPECT_FALSE(planner->Command("add_calculated")->isEnabled());

  for (const auto& [edit, text] : kCylinder.fields) driver.Type(edit, QString::fromUtf8(text));
  driver.Click("VividButton1");
  ASSERT_TRUE(planner->Command("add_calculated")->isEnabled());
  planner->Command("add_calculated")->trigger();
  const PlanEditor& editor = planner->Document().Editor();
  const std::size_t row = editor.RowCount() - 1;
  EXPECT_EQ(editor.RowShape(row), PlanShape::kCylinder);
  EXPECT_EQ(editor.CellText(row, PlanColumn::kDimension1), "3");
  EXPECT_EQ(editor.CellText(row, PlanColumn::kDimension2), "10");

  // Asked again, the same window comes to the front.
  menu.actions()[0]->trigger();
  EXPECT_EQ(commands.Planner(), planner);
}

TEST(MainWindowCommands, AboutBoxFromTheMenu) {
  FormDriver driver;
  QString caption, text;
  QTimer answer;  // answers the box from inside its own loop
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      caption = box->windowTitle();
      text = box->text();
      box->accept();
    }
  });
  answer.start(10);
  CommandsOf(driver.Form()).Menu().actions()[1]->trigger();
  EXPECT_EQ(caption, QString::fromUtf8(AboutCaption()));
  EXPECT_EQ(text, QString::fromStdString(AboutText()));
}

}  // namespace
}  // namespace anod
