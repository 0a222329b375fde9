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
#include "core/float_environment.h"
#include "form_driver.h"
#include "ui/qt/application.h"
#include "ui/qt/startup.h"

namespace anod {
namespace {

using testing_support::BoxAnswerer;
using testing_support::FormDriver;

const QString kInitialSurface = QString::fromUtf8("                 Cm² ");
const QString kInitialCurrent = QStringLiteral("0 mA");
using Fields = std::vector<std::pair<const char*, const char*>>;

struct Request {
  const char* name;
  const char* button;
  Fields fields;
  const char* surface_label;
  const char* surface;
  const char* current;
  friend void PrintTo(const Request& row, std::ostream* os) { *os << row.name; }
};

void Fill(FormDriver& driver, const Fields& fields) {
  for (const auto& [edit, text] : fields) driver.Type(edit, QString::fromUtf8(text));
}

class ComputeButtonTest : public testing::TestWithParam<Request> {};

TEST_P(ComputeButtonTest, ClickRunsItsColumnsCalculator) {
  const Request& row = GetParam();
  FormDriver driver;
  Fill(driver, row.fields);
  BoxAnswerer answerer;
  driver.Click(row.button);

  EXPECT_TRUE(answerer.Boxes().empty());
  EXPECT_EQ(driver.Caption(row.surface_label), QString::fromUtf8(row.surface));
  EXPECT_EQ(driver.Caption("Label19"), QString::fromUtf8(row.current));
}

const Fields kCylinder{{"Edit1", "3"}, {"edt1", "10"}};
const Fields kBox{{"edt2", "2"}, {"edt3", "3"}, {"edt4", "4"}};
const Fields kSphere{{"Edit2", "2"}};
const Fields kPyramid{{"Edit5", "5"}, {"Edit6", "4"}};

INSTANTIATE_TEST_SUITE_P(
    BothButtonsOfEachColumn, ComputeButtonTest,
    testing::Values(
        // The typical request: 3 and 10 in the cylinder, the colored button.
        Request{"VividButton1_3_10", "VividButton1", kCylinder, "lbl4", " 244.92 Cm² ", "2450 mA "},
        Request{"btn1_3_10", "btn1", kCylinder, "lbl4", " 244.92 Cm² ", "2450 mA "},
        Request{"VividButton2_2_3_4", "VividButton2", kBox, "lbl10", " 52.00 Cm² ", "520 mA "},
        Request{"btn2_2_3_4", "btn2", kBox, "lbl10", " 52.00 Cm² ", "520 mA "},
        Request{"VividButton3_2", "VividButton3", kSphere, "Label8", " 50.24 Cm² ", "500 mA "},
        Request{"Button1_2", "Button1", kSphere, "Label8", " 50.24 Cm² ", "500 mA "},
        Request{"VividButton4_5_4", "VividButton4", kPyramid, "Label16", " 56.00 Cm² ", "560 mA "},
        Request{"Button2_5_4", "Button2", kPyramid, "Label16", " 56.00 Cm² ", "560 mA "}),
    [](const testing::TestParamInfo<Request>& info) { return info.param.name; });

// The standard buttons show a thin border around the colored ones (3, 4, 4
// and 5 pixels); a click there reaches the standard button.
struct BorderClick {
  const char* name;
  const char* button;
  QPoint local;
  Fields fields;
  const char* surface_label;
  const char* surface;
  friend void PrintTo(const BorderClick& row, std::ostream* os) { *os << row.name; }
};

class ThinBorderTest : public testing::TestWithParam<BorderClick> {};

TEST_P(ThinBorderTest, ClickInTheBorderRunsTheSameCalculator) {
  const BorderClick& row = GetParam();
  FormDriver driver;
  Fill(driver, row.fields);
  const QPoint at = driver.InWindow(row.button, row.local);
  ASSERT_EQ(driver.Form().childAt(at), driver.Control(row.button)) << "the point must be the border's";
  driver.Click(row.button, row.local);
  EXPECT_EQ(driver.Caption(row.surface_label), QString::fromUtf8(row.surface));
}

INSTANTIATE_TEST_SUITE_P(
    Borders, ThinBorderTest,
    testing::Values(BorderClick{"btn1_left", "btn1", {1, 16}, kCylinder, "lbl4", " 244.92 Cm² "},
                    BorderClick{"btn1_top", "btn1", {116, 1}, kCylinder, "lbl4", " 244.92 Cm² "},
                    BorderClick{"btn1_right", "btn1", {231, 16}, kCylinder, "lbl4", " 244.92 Cm² "},
                    BorderClick{"btn1_bottom", "btn1", {116, 31}, kCylinder, "lbl4", " 244.92 Cm² "},
                    BorderClick{"btn2_left", "btn2", {1, 16}, kBox, "lbl10", " 52.00 Cm² "},
                    BorderClick{"Button1_bottom", "Button1", {116, 31}, kSphere, "Label8", " 50.24 Cm² "},
                    BorderClick{"Button2_right", "Button2", {231, 16}, kPyramid, "Label16", " 56.00 Cm² "}),
    [](const testing::TestParamInfo<BorderClick>& info) { return info.param.name; });

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
  Fill(driver, kCylinder);
  driver.Key(row.button, row.key);
  EXPECT_EQ(driver.Caption("lbl4"), QString::fromUtf8(" 244.92 Cm² "));
  EXPECT_EQ(driver.Caption("Label19"), QStringLiteral("2450 mA "));
}

INSTANTIATE_TEST_SUITE_P(Keys, ButtonKeyTest,
                         testing::Values(KeyPress{"Space_on_btn1", "btn1", Qt::Key_Space},
                                         KeyPress{"Return_on_btn1", "btn1", Qt::Key_Return},
                                         KeyPress{"Enter_on_btn1", "btn1", Qt::Key_Enter}),
                         [](const testing::TestParamInfo<KeyPress>& info) { return info.param.name; });

// Enter in an edit box clicks nothing: no button of the window is a default one.
TEST(ButtonKeyTest, ReturnInAnEditBoxRunsNothing) {
  FormDriver driver;
  Fill(driver, kCylinder);
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

// A failing calculation after a good one in the same column: the box shows
// the French message titled with the application title; the labels keep
// what the failing run had written (or their earlier captions).
struct FailureCase {
  const char* name;
  const char* button;
  Fields good;
  Fields bad;
  const char* surface_label;
  const char* message;
  const char* surface_after;  // null: the surface label keeps its caption
  friend void PrintTo(const FailureCase& row, std::ostream* os) { *os << row.name; }
};

class FailureFlowTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureFlowTest, BoxThenLabelsAsWrittenThenRecovery) {
  const FailureCase& row = GetParam();
  FormDriver driver;
  Fill(driver, row.good);
  driver.Click(row.button);
  const QString surface_before = driver.Caption(row.surface_label);
  const QString current_before = driver.Caption("Label19");
  ASSERT_NE(surface_before, kInitialSurface);

  Fill(driver, row.bad);
  {
    BoxAnswerer answerer;
    driver.Click(row.button);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Outil"));
    EXPECT_EQ(answerer.Boxes()[0].text, QString::fromUtf8(row.message));
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Critical);
  }
  EXPECT_EQ(driver.Caption(row.surface_label),
            row.surface_after != nullptr ? QString::fromUtf8(row.surface_after) : surface_before);
  EXPECT_EQ(driver.Caption("Label19"), current_before);
  EXPECT_EQ(ControlWordInForce(), DefaultControlWord());
  EXPECT_TRUE(driver.Form().isActiveWindow());

  // The same click fails the same way at once.
  {
    BoxAnswerer answerer;
    driver.Click(row.button);
    EXPECT_EQ(answerer.Boxes().size(), 1u);
  }

  // Ordinary input afterwards works as before the failure.
  Fill(driver, row.good);
  BoxAnswerer none;
  driver.Click(row.button);
  EXPECT_TRUE(none.Boxes().empty());
  EXPECT_EQ(driver.Caption(row.surface_label), surface_before);
  EXPECT_EQ(driver.Caption("Label19"), current_before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureFlowTest,
    testing::Values(FailureCase{"cylinder_radius_1e400", "VividButton1", kCylinder, {{"Edit1", "1e400"}}, "lbl4",
                                "Débordement en virgule flottante.", nullptr}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// A failure the window catches itself (a picture failing while it paints)
// cannot open a box in the middle of the paint: the box follows the event.
TEST(FailureFlowTest, FailureCaughtWhilePaintingShowsItsBoxAfterTheEvent) {
  FormDriver driver;
  LoadControlWord(0x133F);
  BoxAnswerer answerer;
  driver.Form().ReportFailure(EOverflow("D\xE9" "bordement en virgule flottante"));
  EXPECT_EQ(ControlWordInForce(), DefaultControlWord()) << "reset at once";
  EXPECT_TRUE(answerer.Boxes().empty()) << "not inside the event";
  QCoreApplication::processEvents();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, QString::fromUtf8("Débordement en virgule flottante."));
}

}  // namespace
}  // namespace anod
