// The wired main window on Qt, clicked and typed into: both buttons of each
// column reach their calculator, through the thin border too, by keys and
// by quick clicks; a failure's box is found and answered. The captions and
// failure flows themselves are tested without Qt.
#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <utility>
#include <vector>

#include "box_answerer.h"
#include "form_driver.h"
#include "tests/app/column_examples.h"
#include "app/qt/application.h"
#include "app/qt/startup.h"

namespace anod {
namespace {

using namespace testing_support;

const QString kInitialSurface = QString::fromUtf8("                 Cm² ");

struct Request {
  const char* button;
  ColumnExample column;
  friend void PrintTo(const Request& row, std::ostream* os) { *os << row.button; }
};

void Fill(FormDriver& driver, const Fields& fields) {
  for (const auto& [edit, text] : fields) driver.Type(edit, QString::fromUtf8(text));
}

class ComputeButtonTest : public testing::TestWithParam<Request> {};

TEST_P(ComputeButtonTest, ClickRunsItsColumnsCalculator) {
  const ColumnExample& column = GetParam().column;
  FormDriver driver;
  Fill(driver, column.fields);
  BoxAnswerer answerer;
  driver.Click(GetParam().button);

  EXPECT_TRUE(answerer.Boxes().empty());
  EXPECT_EQ(driver.Caption(column.surface_label), QString::fromUtf8(column.surface));
  EXPECT_EQ(driver.Caption("Label19"), QString::fromUtf8(column.current));
}

// The typical request first: 3 and 10 in the cylinder, the colored button.
INSTANTIATE_TEST_SUITE_P(
    BothButtonsOfEachColumn, ComputeButtonTest,
    testing::Values(Request{"VividButton1", kCylinder}, Request{"btn1", kCylinder}, Request{"VividButton2", kBox},
                    Request{"btn2", kBox}, Request{"VividButton3", kSphere}, Request{"Button1", kSphere},
                    Request{"VividButton4", kPyramid}, Request{"Button2", kPyramid}),
    testing::PrintToStringParamName());

// The standard buttons show a thin border around the colored ones (3, 4, 4
// and 5 pixels); a click there reaches the standard button.
struct BorderClick {
  const char* name;
  const char* button;
  QPoint local;
  ColumnExample column;
  friend void PrintTo(const BorderClick& row, std::ostream* os) { *os << row.name; }
};

class ThinBorderTest : public testing::TestWithParam<BorderClick> {};

TEST_P(ThinBorderTest, ClickInTheBorderRunsTheSameCalculator) {
  const BorderClick& row = GetParam();
  FormDriver driver;
  Fill(driver, row.column.fields);
  const QPoint at = driver.InWindow(row.button, row.local);
  ASSERT_EQ(driver.Form().childAt(at), driver.Control(row.button)) << "the point must be the border's";
  driver.Click(row.button, row.local);
  EXPECT_EQ(driver.Caption(row.column.surface_label), QString::fromUtf8(row.column.surface));
}

INSTANTIATE_TEST_SUITE_P(
    Borders, ThinBorderTest,
    testing::Values(BorderClick{"btn1_left", "btn1", {1, 16}, kCylinder},
                    BorderClick{"btn1_top", "btn1", {116, 1}, kCylinder},
                    BorderClick{"btn1_right", "btn1", {231, 16}, kCylinder},
                    BorderClick{"btn1_bottom", "btn1", {116, 31}, kCylinder},
                    BorderClick{"btn2_left", "btn2", {1, 16}, kBox},
                    BorderClick{"Button1_bottom", "Button1", {116, 31}, kSphere},
                    BorderClick{"Button2_right", "Button2", {231, 16}, kPyramid}), testing::PrintToStringParamName());

struct KeyPress {
  const char* name;
  const char* button;
  Qt::Key key;
  friend void PrintTo(const KeyPress& row, std::ostream* os) { *os << row.name; }
};

class ButtonKeyTest : public testing::TestWithParam<KeyPress> {};

TEST_P(ButtonKeyTest, KeyOnFocusedStandardButtonRunsItsCalculator) {
  const KeyPress& row = GetParam();
  FormDriver driver;
  Fill(driver, kCylinder.fields);
  driver.Key(row.button, row.key);
  EXPECT_EQ(driver.Caption("lbl4"), QString::fromUtf8(kCylinder.surface));
  EXPECT_EQ(driver.Caption("Label19"), QString::fromUtf8(kCylinder.current));
}

INSTANTIATE_TEST_SUITE_P(Keys, ButtonKeyTest,
                         testing::Values(KeyPress{"Space_on_btn1", "btn1", Qt::Key_Space},
                                         KeyPress{"Return_on_btn1", "btn1", Qt::Key_Return},
                                         KeyPress{"Enter_on_btn1", "btn1", Qt::Key_Enter}),
                         testing::PrintToStringParamName());

// Enter in an edit box clicks nothing: no button of the window is a default one.
TEST(ButtonKeyTest, ReturnInAnEditBoxRunsNothing) {
  FormDriver driver;
  Fill(driver, kCylinder.fields);
  QTest::keyClick(driver.Control("edt1"), Qt::Key_Return);
  EXPECT_EQ(driver.Caption("lbl4"), kInitialSurface);
}

class QuickClicksTest : public testing::TestWithParam<const char*> {};

// The failure hook counts the runs: each run of "1e400" fails once.
TEST_P(QuickClicksTest, TwoQuickClicksRunTheCalculatorTwice) {
  FormDriver driver;
  driver.Type("Edit1", "1e400");
  driver.Type("edt1", "10");
  int runs = 0;
  Application()->Reporter().SetHook([&](EventSender, const Exception&) { ++runs; });
  driver.DoubleClick(GetParam());
  Application()->Reporter().SetHook({});
  EXPECT_EQ(runs, 2);

  // With good input the second run writes the same captions again.
  driver.Type("Edit1", "3");
  driver.DoubleClick(GetParam());
  EXPECT_EQ(driver.Caption("lbl4"), QString::fromUtf8(" 244.92 Cm² "));
  EXPECT_EQ(driver.Caption("Label19"), QStringLiteral("2450 mA "));
}

INSTANTIATE_TEST_SUITE_P(Buttons, QuickClicksTest, testing::Values("VividButton1", "btn1"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// A failing click: the box is found and answered, then the window is
// active again and takes the next click.
TEST(FailureFlowTest, BoxThenTheWindowGoesOn) {
  FormDriver driver;
  driver.Type("Edit1", "1e400");
  driver.Type("edt1", "10");
  {
    BoxAnswerer answerer;
    driver.Click("VividButton1");
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Outil"));
    EXPECT_EQ(answerer.Boxes()[0].text, QString::fromUtf8("Débordement en virgule flottante."));
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Critical);
  }
  EXPECT_TRUE(driver.Form().isActiveWindow());
  driver.Type("Edit1", "3");
  driver.Click("VividButton1");
  EXPECT_EQ(driver.Caption("lbl4"), QString::fromUtf8(" 244.92 Cm² "));
}

// A failure the window catches itself (a picture failing while it paints)
// cannot open a box in the middle of the paint: the box follows the event.
TEST(FailureFlowTest, FailureCaughtWhilePaintingShowsItsBoxAfterTheEvent) {
  FormDriver driver;
  BoxAnswerer answerer;
  driver.Form().Model().ReportFailure(EOverflow("D\xE9" "bordement en virgule flottante"));
  EXPECT_TRUE(answerer.Boxes().empty()) << "not inside the event";
  QCoreApplication::processEvents();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, QString::fromUtf8("Débordement en virgule flottante."));
}

}  // namespace
}  // namespace anod
