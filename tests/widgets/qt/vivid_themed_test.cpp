// Themed drawing through an injected theme service: this platform has none,
// so the classic frames are drawn unless a test installs one.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/edges.h"
#include "tests/widgets/qt/widget_fixtures.h"
#include "widgets/vivid_application.h"
#include "widgets/vivid_paint.h"

namespace anod {
namespace {

using testing_support::InkBox;
using testing_support::IsLime;

// Records what the buttons ask of the theme and paints each state in a
// colour of its own: state 1 navy, 2 blue, 3 red, 4 grey, 5 maroon.
class FakeThemeService final : public ThemeService {
 public:
  struct Background {
    ThemeHandle handle;
    int part, state;
    Rect rect;
  };
  bool IsThemeActive() override { return active; }
  ThemeHandle OpenThemeData(std::string_view class_name) override {
    opened.emplace_back(class_name);
    return static_cast<ThemeHandle>(100 + opened.size());
  }
  void CloseThemeData(ThemeHandle handle) override { closed.push_back(handle); }
  void DrawThemeBackground(ThemeHandle handle, Canvas& canvas, int part, int state, const Rect& rect) override {
    backgrounds.push_back({handle, part, state, rect});
    static constexpr TColor kStateColours[] = {clBlack, clNavy, clBlue, clRed, clGray, clMaroon};
    canvas.FillRect(rect, kStateColours[state >= 0 && state <= 5 ? state : 0]);
  }

  bool active = true;
  std::vector<std::string> opened;
  std::vector<ThemeHandle> closed;
  std::vector<Background> backgrounds;
};

class ThemedButtonTest : public testing::Test {
 protected:
  ThemedButtonTest() : button_(&form_) {
    TVividApplication::Instance().SetThemeService(&theme_);
    testing_support::SetUpAsMainWindowButton(button_);
  }
  ~ThemedButtonTest() override {
    TVividApplication::Instance().SetThemedDrawingAllowed(true);
    TVividApplication::Instance().SetThemeService(PlatformThemeService());
  }

  QImage Render(bool pressed = false, bool focused = false) {
    ImageCanvas image(226, 24, clWhite);
    button_.DrawItem(image.canvas(), pressed, focused);
    return image.image().copy();
  }

  FakeThemeService theme_;
  QWidget form_;
  TVividButton button_;
};

struct ThemeStateRow {
  const char* name;
  bool hot, pressed, enabled, active;
  int state;
  friend void PrintTo(const ThemeStateRow& row, std::ostream* os) { *os << row.name; }
};

class ThemedStateTest : public ThemedButtonTest, public testing::WithParamInterface<ThemeStateRow> {};

TEST_P(ThemedStateTest, DrawsToolbarPartOneInItsState) {
  const ThemeStateRow& row = GetParam();
  button_.SetEnabled(row.enabled);
  if (row.hot) testing_support::SendEnter(button_);
  button_.SetIsActive(row.active);
  theme_.backgrounds.clear();
  Render(row.pressed, row.active);
  ASSERT_EQ(theme_.backgrounds.size(), 1u);
  EXPECT_EQ(theme_.backgrounds[0].part, 1);
  EXPECT_EQ(theme_.backgrounds[0].state, row.state);
  EXPECT_EQ(theme_.backgrounds[0].rect, (Rect{0, 0, 226, 24}));
  ASSERT_FALSE(theme_.opened.empty());
  EXPECT_EQ(theme_.opened.back(), "TOOLBAR");
}

INSTANTIATE_TEST_SUITE_P(
    States, ThemedStateTest,
    testing::Values(ThemeStateRow{"Normal", false, false, true, false, 1},
                    ThemeStateRow{"Hot", true, false, true, false, 2},
                    ThemeStateRow{"NormalActive", false, false, true, true, 1},
                    ThemeStateRow{"Pressed", true, true, true, true, 3},
                    ThemeStateRow{"PressedPointerOutside", false, true, true, true, 3},
                    ThemeStateRow{"Disabled", false, false, false, false, 4},
                    ThemeStateRow{"DisabledHot", true, false, false, false, 4}),
    [](const testing::TestParamInfo<ThemeStateRow>& info) { return info.param.name; });

TEST_F(ThemedButtonTest, FaceIsInsetThreeAndDoesNotMoveWhenPressed) {
  button_.SetIsActive(true);
  const QImage rest = Render(false, true);
  const QImage pressed = Render(true, true);
  const Rect a = InkBox(rest, IsLime);
  const Rect b = InkBox(pressed, IsLime);
  ASSERT_FALSE(a.IsEmpty());
  EXPECT_EQ(a, b);
  // The focus rectangle lies on the face: the client rectangle inset by 3.
  // Its dots invert the navy theme background.
  const QRgb navy = rest.pixel(2, 2);
  EXPECT_EQ(qBlue(navy), 128);
  EXPECT_NE(rest.pixel(3, 3), navy);
  EXPECT_EQ(rest.pixel(4, 3), navy);
  EXPECT_EQ(rest.pixel(2, 2), navy);
}

TEST_F(ThemedButtonTest, CachesOneHandlePerClassUntilTheThemeChanges) {
  Render();
  Render();
  EXPECT_EQ(theme_.opened, (std::vector<std::string>{"TOOLBAR"}));
  TVividApplication::Instance().ThemeChanged();
  ASSERT_EQ(theme_.closed.size(), 1u);
  Render();
  EXPECT_EQ(theme_.opened.size(), 2u);
  button_.SetButtonStyle(ubsWin40);
  Render();
  EXPECT_EQ(theme_.opened.back(), "BUTTON");
  button_.SetButtonStyle(ubsCombo);
  Render();
  EXPECT_EQ(theme_.opened.back(), "COMBOBOX");
}

struct ClassicFallbackRow {
  const char* name;
  std::function<void(FakeThemeService&, TVividButton&)> switch_off;
};

TEST_F(ThemedButtonTest, FallsBackToTheClassicFrame) {
  const ClassicFallbackRow rows[] = {
      {"CtlXP false", [](FakeThemeService&, TVividButton& b) { b.SetCtlXP(false); }},
      {"themed drawing not allowed",
       [](FakeThemeService&, TVividButton&) { TVividApplication::Instance().SetThemedDrawingAllowed(false); }},
      {"no active theme", [](FakeThemeService& t, TVividButton&) { t.active = false; }},
      {"no theme service",
       [](FakeThemeService&, TVividButton&) { TVividApplication::Instance().SetThemeService(nullptr); }},
  };
  for (const ClassicFallbackRow& row : rows) {
    SCOPED_TRACE(row.name);
    FakeThemeService theme;
    TVividApplication::Instance().SetThemeService(&theme);
    TVividApplication::Instance().SetThemedDrawingAllowed(true);
    QWidget form;
    TVividButton button(&form);
    testing_support::SetUpAsMainWindowButton(button);
    EXPECT_TRUE(button.UseThemedDrawing());
    row.switch_off(theme, button);
    EXPECT_FALSE(button.UseThemedDrawing());
    ImageCanvas image(226, 24, clWhite);
    button.DrawItem(image.canvas(), false, false);
    EXPECT_TRUE(theme.backgrounds.empty());
    EXPECT_EQ(image.Pixel(0, 0), (Rgb{0, 0, 0}));  // the black classic face
  }
}

TEST_F(ThemedButtonTest, EveryStyleIsTransparentWhileThemed) {
  button_.SetButtonStyle(ubsWin40);
  EXPECT_TRUE(button_.IsTransparentStyle());
  button_.SetCtlXP(false);
  EXPECT_FALSE(button_.IsTransparentStyle());
  button_.SetButtonStyle(ubsOfficeTransp);
  EXPECT_TRUE(button_.IsTransparentStyle());
}

TEST(ThemeClassTest, FollowsTheStyle) {
  const std::pair<TVividUserButtonStyle, ThemeClass> rows[] = {
      {ubsWin31, ThemeClass::Button},          {ubsWin40, ThemeClass::Button},
      {ubsTronza, ThemeClass::Button},         {ubsIntegrated, ThemeClass::Button},
      {ubsWin40Ext, ThemeClass::Button},       {ubsCombo, ThemeClass::ComboBox},
      {ubsExplorerColored, ThemeClass::ToolBar}, {ubsFlat, ThemeClass::ToolBar},
      {ubsOffice, ThemeClass::ToolBar},        {ubsTronzaFlat, ThemeClass::ToolBar},
  };
  for (const auto& [style, theme_class] : rows) {
    SCOPED_TRACE(VividName(style));
    EXPECT_EQ(ThemeClassOfStyle(style), theme_class);
  }
  EXPECT_EQ(ThemeClassName(ThemeClass::ToolBar), "TOOLBAR");
  EXPECT_EQ(ThemeClassName(ThemeClass::Globals), "GLOBALS");
  EXPECT_EQ(ThemeClassName(ThemeClass::Button), "BUTTON");
}

TEST(ThemeAvailabilityTest, ThisPlatformHasNoThemeService) {
  EXPECT_EQ(PlatformThemeService(), nullptr);
  EXPECT_FALSE(TVividApplication::Instance().ThemesUsable());
  QWidget form;
  TVividButton button(&form);
  EXPECT_FALSE(button.UseThemedDrawing());
}

}  // namespace
}  // namespace anod
