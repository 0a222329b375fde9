// The calculators behind the compute buttons' operations, over a window of
// plain texts: the captions each writes, the failures and what the labels
// keep, recovery.
#include "app/calculator_wiring.h"
#include "app/main_window_run.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/codepage.h"
#include "column_examples.h"
#include "core/float_environment.h"
#include "fake_services.h"

namespace anod {
namespace {

using namespace testing_support;

// The window and the operations wired to it, as start-up wires them.
struct Wired final : MainWindowHost {
  FakeProgram program;
  FakeCalculatorWindow window;
  EventSender sender = nullptr;
  HandlerTable operations = CalculatorOperations(*this, program.reporter);

  void Build(std::span<const std::uint8_t>, const HandlerTable&) override {}
  CalculatorWindow& Window() override { return window; }
  EventSender Sender() override { return sender; }
  void Show(ShowRequest) override {}
  int RunLoop() override { return kExitNormal; }
  void Destroy() override {}
  void Fill(const Fields& fields) {
    for (const auto& [edit, text] : fields) window.texts[edit] = Utf8ToCp1252(text);
  }
  void Click(const char* operation) { operations.at(operation)(); }
  std::string Caption(const char* label) { return Cp1252ToUtf8(window.captions.at(label)); }
};

struct Request {
  const char* operation;
  ColumnExample column;
  friend void PrintTo(const Request& row, std::ostream* os) { *os << row.operation; }
};

class OperationTest : public testing::TestWithParam<Request> {};

TEST_P(OperationTest, RunsItsColumnsCalculatorAndLeavesTheOthers) {
  const ColumnExample& column = GetParam().column;
  Wired wired;
  wired.Fill(column.fields);
  wired.Click(GetParam().operation);

  EXPECT_TRUE(wired.program.boxes.shown.empty());
  EXPECT_EQ(wired.Caption(column.surface_label), column.surface);
  EXPECT_EQ(wired.Caption("Label19"), column.current);
  EXPECT_EQ(wired.window.caption_writes, 2) << "only the column's label and Label19";
  EXPECT_EQ(wired.window.calculated, std::vector<std::string>{GetParam().operation});
}

INSTANTIATE_TEST_SUITE_P(Operations, OperationTest,
                         testing::Values(Request{"btn1Click", kCylinder}, Request{"btn2Click", kBox},
                                         Request{"Button1Click", kSphere}, Request{"Button2Click", kPyramid}),
                         testing::PrintToStringParamName());

TEST(OperationTest, ASilentStopIsNoCalculation) {
  Wired wired;
  wired.Fill({{"Edit1", "0"}, {"edt1", "10"}});
  wired.Click("btn1Click");
  EXPECT_TRUE(wired.window.calculated.empty());
}

TEST(Label19Test, ShowsTheLatestCalculationOfAnyShape) {
  Wired wired;
  const Request steps[] = {
      {"btn1Click", kCylinder}, {"Button1Click", kSphere}, {"btn2Click", kBox}, {"btn1Click", kCylinder}};
  for (const Request& step : steps) wired.Fill(step.column.fields);
  for (const Request& step : steps) {
    SCOPED_TRACE(step.operation);
    wired.Click(step.operation);
    EXPECT_EQ(wired.Caption("Label19"), step.column.current);
  }
  for (const Request& step : steps) EXPECT_EQ(wired.Caption(step.column.surface_label), step.column.surface);
}

// A failing calculation after a good one in the same column: the box shows
// the French message titled with the application title; the labels keep
// what the failing run had written (or their earlier captions; which one
// each failure leaves is the calculators' own test).
struct FailureCase {
  const char* name;
  const char* operation;
  ColumnExample good;
  Fields bad;
  const char* message;
  const char* surface_after;  // null: the surface label keeps its caption
  friend void PrintTo(const FailureCase& row, std::ostream* os) { *os << row.name; }
};

class FailureFlowTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureFlowTest, BoxThenLabelsAsWrittenThenRecovery) {
  const FailureCase& row = GetParam();
  Wired wired;
  const char* surface_label = row.good.surface_label;
  wired.Fill(row.good.fields);
  wired.Click(row.operation);
  const std::string surface_before = wired.Caption(surface_label);
  const std::string current_before = wired.Caption("Label19");

  wired.Fill(row.bad);
  wired.Click(row.operation);
  ASSERT_EQ(wired.program.boxes.shown.size(), 1u);
  EXPECT_EQ(wired.program.boxes.shown[0].caption, "Outil");
  EXPECT_EQ(Cp1252ToUtf8(wired.program.boxes.shown[0].text), row.message);
  EXPECT_EQ(wired.Caption(surface_label), row.surface_after != nullptr ? row.surface_after : surface_before);
  EXPECT_EQ(wired.Caption("Label19"), current_before);
  EXPECT_EQ(ControlWordInForce(), DefaultControlWord());
  EXPECT_EQ(wired.window.calculated.size(), 1u) << "told of the good run only";

  // The same click fails the same way at once.
  wired.Click(row.operation);
  EXPECT_EQ(wired.program.boxes.shown.size(), 2u);

  // Ordinary input afterwards works as before the failure.
  wired.Fill(row.good.fields);
  wired.Click(row.operation);
  EXPECT_EQ(wired.program.boxes.shown.size(), 2u);
  EXPECT_EQ(wired.Caption(surface_label), surface_before);
  EXPECT_EQ(wired.Caption("Label19"), current_before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureFlowTest,
    testing::Values(
        FailureCase{"cylinder_radius_1e400", "btn1Click", kCylinder, {{"Edit1", "1e400"}},
                    "Débordement en virgule flottante.", nullptr},
        FailureCase{"sphere_radius_1e5120", "Button1Click", kSphere, {{"Edit2", "1e5120"}},
                    "Opération en virgule flottante incorrecte.", " +Inf Cm² "}), testing::PrintToStringParamName());

// The hook hears the host's sender: the window the click was on.
TEST(FailureFlowTest, HookHearsTheWindowAsSender) {
  Wired wired;
  int window_handle = 0;
  wired.sender = &window_handle;
  EventSender heard = nullptr;
  wired.program.reporter.SetHook([&](EventSender sender, const Exception&) { heard = sender; });
  wired.Fill({{"Edit1", "1e400"}, {"edt1", "10"}});
  wired.Click("btn1Click");
  EXPECT_EQ(heard, &window_handle);
}

}  // namespace
}  // namespace anod
