// The wired main window on Qt, clicked and typed into: a standard and a
// colored button reach their calculator, also by quick clicks; a failure's
// box is found and answered. Which button runs which column is the window
// model's test, the captions and failure flows are tested without Qt, and
// the thin border and the keys on a standard button are the window's own.
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
INSTANTIATE_TEST_SUITE_P(ColoredAndStandard, ComputeButtonTest,
                         testing::Values(Request{"VividButton1", kCylinder}, Request{"btn2", kBox}),
                         testing::PrintToStringParamName());

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
