// The button's model without a toolkit: defaults, setter rules (repaint or
// only store), the font rule for rotated captions, glyph sources, parent
// values, and input as plain events (pointer, presses, keys, repeated clicks
// on a hand-driven clock, the drop-down, the modal result).
#include "widgets/vivid_button_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/failures.h"
#include "tests/widgets/fake_button.h"
#include "tests/widgets/main_window_button.h"
#include "tests/widgets/manual_timers.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

using testing_support::FakeButton;
using testing_support::ManualTimers;
using testing_support::SetUpAsMainWindowButton;

TEST(TVividButtonTest, StartsWithTheDefaults) {
  FakeButton b;
  EXPECT_EQ(b.ButtonStyle(), ubsWin40);
  EXPECT_EQ(b.Color(), clBtnFace);  // ParentColor: the parent's colour
  EXPECT_TRUE(b.ParentColor());
  EXPECT_TRUE(b.ParentFont());
  EXPECT_EQ(b.NumGlyphs(), 1);
  EXPECT_TRUE(b.Glyph().Empty());
  EXPECT_EQ(b.ImageList(), nullptr);
  EXPECT_EQ(b.ImageIndex(), 0);
  EXPECT_EQ(b.ListIndex(), 0);
  EXPECT_TRUE(b.UseCaption());
  EXPECT_FALSE(b.MultiLine());
  EXPECT_TRUE(b.HideHint());
  EXPECT_FALSE(b.RepeatedClick());
  EXPECT_EQ(b.RepeatingDelay(), 500);
  EXPECT_EQ(b.RepeatingInterval(), 100);
  EXPECT_FALSE(b.UseGlobalTimer());
  EXPECT_TRUE(b.CtlXP());
  EXPECT_EQ(b.DropDownIndent(), 0);
  EXPECT_FALSE(b.DropDownRight());
  EXPECT_FALSE(b.Default());
  EXPECT_FALSE(b.Cancel());
  EXPECT_EQ(b.ModalResult(), 0);
  EXPECT_FALSE(b.MouseInside());
  EXPECT_EQ(b.PaintState(), ButtonDrawState::Normal);
  EXPECT_FALSE(b.IsActive());
  EXPECT_FALSE(b.DroppingDown());
  EXPECT_EQ(b.RepeatTimer(), nullptr);
  EXPECT_EQ(b.ButtonLayout().Alignment(), agCenter);
  EXPECT_EQ(b.FontFX().Style(), tdNone);
}

TEST(TVividButtonTest, ColorWithoutParentColourIsClWindow) {
  FakeButton b;
  b.SetParentColor(false);
  b.SetParentColor(true);
  b.parent_color = clNavy;
  EXPECT_EQ(b.Color(), clNavy);
  b.SetColor(clBlack);
  EXPECT_FALSE(b.ParentColor());
  EXPECT_EQ(b.Color(), clBlack);
  FakeButton alone;
  alone.SetParentColor(false);
  EXPECT_EQ(alone.Color(), clBtnFace);  // the colour it showed is kept
}

TEST(TVividButtonTest, FontFollowsTheParentUntilSet) {
  const FontSpec parent_font{"Arial", -13, false, true};
  FakeButton b;
  b.parent_font = parent_font;
  EXPECT_EQ(b.Font(), parent_font);
  b.SetFont(parent_font);  // the same font: no change
  EXPECT_TRUE(b.ParentFont());
  FontSpec lime = parent_font;
  lime.color = clLime;
  b.SetFont(lime);
  EXPECT_FALSE(b.ParentFont());
  EXPECT_EQ(b.Font(), lime);
}

TEST(TVividButtonTest, CaptionEffectChangesMakeParentFontFalse) {
  FakeButton b;
  b.FontFX().SetStyle(tdShadow);
  EXPECT_FALSE(b.ParentFont());
}

TEST(TVividButtonTest, AssigningSettingsCopiesIntoTheOwnedObjects) {
  FakeButton b;
  const TVividButtonLayout* owned = &b.ButtonLayout();
  TVividButtonLayout layout;
  layout.SetSpacing(1);
  b.SetButtonLayout(layout);
  EXPECT_EQ(&b.ButtonLayout(), owned);
  EXPECT_EQ(b.ButtonLayout().Spacing(), 1);
  b.FontFX().SetOrientation(toBottomRight);
  TVividFxCaption fx;
  fx.SetStyle(tdRaised);
  b.SetFontFX(fx);
  EXPECT_EQ(b.FontFX().Style(), tdRaised);
  EXPECT_EQ(b.FontFX().Orientation(), toBottomRight);
}

TEST(TVividButtonTest, ButtonStyleSwitchesTheUncolouredGlyphMode) {
  const std::pair<TVividUserButtonStyle, bool> rows[] = {
      {ubsFlatUnColored, true}, {ubsNavigator, true}, {ubsExplorer, true},
      {ubsExplorerColored, false}, {ubsFlat, false}, {ubsWin40, false},
  };
  FakeButton b;
  for (const auto& [style, uncoloured] : rows) {
    SCOPED_TRACE(VividName(style));
    b.SetButtonStyle(style);
    EXPECT_EQ(b.Glyph().Uncoloured(), uncoloured);
  }
}

// ----- Rotated captions need an outline font -----

TEST(TVividButtonTest, AngleOnABitmapFontSwitchesTheFontToArial) {
  FakeButton b;
  b.SetFont(FontSpec{"NoSuchBitmapFace", -13});
  b.FontFX().SetAngle(90);
  EXPECT_EQ(b.Font().name, "Arial");
  EXPECT_EQ(b.FontFX().Angle(), 90);
}

TEST(TVividButtonTest, BitmapFontResetsTheAngle) {
  FakeButton b;
  b.FontFX().SetAngle(90);  // the default face maps to an outline face: kept
  EXPECT_EQ(b.FontFX().Angle(), 90);
  b.SetFont(FontSpec{"NoSuchBitmapFace", -13});
  EXPECT_EQ(b.FontFX().Angle(), 0);
  EXPECT_EQ(b.Font().name, "NoSuchBitmapFace");
}

// ----- Glyph sources -----

TEST(TVividButtonTest, ImageListSuppliesTheGlyph) {
  FakeButton b;
  TCustomImageList list(16, 16);
  list.Add(GlyphBitmap::Solid(16, 16, clRed));
  list.Add(GlyphBitmap::Solid(16, 16, clBlue));
  list.Add(GlyphBitmap::Solid(16, 16, clNavy), 1);
  b.SetImageList(&list);
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{255, 0, 0}));
  b.SetImageIndex(1);
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 255}));
  b.SetImageIndex(-1);  // ignored
  EXPECT_EQ(b.ImageIndex(), 1);
  b.SetListIndex(-3);  // ignored
  EXPECT_EQ(b.ListIndex(), 0);
  b.SetListIndex(1);  // list 1 has no image 1: the glyph is cleared
  EXPECT_TRUE(b.Glyph().Empty());
  b.SetImageIndex(0);
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 128}));
  list.Add(GlyphBitmap::Solid(16, 16, clLime), 1);  // a change of the list rebuilds
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 128}));
}

TEST(TVividButtonTest, DestroyedImageListIsForgotten) {
  FakeButton b;
  {
    TCustomImageList list(16, 16);
    list.Add(GlyphBitmap::Solid(16, 16, clRed));
    b.SetImageList(&list);
  }
  EXPECT_EQ(b.ImageList(), nullptr);
  EXPECT_FALSE(b.Glyph().Empty());
}

TEST(TVividButtonTest, SettingAGlyphDropsTheImageList) {
  FakeButton b;
  TCustomImageList list(16, 16);
  list.Add(GlyphBitmap::Solid(16, 16, clRed));
  b.SetImageList(&list);
  b.SetGlyph(GlyphBitmap::Solid(32, 16, clBlue));
  EXPECT_EQ(b.ImageList(), nullptr);
  EXPECT_EQ(b.NumGlyphs(), 2);
  list.Add(GlyphBitmap::Solid(16, 16, clLime));  // no longer heard
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 255}));
}

TEST(TVividButtonTest, LoadingDefersTheImageListGlyph) {
  FakeButton b;
  TCustomImageList list(16, 16);
  list.Add(GlyphBitmap::Solid(16, 16, clRed));
  b.BeginLoading();
  b.SetImageList(&list);
  EXPECT_TRUE(b.Glyph().Empty());
  b.EndLoading();
  EXPECT_FALSE(b.Glyph().Empty());
}

// ----- Setters: repaint or only store -----

struct SetterRow {
  const char* name;
  std::function<void(FakeButton&)> set;
  bool repaints;
  friend void PrintTo(const SetterRow& row, std::ostream* os) { *os << row.name; }
};

class SetterRepaintTest : public testing::TestWithParam<SetterRow> {};

TEST_P(SetterRepaintTest, RepaintsOnlyForAChangeThatShows) {
  FakeButton b;
  SetUpAsMainWindowButton(b);
  const int before = b.Repaints();
  GetParam().set(b);
  if (GetParam().repaints) {
    EXPECT_GE(b.Repaints(), before + 1);
  } else {
    EXPECT_EQ(b.Repaints(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Setters, SetterRepaintTest,
    testing::Values(
        SetterRow{"SameButtonStyle", [](FakeButton& b) { b.SetButtonStyle(ubsExplorerColored); }, false},
        SetterRow{"SameColor", [](FakeButton& b) { b.SetColor(clBlack); }, false},
        SetterRow{"SameFont",
                  [](FakeButton& b) { b.SetFont(FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime}); },
                  false},
        SetterRow{"SameCaption", [](FakeButton& b) { b.SetCaption("Calculer la surface"); }, false},
        SetterRow{"SameSpacing", [](FakeButton& b) { b.ButtonLayout().SetSpacing(1); }, false},
        SetterRow{"SameEffect", [](FakeButton& b) { b.FontFX().SetStyle(tdNone); }, false},
        SetterRow{"SameUseCaption", [](FakeButton& b) { b.SetUseCaption(true); }, false},
        SetterRow{"SameMultiLine", [](FakeButton& b) { b.SetMultiLine(false); }, false},
        SetterRow{"SameCtlXP", [](FakeButton& b) { b.SetCtlXP(true); }, false},
        SetterRow{"SameNumGlyphs", [](FakeButton& b) { b.SetNumGlyphs(1); }, false},
        SetterRow{"SameActive", [](FakeButton& b) { b.SetIsActive(b.IsActive()); }, false},
        SetterRow{"RepeatedClickOnlyStored", [](FakeButton& b) { b.SetRepeatedClick(true); }, false},
        SetterRow{"RepeatingDelayOnlyStored", [](FakeButton& b) { b.SetRepeatingDelay(300); }, false},
        SetterRow{"HideHintOnlyStored", [](FakeButton& b) { b.SetHideHint(false); }, false},
        SetterRow{"DropDownIndentOnlyStored", [](FakeButton& b) { b.SetDropDownIndent(4); }, false},
        SetterRow{"UseGlobalTimerOnlyStored", [](FakeButton& b) { b.SetUseGlobalTimer(true); }, false},
        SetterRow{"NewButtonStyle", [](FakeButton& b) { b.SetButtonStyle(ubsWin40); }, true},
        SetterRow{"NewColor", [](FakeButton& b) { b.SetColor(clNavy); }, true},
        SetterRow{"NewCaption", [](FakeButton& b) { b.SetCaption("Calculer"); }, true},
        SetterRow{"NewSpacing", [](FakeButton& b) { b.ButtonLayout().SetSpacing(4); }, true},
        SetterRow{"NewEffect", [](FakeButton& b) { b.FontFX().SetStyle(tdShadow); }, true},
        SetterRow{"NewUseCaption", [](FakeButton& b) { b.SetUseCaption(false); }, true},
        SetterRow{"NewMultiLine", [](FakeButton& b) { b.SetMultiLine(true); }, true},
        SetterRow{"NewCtlXP", [](FakeButton& b) { b.SetCtlXP(false); }, true},
        SetterRow{"NewEnabled",
                  [](FakeButton& b) {
                    b.enabled = false;
                    b.EnabledChanged();
                  },
                  true},
        SetterRow{"NewActive", [](FakeButton& b) { b.SetIsActive(!b.IsActive()); }, true},
        SetterRow{"NewGlyph", [](FakeButton& b) { b.SetGlyph(GlyphBitmap::Solid(16, 16, clRed)); }, true},
        SetterRow{"ThemesSwitched",
                  [](FakeButton&) {
                    TVividApplication::Instance().SetThemedDrawingAllowed(false);
                    TVividApplication::Instance().SetThemedDrawingAllowed(true);
                  },
                  true}),
    [](const testing::TestParamInfo<SetterRow>& info) { return info.param.name; });

TEST(TVividButtonTest, LoadingStoresWithoutRepainting) {
  FakeButton b;
  b.BeginLoading();
  b.SetButtonStyle(ubsFlat);
  b.FontFX().SetStyle(tdShadow);
  EXPECT_EQ(b.Repaints(), 0);
  b.EndLoading();
  EXPECT_GE(b.Repaints(), 1);
  EXPECT_EQ(b.ButtonStyle(), ubsFlat);
}

// ----- Input as plain events -----

TEST(ButtonInputTest, PointerOnAndOffCallsEnterAndExitOnce) {
  FakeButton b;
  int enters = 0, exits = 0;
  b.OnMouseEnter = [&] { ++enters; };
  b.OnMouseExit = [&] { ++exits; };
  b.PointerEntered();
  b.PointerEntered();
  b.PointerMoved(true);
  EXPECT_TRUE(b.MouseInside());
  b.PointerLeft();
  b.PointerLeft();
  EXPECT_FALSE(b.MouseInside());
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(b.hints_hidden, 1);
}

TEST(ButtonInputTest, DraggingOffAndBackWhileHeldLeavesAndEnters) {
  FakeButton b;
  b.PointerEntered();
  b.PointerMoved(false);
  EXPECT_FALSE(b.MouseInside());
  b.PointerMoved(true);
  EXPECT_TRUE(b.MouseInside());
}

struct PressRow {
  const char* name;
  bool focused;
  bool takes_click_focus;
  bool refuses_focus;
  bool window_active;
  bool press_goes_on;
  friend void PrintTo(const PressRow& row, std::ostream* os) { *os << row.name; }
};

class PressStartingTest : public testing::TestWithParam<PressRow> {};

TEST_P(PressStartingTest, TakesTheFocusOrDropsThePress) {
  const PressRow& row = GetParam();
  FakeButton b;
  b.focused = row.focused;
  b.refuses_focus = row.refuses_focus;
  b.window_active = row.window_active;
  EXPECT_EQ(b.PressStarting(row.takes_click_focus), row.press_goes_on);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressStartingTest,
    testing::Values(PressRow{"AlreadyFocused", true, true, false, true, true},
                    PressRow{"TakesTheFocus", false, true, false, true, true},
                    PressRow{"ActiveWindowKeepsTheFocus", false, true, true, true, false},
                    PressRow{"InactiveWindowRefuses", false, true, true, false, true},
                    PressRow{"NoClickFocus", false, false, true, true, true}),
    [](const testing::TestParamInfo<PressRow>& info) { return info.param.name; });

struct KeyRow {
  const char* name;
  TVividButtonModel::Key key;
  bool active;
  bool auto_repeat;
  bool clicks;
  friend void PrintTo(const KeyRow& row, std::ostream* os) { *os << row.name; }
};

class KeyTest : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyTest, EnterClicksTheActiveButtonOnce) {
  const KeyRow& row = GetParam();
  FakeButton b;
  int clicks = 0;
  b.OnClick = [&] { ++clicks; };
  b.SetIsActive(row.active);
  EXPECT_EQ(b.KeyPressed(row.key, row.auto_repeat), row.clicks);
  EXPECT_EQ(clicks, row.clicks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    testing::Values(KeyRow{"EnterWhileActive", TVividButtonModel::Key::Enter, true, false, true},
                    KeyRow{"EnterWhileInactive", TVividButtonModel::Key::Enter, false, false, false},
                    KeyRow{"EnterHeldDown", TVividButtonModel::Key::Enter, true, true, false},
                    KeyRow{"OtherKey", TVividButtonModel::Key::Other, true, false, false}),
    [](const testing::TestParamInfo<KeyRow>& info) { return info.param.name; });

TEST(ButtonInputTest, ClickSetsTheModalResultThenCallsOnClick) {
  FakeButton b;
  b.SetModalResult(1);
  int result_at_click = -1;
  b.OnClick = [&] { result_at_click = b.modal_result; };
  b.PlatformClicked();
  EXPECT_EQ(result_at_click, 1);
}

struct DropDownRow {
  const char* name;
  bool right;
  int indent;
  Point corner;
  friend void PrintTo(const DropDownRow& row, std::ostream* os) { *os << row.name; }
};

class DropDownModelTest : public testing::TestWithParam<DropDownRow> {};

TEST_P(DropDownModelTest, ClickCallsOnClickThenOpensTheMenuAtItsCorner) {
  const DropDownRow& row = GetParam();
  FakeButton b;
  b.size = {226, 24};
  b.has_menu = true;
  b.SetDropDownRight(row.right);
  b.SetDropDownIndent(row.indent);
  std::vector<std::string> calls;
  b.OnClick = [&] { calls.push_back("OnClick"); };
  b.OnDropDown = [&] { calls.push_back(b.DroppingDown() ? "OnDropDown while dropping" : "OnDropDown"); };
  b.PlatformClicked();
  EXPECT_EQ(calls, (std::vector<std::string>{"OnClick", "OnDropDown while dropping"}));
  EXPECT_EQ(b.menus_shown, (std::vector<Point>{row.corner}));
  EXPECT_EQ(b.modal_result, -1);  // a drop-down click is no modal answer
  EXPECT_FALSE(b.DroppingDown());
  EXPECT_FALSE(b.pressed_look);
}

INSTANTIATE_TEST_SUITE_P(Corners, DropDownModelTest,
                         testing::Values(DropDownRow{"Below", false, 0, {0, 24}},
                                         DropDownRow{"BelowIndented", false, 5, {5, 24}},
                                         DropDownRow{"RightEdge", true, 3, {226, 3}}),
                         [](const testing::TestParamInfo<DropDownRow>& info) { return info.param.name; });

TEST(ButtonInputTest, AFailingClickFromInputGoesToTheErrorReport) {
  FakeButton b;
  std::vector<std::string> reported;
  TVividApplication::Instance().OnFailure = [&](const Exception& e) { reported.push_back(e.Message()); };
  b.OnClick = [] { throw EOverflow("D\xE9" "bordement en virgule flottante"); };
  b.PlatformClicked();
  TVividApplication::Instance().OnFailure = nullptr;
  EXPECT_EQ(reported, (std::vector<std::string>{"D\xE9" "bordement en virgule flottante"}));
  EXPECT_THROW(b.PlatformClicked(), EOverflow);  // no report installed: it goes on up
}

// ----- Repeated clicks on a clock driven by hand -----

struct RepeatRow {
  const char* name;
  bool global_timer;
  friend void PrintTo(const RepeatRow& row, std::ostream* os) { *os << row.name; }
};

class RepeatTest : public testing::TestWithParam<RepeatRow> {
 protected:
  void SetUp() override {
    TVividApplication::Instance().SetTimerService(&clock_);
    button_.SetRepeatedClick(true);
    button_.SetUseGlobalTimer(GetParam().global_timer);
    button_.OnClick = [this] { click_times_.push_back(clock_.now); };
    button_.PointerEntered();
  }
  void TearDown() override { TVividApplication::Instance().SetTimerService(nullptr); }
  void Press() {
    ASSERT_TRUE(button_.PressStarting(true));
    button_.Pressed();
  }
  // The platform clicks when the mouse is released over the button.
  void ReleaseOver() {
    button_.Released();
    button_.PlatformClicked();
  }

  ManualTimers clock_;
  FakeButton button_;
  std::vector<int> click_times_;
};

TEST_P(RepeatTest, HoldingOneSecondClicksEveryIntervalAfterTheDelay) {
  Press();
  ASSERT_NE(button_.RepeatTimer(), nullptr);
  clock_.Advance(1000);
  ReleaseOver();
  EXPECT_EQ(click_times_, (std::vector<int>{500, 600, 700, 800, 900, 1000, 1000}));
  EXPECT_EQ(button_.RepeatTimer(), nullptr);
  EXPECT_EQ(clock_.Running(), 0);
}

TEST_P(RepeatTest, TicksOutsideTheButtonDoNothing) {
  Press();
  button_.PointerMoved(false);
  clock_.Advance(700);
  EXPECT_TRUE(click_times_.empty());
  button_.PointerMoved(true);
  clock_.Advance(100);  // the interval is still the delay: the next tick is due at 1000
  ReleaseOver();
  EXPECT_EQ(click_times_, (std::vector<int>{800}));  // the release click only
}

TEST_P(RepeatTest, HidingStopsTheTimer) {
  Press();
  button_.Hiding();
  EXPECT_EQ(button_.RepeatTimer(), nullptr);
  EXPECT_FALSE(button_.MouseInside());
  clock_.Advance(1000);
  EXPECT_TRUE(click_times_.empty());
}

INSTANTIATE_TEST_SUITE_P(Timers, RepeatTest,
                         testing::Values(RepeatRow{"OwnTimer", false}, RepeatRow{"GlobalPool", true}),
                         [](const testing::TestParamInfo<RepeatRow>& info) { return info.param.name; });

TEST(RepeatTimerTest, RefusedRepeatTimerIsReportedAndThePressStands) {
  ManualTimers clock;
  clock.refuse = true;
  TVividApplication::Instance().SetTimerService(&clock);
  std::vector<std::string> reported;
  TVividApplication::Instance().OnFailure = [&](const Exception& e) { reported.push_back(e.Message()); };
  FakeButton b;
  b.SetRepeatedClick(true);
  b.Pressed();
  EXPECT_EQ(b.RepeatTimer(), nullptr);
  TVividApplication::Instance().OnFailure = nullptr;
  TVividApplication::Instance().SetTimerService(nullptr);
  EXPECT_EQ(reported, (std::vector<std::string>{"Pas assez de timers disponibles"}));
}

}  // namespace
}  // namespace anod
