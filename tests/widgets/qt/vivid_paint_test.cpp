// The main window's button drawn in every state of its state table, checked
// pixel by pixel at named points.
#include <gtest/gtest.h>

#include <QWidget>

#include "tests/widgets/qt/widget_fixtures.h"
#include "widgets/vivid_paint.h"

namespace anod {
namespace {

using testing_support::InkBox;
using testing_support::IsLime;

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kShadow{128, 128, 128};

struct ButtonState {
  bool hot = false;
  bool active = false;
  bool pressed = false;
  bool enabled = true;
};

// Draws the 226 x 24 main-window button in `state` into an image.
QImage RenderMainButton(const ButtonState& state, ButtonDrawState* painted = nullptr) {
  QWidget form;
  TVividButton button(&form);
  testing_support::SetUpAsMainWindowButton(button);
  button.SetEnabled(state.enabled);
  if (state.hot) testing_support::SendEnter(button);
  button.SetIsActive(state.active);
  ImageCanvas image(226, 24, clRed);  // red shows any pixel left unpainted
  button.DrawItem(image.canvas(), state.pressed, state.active);
  if (painted != nullptr) *painted = button.PaintState();
  return image.image().copy();
}

Rgb PixelAt(const QImage& image, Point p) {
  const QRgb c = image.pixel(p.x, p.y);
  return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
          static_cast<std::uint8_t>(qBlue(c))};
}

struct NamedPixel {
  const char* name;
  Point at;
  Rgb expected;
};

struct StateRow {
  const char* name;
  ButtonState state;
  ButtonDrawState draw_state;
  std::vector<NamedPixel> pixels;
  friend void PrintTo(const StateRow& row, std::ostream* os) { *os << row.name; }
};

// Ring points: the outermost pixel ring (x/y 0 and 225/23) and the second
// ring (1 and 224/22). The focus rectangle lies on the client rectangle inset
// by 4: x 4 and 221, y 4 and 19; its dots are the pixels whose x + y is even,
// inverted from black to white.
const std::vector<NamedPixel> kNoFocus = {
    {"focus top-left dot absent", {4, 4}, kBlack},
    {"focus left dot absent", {4, 12}, kBlack},
    {"focus right dot absent", {221, 11}, kBlack},
    {"focus bottom dot absent", {219, 19}, kBlack},
};
const std::vector<NamedPixel> kFocus = {
    {"focus top-left dot", {4, 4}, kWhite},
    {"focus top gap", {5, 4}, kBlack},
    {"focus left dot", {4, 12}, kWhite},
    {"focus right dot", {221, 11}, kWhite},
    {"focus bottom dot", {219, 19}, kWhite},
    {"inside the focus rectangle", {5, 5}, kBlack},
    {"outside the focus rectangle", {3, 3}, kBlack},
};

std::vector<NamedPixel> Join(std::vector<NamedPixel> a, const std::vector<NamedPixel>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<StateRow> kStateRows = {
    {"Normal",
     {},
     ButtonDrawState::Normal,
     Join({{"outer top-left", {0, 0}, kBlack},
           {"outer bottom-right", {225, 23}, kBlack},
           {"outer top", {100, 0}, kBlack},
           {"second ring top-left", {1, 1}, kBlack},
           {"second ring bottom-right", {224, 22}, kBlack}},
          kNoFocus)},
    {"Hot",
     {.hot = true},
     ButtonDrawState::Hot,
     Join({{"outer top-left highlight", {0, 0}, kWhite},
           {"outer top highlight", {100, 0}, kWhite},
           {"outer left highlight", {0, 12}, kWhite},
           {"outer top-right shadow", {225, 0}, kShadow},
           {"outer bottom-left shadow", {0, 23}, kShadow},
           {"outer bottom shadow", {100, 23}, kShadow},
           {"outer right shadow", {225, 12}, kShadow},
           {"second ring top-left", {1, 1}, kBlack},
           {"second ring bottom-right", {224, 22}, kBlack}},
          kNoFocus)},
    {"NormalActive",
     {.active = true},
     ButtonDrawState::Normal,
     Join({{"outer window-frame top-left", {0, 0}, kBlack},
           {"outer window-frame bottom-right", {225, 23}, kBlack},
           {"second ring top-left", {1, 1}, kBlack},
           {"second ring bottom-right", {224, 22}, kBlack}},
          kFocus)},
    {"HotActive",
     {.hot = true, .active = true},
     ButtonDrawState::Hot,
     Join({{"outer window-frame top-left", {0, 0}, kBlack},
           {"outer window-frame top", {100, 0}, kBlack},
           {"outer window-frame bottom-right", {225, 23}, kBlack},
           {"second ring highlight top-left", {1, 1}, kWhite},
           {"second ring highlight top", {100, 1}, kWhite},
           {"second ring shadow bottom", {100, 22}, kShadow},
           {"second ring shadow bottom-right", {224, 22}, kShadow}},
          kFocus)},
    {"Pressed",
     {.hot = true, .active = true, .pressed = true},
     ButtonDrawState::Pressed,
     Join({{"outer sunken top-left", {0, 0}, kShadow},
           {"outer sunken top", {100, 0}, kShadow},
           {"outer sunken left", {0, 12}, kShadow},
           {"outer sunken bottom", {100, 23}, kWhite},
           {"outer sunken right", {225, 12}, kWhite},
           {"outer sunken bottom-right", {225, 23}, kWhite},
           {"second ring top-left", {1, 1}, kBlack},
           {"second ring bottom-right", {224, 22}, kBlack}},
          kFocus)},
    {"Disabled",
     {.enabled = false},
     ButtonDrawState::Disabled,
     Join({{"outer top-left", {0, 0}, kBlack},
           {"outer bottom-right", {225, 23}, kBlack},
           {"second ring top-left", {1, 1}, kBlack}},
          kNoFocus)},
    {"DisabledMouseInside",
     {.hot = true, .enabled = false},
     ButtonDrawState::Disabled,
     Join({{"outer raised top-left", {0, 0}, kWhite},
           {"outer raised bottom-right", {225, 23}, kShadow},
           {"second ring top-left", {1, 1}, kBlack}},
          kNoFocus)},
    {"DisabledActive",  // an active but disabled button shows no focus
     {.active = true, .enabled = false},
     ButtonDrawState::Disabled,
     Join({{"outer top-left", {0, 0}, kBlack}}, kNoFocus)},
};

class MainButtonStateTest : public testing::TestWithParam<StateRow> {};

TEST_P(MainButtonStateTest, PaintsTheRingsAndFocusOfItsState) {
  const StateRow& row = GetParam();
  ButtonDrawState painted{};
  const QImage image = RenderMainButton(row.state, &painted);
  EXPECT_EQ(painted, row.draw_state);
  for (const NamedPixel& p : row.pixels) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(PixelAt(image, p.at), p.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(StateTable, MainButtonStateTest, testing::ValuesIn(kStateRows),
                         [](const testing::TestParamInfo<StateRow>& info) { return info.param.name; });

// The caption: lime, centred in the face, inside the button (the bold -19
// caption fits with the mapped face), and moved one pixel right and down
// when pressed.
TEST(MainButtonCaptionTest, IsLimeAndCentredAtRest) {
  const QImage image = RenderMainButton({});
  const Rect ink = InkBox(image, IsLime);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.left, 4);
  EXPECT_LE(ink.right, 222);
  // Centred in the face (the client rectangle inset 3): the margins left and
  // right of the ink differ by the glyphs' side bearings only.
  const int left_margin = ink.left - 3;
  const int right_margin = 223 - ink.right;
  EXPECT_LE(std::abs(left_margin - right_margin), 4) << ink.left << ".." << ink.right;
  EXPECT_GT(ink.Width(), 150);  // "Calculer la surface" at 19 pixels, bold
  EXPECT_GE(ink.top, 1);
  EXPECT_LE(ink.bottom, 23);
}

struct CaptionShiftRow {
  const char* name;
  ButtonState state;
  Point shift;  // relative to the caption at rest
  friend void PrintTo(const CaptionShiftRow& row, std::ostream* os) { *os << row.name; }
};

class MainButtonCaptionShiftTest : public testing::TestWithParam<CaptionShiftRow> {};

TEST_P(MainButtonCaptionShiftTest, MovesOnlyWhenPressed) {
  const CaptionShiftRow& row = GetParam();
  const Rect rest = InkBox(RenderMainButton({}), IsLime);
  const Rect ink = InkBox(RenderMainButton(row.state), IsLime);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_EQ(ink, rest.Offset(row.shift.x, row.shift.y));
}

INSTANTIATE_TEST_SUITE_P(StateTable, MainButtonCaptionShiftTest,
                         testing::Values(CaptionShiftRow{"Hot", {.hot = true}, {0, 0}},
                                         CaptionShiftRow{"NormalActive", {.active = true}, {0, 0}},
                                         CaptionShiftRow{"HotActive", {.hot = true, .active = true}, {0, 0}},
                                         CaptionShiftRow{"Pressed", {.hot = true, .active = true, .pressed = true},
                                                         {1, 1}}),
                         [](const testing::TestParamInfo<CaptionShiftRow>& info) { return info.param.name; });

TEST(MainButtonCaptionTest, DisabledCaptionIsEmbossedGrey) {
  const QImage image = RenderMainButton({.enabled = false});
  EXPECT_TRUE(InkBox(image, IsLime).IsEmpty());
  const Rect grey = InkBox(image, [](Rgb c) { return c == kShadow; });
  const Rect light = InkBox(image, [](Rgb c) { return c.r > 200 && c.g > 200 && c.b > 200; });
  ASSERT_FALSE(grey.IsEmpty());
  ASSERT_FALSE(light.IsEmpty());
  // The highlight copy lies one pixel right and down of the grey one, so it
  // shows past the grey caption's right and bottom edges.
  EXPECT_GT(light.right, grey.right);
  EXPECT_GT(light.bottom, grey.bottom);
  // The grey caption sits where the lime one does when enabled.
  const Rect rest = InkBox(RenderMainButton({}), IsLime);
  EXPECT_LE(std::abs(grey.left - rest.left), 1);
}

TEST(MainButtonCaptionTest, FillsTheWholeButtonWithItsColour) {
  const QImage image = RenderMainButton({});
  for (const Point p : {Point{0, 0}, Point{225, 0}, Point{0, 23}, Point{225, 23}, Point{2, 12}, Point{223, 12}}) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    EXPECT_EQ(PixelAt(image, p), kBlack);
  }
}

// Pixels that differ between two renders of the same size.
int DifferingPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  }
  return n;
}

QImage RenderWith(const std::function<void(TVividButton&)>& change) {
  QWidget form;
  TVividButton button(&form);
  testing_support::SetUpAsMainWindowButton(button);
  change(button);
  ImageCanvas image(226, 24, clRed);
  button.DrawItem(image.canvas(), false, false);
  return image.image().copy();
}

struct NoVisibleChangeRow {
  const char* name;
  std::function<void(TVividButton&)> change;
  friend void PrintTo(const NoVisibleChangeRow& row, std::ostream* os) { *os << row.name; }
};

class MainButtonNoVisibleChangeTest : public testing::TestWithParam<NoVisibleChangeRow> {};

TEST_P(MainButtonNoVisibleChangeTest, LooksTheSame) {
  const QImage base = RenderWith([](TVividButton&) {});
  EXPECT_EQ(DifferingPixels(base, RenderWith(GetParam().change)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, MainButtonNoVisibleChangeTest,
    testing::Values(
        NoVisibleChangeRow{"Spacing10WithoutGlyph", [](TVividButton& b) { b.ButtonLayout().SetSpacing(10); }},
        NoVisibleChangeRow{"StyleExplorerWithoutGlyph", [](TVividButton& b) { b.SetButtonStyle(ubsExplorer); }},
        NoVisibleChangeRow{"CtlXPOffWithoutThemes", [](TVividButton& b) { b.SetCtlXP(false); }}),
    [](const testing::TestParamInfo<NoVisibleChangeRow>& info) { return info.param.name; });

struct HiddenCaptionRow {
  const char* name;
  std::function<void(TVividButton&)> hide;
  friend void PrintTo(const HiddenCaptionRow& row, std::ostream* os) { *os << row.name; }
};

class MainButtonHiddenCaptionTest : public testing::TestWithParam<HiddenCaptionRow> {};

TEST_P(MainButtonHiddenCaptionTest, DrawsFrameAndFocusWithoutCaption) {
  const QImage image = RenderWith([&](TVividButton& b) {
    GetParam().hide(b);
    b.SetIsActive(true);
  });
  EXPECT_TRUE(InkBox(image, IsLime).IsEmpty());
  EXPECT_EQ(PixelAt(image, {4, 4}), kWhite);  // the focus rectangle is still drawn
  EXPECT_EQ(PixelAt(image, {5, 4}), kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, MainButtonHiddenCaptionTest,
    testing::Values(HiddenCaptionRow{"EmptyCaption", [](TVividButton& b) { b.SetCaption(""); }},
                    HiddenCaptionRow{"UseCaptionFalse", [](TVividButton& b) { b.SetUseCaption(false); }}),
    [](const testing::TestParamInfo<HiddenCaptionRow>& info) { return info.param.name; });

}  // namespace
}  // namespace anod
