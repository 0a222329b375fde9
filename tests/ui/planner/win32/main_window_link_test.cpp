// The main window's ways into the planner on Win32, on the real main window:
// the two system menu commands, the calculation that becomes the planner's
// row, and the plan asked for before the main window closes.
#include "ui/planner/win32/main_window_link.h"

#include <gtest/gtest.h>

#include <string_view>

#include "app/calculator_wiring.h"
#include "app/win32/application.h"
#include "app/win32/main_window_host.h"
#include "core/calculators.h"
#include "core/codepage.h"
#include "pictures/jpeg_module.h"
#include "question_answerer.h"
#include "tests/support/win32/box_answerer.h"
#include "ui/form1_description.h"
#include "ui/planner/main_window_menu.h"
#include "ui/planner/win32/plan_window.h"
#include "ui/planner/win32/plan_window_ids.h"
#include "ui/planner/win32/wide_text.h"

namespace anod {
namespace {

class MainWindowLink : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterJPEGFormats(); }
  static void TearDownTestSuite() { UnregisterJPEGFormats(); }
  void SetUp() override {
    BuildMainWindow(host_, app_.Reporter(), Form1Description());
    link_ = std::make_unique<win32::MainWindowPlannerLink>(Form());
  }
  void TearDown() override {
    link_.reset();
    host_.Destroy();
  }
  win32::TForm1& Form() { return *host_.Form(); }
  void Calculate(const char* radius, const char* height) {
    SetWindowTextA(Form().ChildWindow("Edit1"), radius);
    SetWindowTextA(Form().ChildWindow("edt1"), height);
    RunCalculatorOnWindow(Form().Model(), CalculatorFor(Shape::kCylinder), app_.Reporter(), Form().Handle());
  }
  win32::PlanWindow& OpenPlanner() {
    SendMessageW(Form().Handle(), WM_SYSCOMMAND, win32::kPlanSystemCommand, 0);
    return *link_->Planner();
  }

  TApplication app_{"C:\\anodisation.exe"};
  Win32MainWindowHost host_{app_.Reporter()};
  std::unique_ptr<win32::MainWindowPlannerLink> link_;
};

TEST_F(MainWindowLink, SystemMenuEndsWithTheTwoCommands) {
  const HMENU menu = GetSystemMenu(Form().Handle(), FALSE);
  const int count = GetMenuItemCount(menu);
  const UINT commands[] = {win32::kPlanSystemCommand, win32::kAboutSystemCommand};
  ASSERT_EQ(MainWindowMenu().size(), 2u);
  for (int i = 0; i < 2; ++i) {
    wchar_t caption[64] = {};
    GetMenuStringW(menu, count - 2 + i, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(win32::Narrow(caption), MainWindowMenu()[static_cast<std::size_t>(i)].caption);
    EXPECT_EQ(GetMenuItemID(menu, count - 2 + i), commands[i]);
  }
}

TEST_F(MainWindowLink, PlanCommandOpensThePlannerThenBringsItForward) {
  ASSERT_EQ(link_->Planner(), nullptr);
  win32::PlanWindow& planner = OpenPlanner();
  EXPECT_TRUE(IsWindowVisible(planner.Handle()));
  EXPECT_EQ(win32::WindowTextUtf8(planner.Handle()), planner.Document().Title());
  EXPECT_EQ(&OpenPlanner(), &planner);
}

TEST_F(MainWindowLink, AboutCommandShowsTheAboutBox) {
  testing_support::BoxAnswerer box(Utf8ToCp1252(AboutCaption()));
  SendMessageW(Form().Handle(), WM_SYSCOMMAND, win32::kAboutSystemCommand, 0);
  box.Join();
  ASSERT_TRUE(box.Seen());
  const std::string about = Utf8ToCp1252(AboutText());
  EXPECT_EQ(box.Text().substr(0, box.Text().find('\r')), about.substr(0, about.find('\n')));
  EXPECT_EQ(box.Owner(), Form().Handle());
}

TEST_F(MainWindowLink, TheLastCalculationBecomesTheAddedRow) {
  win32::PlanWindow& planner = OpenPlanner();
  const HWND add = GetDlgItem(planner.Handle(), win32::plan_ids::kAddCalculated);
  EXPECT_FALSE(IsWindowEnabled(add)) << "nothing calculated yet";
  Calculate("0", "10");  // a silent stop calculates nothing
  EXPECT_FALSE(link_->LastCalculated().has_value());
  Calculate("3", "10");
  ASSERT_TRUE(link_->LastCalculated().has_value());
  EXPECT_EQ(link_->LastCalculated()->shape, PlanShape::kCylinder);
  EXPECT_EQ(link_->LastCalculated()->dimensions_cm, (std::vector<std::string>{"3", "10"}));
  EXPECT_TRUE(IsWindowEnabled(add));
  const std::size_t revision = planner.Document().Editor().Revision();
  SendMessageW(planner.Handle(), WM_COMMAND, MAKEWPARAM(win32::plan_ids::kAddCalculated, BN_CLICKED),
               reinterpret_cast<LPARAM>(add));
  EXPECT_GT(planner.Document().Editor().Revision(), revision);
  const std::size_t last = planner.Document().Editor().RowCount() - 1;
  EXPECT_EQ(planner.Document().Editor().RowShape(last), PlanShape::kCylinder);
  const HWND radius = GetDlgItem(planner.RowsPanel(), win32::plan_ids::Cell(last, PlanColumn::kDimension1));
  EXPECT_EQ(win32::WindowTextUtf8(radius), planner.Document().Editor().CellText(last, PlanColumn::kDimension1));
}

// The main window's loop takes messages as ANSI; a character beyond the ANSI
// code page typed into the planner (here by an input method, as WM_CHAR)
// must still reach it whole.
TEST_F(MainWindowLink, ThePlannerGetsWholeCharactersThroughTheMainLoop) {
  win32::PlanWindow& planner = OpenPlanner();
  const HWND label = GetDlgItem(planner.RowsPanel(), win32::plan_ids::Cell(0, PlanColumn::kLabel));
  for (const wchar_t c : std::wstring_view(L"\u03A9 \u20AC\u00E9")) PostMessageW(label, WM_CHAR, c, 1);
  PostQuitMessage(0);
  host_.RunLoop();
  EXPECT_EQ(planner.Document().Editor().CellText(0, PlanColumn::kLabel), "\u03A9 \u20AC\u00E9");
}

TEST_F(MainWindowLink, ClosingTheMainWindowAsksForThePlanFirst) {
  ShowWindow(Form().Handle(), SW_SHOWNA);
  win32::PlanWindow& planner = OpenPlanner();
  planner.Document().Editor().SetSettingText(PlanSetting::kRack, "20");
  {
    QuestionAnswerer answer(L"Annuler");
    SendMessageW(Form().Handle(), WM_CLOSE, 0, 0);
  }
  EXPECT_TRUE(IsWindowVisible(Form().Handle()));
  ASSERT_NE(link_->Planner(), nullptr);
  {
    QuestionAnswerer answer(L"Ne pas enregistrer");
    SendMessageW(Form().Handle(), WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(link_->Planner(), nullptr);
  EXPECT_FALSE(IsWindowVisible(Form().Handle()));
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the main window's end of the loop
}

}  // namespace
}  // namespace anod
