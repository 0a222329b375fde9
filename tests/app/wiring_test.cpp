// The calculators behind the compute buttons' operations, over a window of
// plain texts: the captions each writes, the failures and what the labels
// keep, recovery.
#include "ui/calculator_wiring.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/codepage.h"
#include "core/float_environment.h"
#include "fake_services.h"

namespace anod {
namespace {

using testing_support::FakeCalculatorWindow;
using testing_support::FakeProgram;

using Fields = std::vector<std::pair<const char*, const char*>>;  // UTF-8 texts

const Fields kCylinder{{"Edit1", "3"}, {"edt1", "10"}};
const Fields kBox{{"edt2", "2"}, {"edt3", "3"}, {"edt4", "4"}};
const Fields kSphere{{"Edit2", "2"}};
const Fields kPyramid{{"Edit5", "5"}, {"Edit6", "4"}};

// The window and the operations wired to it, as start-up wires them.
struct Wired {
  FakeProgram program;
  FakeCalculatorWindow window;
  std::shared_ptr<CalculatorTarget> target = std::make_shared<CalculatorTarget>();
  OperationTable operations = CalculatorOperations(target, program.reporter);

  Wired() { target->window = &window; }
  void Fill(const Fields& fields) {
    for (const auto& [edit, text] : fields) window.texts[edit] = Utf8ToCp1252(text);
  }
  void Click(const char* operation) { operations.at(operation)(); }
  std::string Caption(const char* label) { return Cp1252ToUtf8(window.captions.at(label)); }
};

struct Request {
  const char* operation;
  Fields fields;
  const char* surface_label;
  const char* surface;
  const char* current;
  friend void PrintTo(const Request& row, std::ostream* os) { *os << row.operation; }
};

class OperationTest : public testing::TestWithParam<Request> {};

TEST_P(OperationTest, RunsItsColumnsCalculatorAndLeavesTheOthers) {
  const Request& row = GetParam();
  Wired wired;
  wired.Fill(row.fields);
  wired.Click(row.operation);

  EXPECT_TRUE(wired.program.boxes.shown.empty());
  EXPECT_EQ(wired.Caption(row.surface_label), row.surface);
  EXPECT_EQ(wired.Caption("Label19"), row.current);
  EXPECT_EQ(wired.window.caption_writes, 2) << "only the column's label and Label19";
}

INSTANTIATE_TEST_SUITE_P(
    Operations, OperationTest,
    testing::Values(Request{"btn1Click", kCylinder, "lbl4", " 244.92 Cm² ", "2450 mA "},
                    Request{"btn2Click", kBox, "lbl10", " 52.00 Cm² ", "520 mA "},
                    Request{"Button1Click", kSphere, "Label8", " 50.24 Cm² ", "500 mA "},
                    Request{"Button2Click", kPyramid, "Label16", " 56.00 Cm² ", "560 mA "}),
    [](const testing::TestParamInfo<Request>& info) { return info.param.operation; });

TEST(OperationTest, NothingRunsBeforeTheWindowIsBuilt) {
  Wired wired;
  wired.target->window = nullptr;
  wired.Fill(kCylinder);
  wired.Click("btn1Click");
  EXPECT_EQ(wired.window.caption_writes, 0);
}

TEST(Label19Test, ShowsTheLatestCalculationOfAnyShape) {
  Wired wired;
  wired.Fill(kCylinder);
  wired.Fill(kSphere);
  wired.Fill(kBox);
  const std::pair<const char*, const char*> steps[] = {
      {"btn1Click", "2450 mA "}, {"Button1Click", "500 mA "}, {"btn2Click", "520 mA "}, {"btn1Click", "2450 mA "}};
  for (const auto& [operation, current] : steps) {
    SCOPED_TRACE(operation);
    wired.Click(operation);
    EXPECT_EQ(wired.Caption("Label19"), current);
  }
  EXPECT_EQ(wired.Caption("lbl4"), " 244.92 Cm² ");
  EXPECT_EQ(wired.Caption("Label8"), " 50.24 Cm² ");
  EXPECT_EQ(wired.Caption("lbl10"), " 52.00 Cm² ");
}

// A failing calculation after a good one in the same column: the box shows
// the French message titled with the application title; the labels keep
// what the failing run had written (or their earlier captions).
struct FailureCase {
  const char* name;
  const char* operation;
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
  Wired wired;
  wired.Fill(row.good);
  wired.Click(row.operation);
  const std::string surface_before = wired.Caption(row.surface_label);
  const std::string current_before = wired.Caption("Label19");

  wired.Fill(row.bad);
  wired.Click(row.operation);
  ASSERT_EQ(wired.program.boxes.shown.size(), 1u);
  EXPECT_EQ(wired.program.boxes.shown[0].caption, "Outil");
  EXPECT_EQ(Cp1252ToUtf8(wired.program.boxes.shown[0].text), row.message);
  EXPECT_EQ(wired.Caption(row.surface_label), row.surface_after != nullptr ? row.surface_after : surface_before);
  EXPECT_EQ(wired.Caption("Label19"), current_before);
  EXPECT_EQ(ControlWordInForce(), DefaultControlWord());

  // The same click fails the same way at once.
  wired.Click(row.operation);
  EXPECT_EQ(wired.program.boxes.shown.size(), 2u);

  // Ordinary input afterwards works as before the failure.
  wired.Fill(row.good);
  wired.Click(row.operation);
  EXPECT_EQ(wired.program.boxes.shown.size(), 2u);
  EXPECT_EQ(wired.Caption(row.surface_label), surface_before);
  EXPECT_EQ(wired.Caption("Label19"), current_before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureFlowTest,
    testing::Values(
        FailureCase{"cylinder_radius_1e400", "btn1Click", kCylinder, {{"Edit1", "1e400"}}, "lbl4",
                    "Débordement en virgule flottante.", nullptr},
        FailureCase{"sphere_radius_1e5120", "Button1Click", kSphere, {{"Edit2", "1e5120"}}, "Label8",
                    "Opération en virgule flottante incorrecte.", " +Inf Cm² "},
        FailureCase{"sphere_radius_1e10", "Button1Click", kSphere, {{"Edit2", "1e10"}}, "Label8",
                    "Opération en virgule flottante incorrecte.", " 1256000000000000000000.00 Cm² "},
        FailureCase{"cylinder_radius_1_5_with_comma", "btn1Click", kCylinder, {{"Edit1", "1,5"}}, "lbl4",
                    "Valeur incorrecte pour « Rayon » (CYLINDRE) : « 1,5 » — le séparateur décimal est le point : « 1.5 ».",
                    nullptr},
        FailureCase{"box_width_minus_2", "btn2Click", kBox, {{"edt4", "-2"}}, "lbl10",
                    "Valeur négative pour « Largeur » (PARALLELEPIPEDE) : « -2 ».", nullptr}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// The hook hears the target's sender: the window the click was on.
TEST(FailureFlowTest, HookHearsTheWindowAsSender) {
  Wired wired;
  int window_handle = 0;
  wired.target->sender = &window_handle;
  EventSender heard = nullptr;
  wired.program.reporter.SetHook([&](EventSender sender, const Exception&) { heard = sender; });
  wired.Fill({{"Edit1", "1e400"}, {"edt1", "10"}});
  wired.Click("btn1Click");
  EXPECT_EQ(heard, &window_handle);
}

}  // namespace
}  // namespace anod
