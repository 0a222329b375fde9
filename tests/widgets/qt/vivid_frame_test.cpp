// The classic frames of every style family, glyphs drawn by the button, the
// combo arrow, and the face mapping the main window's caption relies on.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/qt/fonts.h"
#include "tests/widgets/qt/widget_fixtures.h"
#include "widgets/vivid_paint.h"

namespace anod {
namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kShadow{128, 128, 128};
const Rgb kFrame{0, 0, 0};
const Rgb kNavy{0, 0, 128};
const Rgb kDkShadow{64, 64, 64};
const Rgb kLight{212, 208, 200};  // 3-D light in the classic scheme: the face colour

struct FrameRow {
  const char* name;
  TVividUserButtonStyle style;
  bool hover, active, pressed;
  std::vector<std::pair<Point, Rgb>> pixels;  // on a 60 x 20 navy button, white background
  Rect face;
  friend void PrintTo(const FrameRow& row, std::ostream* os) { *os << row.name; }
};

class ClassicFrameTest : public testing::TestWithParam<FrameRow> {};

TEST_P(ClassicFrameTest, DrawsItsRingsAndGivesItsFace) {
  const FrameRow& row = GetParam();
  ImageCanvas image(60, 20, clWhite);
  Rect r{0, 0, 60, 20};
  FrameFlags flags;
  flags.active = row.active;
  flags.focused = row.active;
  flags.hover = row.hover;
  const ButtonDrawState state = row.pressed ? ButtonDrawState::Pressed
                                : row.hover ? ButtonDrawState::Hot
                                            : ButtonDrawState::Normal;
  DrawClassicFrame(image.canvas(), row.hover, r, clNavy, flags, state, row.style);
  for (const auto& [at, colour] : row.pixels) {
    SCOPED_TRACE(testing::Message() << at.x << "," << at.y);
    EXPECT_EQ(image.Pixel(at.x, at.y), colour);
  }
  EXPECT_EQ(r, row.face);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ClassicFrameTest,
    testing::Values(
        // The flat styles other than the explorer ones fill their face.
        FrameRow{"FlatNormal", ubsFlat, false, false, false, {{{0, 0}, kNavy}, {{30, 10}, kNavy}}, {3, 3, 57, 17}},
        FrameRow{"FlatHot", ubsFlat, true, false, false, {{{0, 0}, kWhite}, {{59, 19}, kShadow}, {{1, 1}, kNavy}},
                 {3, 3, 57, 17}},
        FrameRow{"ExplorerNormalLeavesTheBackground", ubsExplorer, false, false, false,
                 {{{0, 0}, kWhite}, {{30, 10}, kWhite}}, {3, 3, 57, 17}},
        FrameRow{"NavigatorHotOutlinesFirst", ubsNavigator, true, false, false,
                 {{{0, 0}, kShadow}, {{1, 1}, kWhite}, {{58, 18}, kShadow}}, {3, 3, 57, 17}},
        FrameRow{"TronzaFlatPressed", ubsTronzaFlat, true, true, true,
                 {{{0, 0}, kShadow}, {{1, 1}, kShadow}, {{58, 18}, kWhite}}, {4, 4, 58, 18}},
        // The raised 3-D push button.
        FrameRow{"Win40Normal", ubsWin40, false, false, false,
                 {{{0, 0}, kLight}, {{59, 19}, kDkShadow}, {{1, 1}, kWhite}, {{58, 18}, kShadow}, {{30, 10}, kNavy}},
                 {3, 3, 57, 17}},
        FrameRow{"Win40Active", ubsWin40, false, true, false,
                 {{{0, 0}, kFrame}, {{59, 19}, kFrame}, {{1, 1}, kLight}, {{58, 18}, kDkShadow}},
                 {4, 4, 56, 16}},
        FrameRow{"Win40Pressed", ubsWin40, true, true, true,
                 {{{0, 0}, kFrame}, {{1, 1}, kShadow}, {{58, 18}, kShadow}, {{2, 2}, kNavy}},
                 {5, 5, 57, 17}},
        FrameRow{"Win40ExtNormal", ubsWin40Ext, false, false, false, {{{0, 0}, kLight}, {{59, 19}, kDkShadow}},
                 {3, 3, 57, 17}},
        FrameRow{"Win31CornersLeftOut", ubsWin31, false, false, false,
                 {{{0, 0}, kNavy}, {{1, 0}, kFrame}, {{0, 1}, kFrame}, {{59, 19}, kNavy}, {{1, 1}, kWhite}},
                 {4, 4, 56, 16}},
        FrameRow{"TronzaNormalIsThin", ubsTronza, false, false, false, {{{0, 0}, kWhite}, {{59, 19}, kShadow}},
                 {3, 3, 57, 17}},
        FrameRow{"TronzaHotIsRaised", ubsTronza, true, false, false, {{{0, 0}, kLight}, {{1, 1}, kWhite}},
                 {3, 3, 57, 17}},
        FrameRow{"IntegratedNormal", ubsIntegrated, false, false, false, {{{0, 0}, kShadow}, {{59, 19}, kShadow}},
                 {3, 3, 57, 17}},
        FrameRow{"OfficeHot", ubsOffice, true, false, false, {{{0, 0}, Rgb{10, 36, 106}}, {{1, 1}, kNavy}},
                 {3, 3, 57, 17}},
        FrameRow{"OfficeTranspNormal", ubsOfficeTransp, false, false, false, {{{0, 0}, kWhite}, {{30, 10}, kWhite}},
                 {3, 3, 57, 17}}),
    [](const testing::TestParamInfo<FrameRow>& info) { return info.param.name; });

// ----- Glyphs drawn by the button -----

// A 16 x 16 red square whose bottom row is fuchsia (the transparent colour).
GlyphBitmap RedGlyph() {
  GlyphBitmap g = GlyphBitmap::Solid(16, 16, clRed);
  for (int x = 0; x < 16; ++x) g.SetPixel(x, 15, {255, 0, 255});
  return g;
}

struct GlyphRow {
  const char* name;
  TVividUserButtonStyle style;
  bool hot;
  Rgb centre;
  friend void PrintTo(const GlyphRow& row, std::ostream* os) { *os << row.name; }
};

class ButtonGlyphTest : public testing::TestWithParam<GlyphRow> {};

TEST_P(ButtonGlyphTest, DrawsTheImageOfItsStateTransparently) {
  QWidget form;
  TVividButton b(&form);
  b.resize(40, 30);
  b.SetButtonStyle(GetParam().style);
  b.SetColor(clBlack);
  b.SetUseCaption(false);
  b.SetGlyph(RedGlyph());
  if (GetParam().hot) testing_support::SendEnter(b);
  ImageCanvas image(40, 30, clWhite);
  b.DrawItem(image.canvas(), false, false);
  // Centred in the face (3, 3, 37, 27): the block is 16 x 16 at (12, 7).
  EXPECT_EQ(image.Pixel(20, 14), GetParam().centre);
  EXPECT_EQ(image.Pixel(12, 7), GetParam().centre);
  EXPECT_EQ(image.Pixel(11, 7), (Rgb{0, 0, 0}));
  EXPECT_EQ(image.Pixel(20, 22), (Rgb{0, 0, 0}));  // the transparent row shows the face
}

INSTANTIATE_TEST_SUITE_P(Glyphs, ButtonGlyphTest,
                         testing::Values(GlyphRow{"ColouredNormal", ubsExplorerColored, false, Rgb{255, 0, 0}},
                                         GlyphRow{"UncolouredNormalIsGrey", ubsExplorer, false, Rgb{76, 76, 76}},
                                         GlyphRow{"UncolouredHotIsColoured", ubsExplorer, true, Rgb{255, 0, 0}}),
                         [](const testing::TestParamInfo<GlyphRow>& info) { return info.param.name; });

TEST(ButtonGlyphTest, CaptionGoesRightOfTheGlyphWithTheSpacing) {
  QWidget form;
  TVividButton b(&form);
  testing_support::SetUpAsMainWindowButton(b);
  b.ButtonLayout().SetSpacing(6);
  b.SetGlyph(RedGlyph());
  ImageCanvas image(226, 24, clWhite);
  b.DrawItem(image.canvas(), false, false);
  const Rect red = testing_support::InkBox(image.image(), [](Rgb c) { return c == Rgb{255, 0, 0}; });
  const Rect lime = testing_support::InkBox(image.image(), testing_support::IsLime);
  ASSERT_FALSE(red.IsEmpty());
  ASSERT_FALSE(lime.IsEmpty());
  EXPECT_EQ(red.Width(), 16);
  // The text rectangle starts glyph width + spacing + 1 right of the glyph;
  // the ink a pixel or two later.
  EXPECT_GE(lime.left - red.left, 16 + 6 + 1);
  EXPECT_LE(lime.left - red.left, 16 + 6 + 4);
}

TEST(ComboStyleTest, DrawsAnArrowInsteadOfTheCaption) {
  QWidget form;
  TVividButton b(&form);
  b.resize(40, 20);
  b.SetButtonStyle(ubsCombo);
  b.SetColor(clWhite);
  b.SetCaption("Calculer");
  b.SetFont(FontSpec{"Arial", -13, false, false, false, false, clNavy});
  ImageCanvas image(40, 20, clWhite);
  b.DrawItem(image.canvas(), false, false);
  const Rect navy = testing_support::InkBox(image.image(), [](Rgb c) { return c == kNavy; });
  ASSERT_FALSE(navy.IsEmpty());
  // A small triangle in the middle, not a caption.
  EXPECT_LE(navy.Width(), 9);
  EXPECT_LE(navy.Height(), 5);
  EXPECT_NEAR((navy.left + navy.right) / 2, 20, 2);
}

// ----- Rotated captions -----

struct AngleRow {
  const char* name;
  int angle;
  bool upright;  // turned a quarter: taller than wide
  friend void PrintTo(const AngleRow& row, std::ostream* os) { *os << row.name; }
};

class RotatedCaptionTest : public testing::TestWithParam<AngleRow> {};

TEST_P(RotatedCaptionTest, IsDrawnWholeAndCentred) {
  QWidget form;
  TVividButton b(&form);
  b.resize(100, 100);
  b.SetColor(clWhite);
  b.SetButtonStyle(ubsFlat);
  b.SetCaption("Calculer");
  b.SetFont(FontSpec{"Arial", -13, true, false, false, false, clNavy});
  b.FontFX().SetAngle(GetParam().angle);
  ImageCanvas image(100, 100, clWhite);
  b.DrawItem(image.canvas(), false, false);
  const Rect ink = testing_support::InkBox(image.image(), [](Rgb c) { return c.b > 60 && c.r < 60; });
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_EQ(ink.Height() > ink.Width(), GetParam().upright) << ink.Width() << "x" << ink.Height();
  EXPECT_GT(std::max(ink.Width(), ink.Height()), 45);  // the whole word, not a clipped piece
  EXPECT_NEAR((ink.left + ink.right) / 2, 50, 4);
  EXPECT_NEAR((ink.top + ink.bottom) / 2, 50, 4);
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatedCaptionTest,
                         testing::Values(AngleRow{"Angle0", 0, false}, AngleRow{"Angle90", 90, true},
                                         AngleRow{"Angle180", 180, false}, AngleRow{"Angle270", 270, true}),
                         [](const testing::TestParamInfo<AngleRow>& info) { return info.param.name; });

// ----- Fonts -----

TEST(MainWindowFontTest, CaptionUsesTheMappedFaceAndFitsTheFace) {
  EXPECT_EQ(MapFace("MS Sans Serif").family, "Liberation Sans");
  const QFont font = ToQFont(FontSpec{"MS Sans Serif", -19, true});
  EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
  EXPECT_TRUE(QFontInfo(font).bold());
  ImageCanvas image(10, 10);
  image.canvas().SetFont(FontSpec{"MS Sans Serif", -19, true});
  TVividFxCaption fx;
  const Size caption = MeasureEffectText(image.canvas(), "Calculer la surface", 220, fx, {});
  EXPECT_LE(caption.cx, 220);  // the face of a 226-pixel button, inset 3
  EXPECT_GT(caption.cx, 150);
}

}  // namespace
}  // namespace anod
