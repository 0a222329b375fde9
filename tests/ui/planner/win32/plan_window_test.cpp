// The planner's window on Win32, driven with window messages as the user's
// typing and clicks send them: each control's change reaches the model as
// the matching call, and the model's texts come back into the controls.
// What the model does with them is the model's own tests' business.
#include "ui/planner/win32/plan_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "plan/plan_shapes.h"
#include "question_answerer.h"
#include "ui/planner/win32/plan_window_ids.h"
#include "ui/planner/win32/wide_text.h"

namespace anod {
namespace {

namespace ids = win32::plan_ids;
using win32::Narrow;
using win32::PlanWindow;
using win32::Widen;
using win32::WindowsLines;
using win32::WindowTextUtf8;

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

class PlanWindowShell : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(window_.Handle(), nullptr);
    window_.Show(SW_SHOWNORMAL);
    Pump();
  }

  PlanEditor& Editor() { return window_.Document().Editor(); }
  HWND Cell(std::size_t row, PlanColumn column) { return GetDlgItem(window_.RowsPanel(), ids::Cell(row, column)); }
  HWND Item(int id) { return GetDlgItem(window_.Handle(), id); }
  HWND Setting(PlanSetting setting) { return Item(ids::kSetting + static_cast<int>(setting)); }
  // An edit box sends EN_CHANGE for a new text, as for a key typed.
  void Type(HWND edit, const std::wstring& text) { SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
  void Choose(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  }
  void Do(int command) { SendMessageW(window_.Handle(), WM_COMMAND, command, 0); }
  void Key(WPARAM key) {
    MSG m{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
    if (!window_.PreTranslate(m)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    Pump();
  }
  void TypeWorkedExample() {
    Choose(Cell(0, PlanColumn::kShape), static_cast<int>(PlanShape::kTube));
    Type(Cell(0, PlanColumn::kQuantity), L"4");
    Type(Cell(0, PlanColumn::kDimension1), L"2");
    Type(Cell(0, PlanColumn::kDimension2), L"1,5");
    Type(Cell(0, PlanColumn::kDimension3), L"10");
    Do(ids::kAddRow);
    Choose(Cell(1, PlanColumn::kShape), static_cast<int>(PlanShape::kPlate));
    Type(Cell(1, PlanColumn::kQuantity), L"2");
    Type(Cell(1, PlanColumn::kDimension1), L"10");
    Type(Cell(1, PlanColumn::kDimension2), L"5");
    Type(Cell(1, PlanColumn::kDimension3), L"0,2");
    Type(Setting(PlanSetting::kRack), L"20");
    Choose(Item(ids::kDensityUnit), static_cast<int>(DensityUnit::kAmpPerDm2));
    Type(Setting(PlanSetting::kDensity), L"1,5");
    Type(Setting(PlanSetting::kThickness), L"15");
    Type(Setting(PlanSetting::kSupply), L"10");
  }

  PlanWindow window_;
};

// ----- Messages in, model calls out -----

struct TypedRow {
  const char* name;
  int column;   // a cell of row 0, or -1
  int setting;  // a field beside the table, or -1
  std::wstring typed;
};

const TypedRow kTyped[] = {
    {"quantity", static_cast<int>(PlanColumn::kQuantity), -1, L"4"},
    {"dimension_with_comma", static_cast<int>(PlanColumn::kDimension1), -1, L"1,5"},
    {"refused_dimension", static_cast<int>(PlanColumn::kDimension2), -1, L"1,5x"},
    {"label_beyond_ansi", static_cast<int>(PlanColumn::kLabel), -1, L"bouchon \u00AB t\u00EAte \u00BB \u2264 \u03A9"},
    {"rack", -1, static_cast<int>(PlanSetting::kRack), L"20"},
    {"supply_emptied", -1, static_cast<int>(PlanSetting::kSupply), L""},
    {"time", -1, static_cast<int>(PlanSetting::kTime), L"12,5"},
};

class TypedTexts : public PlanWindowShell, public testing::WithParamInterface<TypedRow> {};

TEST_P(TypedTexts, ReachTheModelAsUtf8) {
  const TypedRow& row = GetParam();
  const std::string utf8 = Narrow(row.typed);
  if (row.column >= 0) {
    const auto column = static_cast<PlanColumn>(row.column);
    Type(Cell(0, column), L"7");  // a change first, so that even "" is one
    Type(Cell(0, column), row.typed);
    EXPECT_EQ(Editor().CellText(0, column), utf8);
  } else {
    const auto setting = static_cast<PlanSetting>(row.setting);
    Type(Setting(setting), L"7");
    Type(Setting(setting), row.typed);
    EXPECT_EQ(Editor().SettingText(setting), utf8);
  }
  EXPECT_TRUE(window_.Document().Modified());
  EXPECT_EQ(WindowTextUtf8(window_.Handle()), window_.Document().Title());
}

INSTANTIATE_TEST_SUITE_P(Planner, TypedTexts, testing::ValuesIn(kTyped),
                         [](const testing::TestParamInfo<TypedRow>& info) { return std::string(info.param.name); });

TEST_F(PlanWindowShell, DropDownListsSetTheShapeAndTheUnits) {
  Choose(Cell(0, PlanColumn::kShape), static_cast<int>(PlanShape::kTruncatedCone));
  EXPECT_EQ(Editor().RowShape(0), PlanShape::kTruncatedCone);
  Choose(Item(ids::kLengthUnit), static_cast<int>(LengthUnit::kMillimetre));
  EXPECT_EQ(Editor().GetLengthUnit(), LengthUnit::kMillimetre);
  Choose(Item(ids::kDensityUnit), static_cast<int>(DensityUnit::kAmpPerFt2));
  EXPECT_EQ(Editor().GetDensityUnit(), DensityUnit::kAmpPerFt2);
}

struct CommandRow {
  const char* name;
  int command;
  std::size_t rows_after;        // from two rows labelled "a" and "b", the second current
  std::vector<std::string> labels;
};

const CommandRow kCommands[] = {
    {"add", ids::kAddRow, 3, {"a", "b", ""}},
    {"duplicate", ids::kDuplicateRow, 3, {"a", "b", "b"}},
    {"remove", ids::kRemoveRow, 1, {"a"}},
    {"move_up", ids::kMoveUp, 2, {"b", "a"}},
    {"move_down_at_the_end", ids::kMoveDown, 2, {"a", "b"}},
};

class RowCommands : public PlanWindowShell, public testing::WithParamInterface<CommandRow> {};

TEST_P(RowCommands, ActOnTheFocusedRow) {
  const CommandRow& row = GetParam();
  Type(Cell(0, PlanColumn::kLabel), L"a");
  Do(ids::kAddRow);
  Type(Cell(1, PlanColumn::kLabel), L"b");
  SetFocus(Cell(1, PlanColumn::kLabel));
  Do(row.command);
  ASSERT_EQ(Editor().RowCount(), row.rows_after);
  for (std::size_t r = 0; r < row.labels.size(); ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Editor().CellText(r, PlanColumn::kLabel), row.labels[r]);
    EXPECT_EQ(WindowTextUtf8(Cell(r, PlanColumn::kLabel)), row.labels[r]);
  }
  EXPECT_EQ(Cell(row.rows_after, PlanColumn::kLabel), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Planner, RowCommands, testing::ValuesIn(kCommands),
                         [](const testing::TestParamInfo<CommandRow>& info) { return std::string(info.param.name); });

// ----- The model's texts back in the controls -----

TEST_F(PlanWindowShell, ShowsTheModelsTextsWhereTheyBelong) {
  TypeWorkedExample();
  const PlanEditor& editor = Editor();
  const LoadSummary& load = editor.Results().load;
  EXPECT_EQ(WindowTextUtf8(Item(ids::kResultArea)), load.area);
  EXPECT_EQ(WindowTextUtf8(Item(ids::kResultCurrent)), load.current);
  EXPECT_EQ(WindowTextUtf8(Item(ids::kResultTime)), load.time);
  EXPECT_EQ(WindowTextUtf8(Item(ids::kResultSupply)), load.supply);
  ASSERT_EQ(load.supply_advice.size(), 2u);
  EXPECT_EQ(WindowTextUtf8(Item(ids::kResultAdvice)), load.supply_advice[0] + "\r\n" + load.supply_advice[1]);
  EXPECT_TRUE(IsWindowVisible(Item(ids::kWarningIcon)));
  EXPECT_EQ(Narrow(Widen(WindowTextUtf8(Item(ids::kRunSheet)))), Narrow(WindowsLines(editor.Results().RunSheetText())));
  for (std::size_t r = 0; r < 2; ++r) {
    EXPECT_EQ(WindowTextUtf8(Cell(r, PlanColumn::kPartArea)), editor.CellText(r, PlanColumn::kPartArea));
    EXPECT_EQ(WindowTextUtf8(Cell(r, PlanColumn::kRowArea)), editor.CellText(r, PlanColumn::kRowArea));
  }
  // The headers follow the row the focus is on.
  SetFocus(Cell(0, PlanColumn::kDimension1));
  EXPECT_EQ(WindowTextUtf8(Item(ids::kHeader + static_cast<int>(PlanColumn::kDimension1))),
            editor.ColumnHeader(PlanColumn::kDimension1, 0));
  SetFocus(Cell(1, PlanColumn::kDimension1));
  EXPECT_EQ(WindowTextUtf8(Item(ids::kHeader + static_cast<int>(PlanColumn::kDimension1))),
            editor.ColumnHeader(PlanColumn::kDimension1, 1));
}

TEST_F(PlanWindowShell, MarksARefusedFieldAndListsItsMessage) {
  TypeWorkedExample();
  const HWND inner = Cell(0, PlanColumn::kDimension2);
  const HDC dc = GetDC(inner);
  const LRESULT plain = SendMessageW(window_.RowsPanel(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(inner));
  Type(inner, L"1,5x");
  const LRESULT marked = SendMessageW(window_.RowsPanel(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(inner));
  EXPECT_NE(marked, plain);
  EXPECT_EQ(GetBkColor(dc), RGB(255, 214, 214));
  ReleaseDC(inner, dc);
  const std::vector<std::string>& problems = Editor().Results().problems;
  ASSERT_EQ(SendMessageW(Item(ids::kProblems), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(problems.size()));
  ASSERT_FALSE(problems.empty());
  wchar_t first[512] = {};
  SendMessageW(Item(ids::kProblems), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_EQ(Narrow(first), problems[0]);
  EXPECT_EQ(WindowTextUtf8(Item(ids::kResultProblem)), Editor().Results().load.problem);
  EXPECT_EQ(WindowTextUtf8(Cell(1, PlanColumn::kRowArea)), Editor().CellText(1, PlanColumn::kRowArea));
}

// ----- Keys -----

TEST_F(PlanWindowShell, TableKeysMoveBetweenRowsAndEscapeGivesTheTextBack) {
  Do(ids::kAddRow);
  const HWND quantity = Cell(0, PlanColumn::kQuantity);
  SetFocus(quantity);
  const std::string before = Editor().CellText(0, PlanColumn::kQuantity);
  Type(quantity, L"12");
  Key(VK_ESCAPE);
  EXPECT_EQ(Editor().CellText(0, PlanColumn::kQuantity), before);
  Key(VK_RETURN);
  EXPECT_EQ(GetFocus(), Cell(1, PlanColumn::kQuantity));
  Key(VK_UP);
  EXPECT_EQ(GetFocus(), quantity);
  Key(VK_F2);
  DWORD start = 0, end = 0;
  SendMessageW(quantity, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, static_cast<DWORD>(GetWindowTextLengthW(quantity)));
  EXPECT_EQ(end, start);
}

// ----- The unsaved question -----

TEST_F(PlanWindowShell, ClosingWithChangesAsksWithThreeButtons) {
  Type(Setting(PlanSetting::kRack), L"20");
  {
    QuestionAnswerer answer(L"Annuler");
    SendMessageW(window_.Handle(), WM_CLOSE, 0, 0);
    std::vector<std::wstring> texts = answer.Texts();
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Annuler", L"Enregistrer", L"Ne pas enregistrer"}));
  }
  ASSERT_NE(window_.Handle(), nullptr);
  {
    QuestionAnswerer answer(L"Annuler");
    EXPECT_EQ(SendMessageW(window_.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  }
  {
    QuestionAnswerer answer(L"Ne pas enregistrer");
    SendMessageW(window_.Handle(), WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(window_.Handle(), nullptr);
}

}  // namespace
}  // namespace anod
