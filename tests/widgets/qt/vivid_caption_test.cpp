// The caption: its placement with a glyph, its measuring, and the passes of
// every effect.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/draw_text.h"
#include "tests/widgets/qt/widget_fixtures.h"
#include "widgets/vivid_paint.h"

namespace anod {
namespace {

// ----- Placement -----

struct ArrangeRow {
  const char* name;
  TVividTextArrange arrange;
  Rect text;   // for a 40 x 10 text, a 16 x 20 glyph, spacing 2, face (0,0,100,50) top-left
  Rect glyph;
  friend void PrintTo(const ArrangeRow& row, std::ostream* os) { *os << row.name; }
};

class PlaceCaptionArrangeTest : public testing::TestWithParam<ArrangeRow> {};

TEST_P(PlaceCaptionArrangeTest, PutsTextAndGlyphWhereTheArrangementSays) {
  TVividButtonLayout layout;
  layout.SetAlignment(agTopLeft);
  layout.SetAlignText2Glyph(GetParam().arrange);
  const CaptionPlacement p = PlaceCaption({0, 0, 100, 50}, {40, 10}, {16, 20}, 2, layout, false, 0);
  EXPECT_EQ(p.text, GetParam().text);
  EXPECT_EQ(p.glyph, GetParam().glyph);
}

// Side by side: block 58 x 20, the text moved down (20 - 10) / 2 = 5.
// Stacked: block 40 x 32, the glyph moved right (40 - 16) / 2 = 12.
// The text is always moved (1, 1) more.
INSTANTIATE_TEST_SUITE_P(
    AllArrangements, PlaceCaptionArrangeTest,
    testing::Values(ArrangeRow{"taLeft", taLeft, {1, 6, 41, 16}, {42, 0, 58, 20}},
                    ArrangeRow{"taLeftTop", taLeftTop, {1, 6, 41, 16}, {42, 0, 58, 20}},
                    ArrangeRow{"taRight", taRight, {19, 6, 59, 16}, {0, 0, 16, 20}},
                    ArrangeRow{"taRightTop", taRightTop, {19, 6, 59, 16}, {0, 1, 16, 21}},
                    ArrangeRow{"taTop", taTop, {1, 1, 41, 11}, {12, 12, 28, 32}},
                    ArrangeRow{"taTopLeft", taTopLeft, {1, 1, 41, 11}, {0, 12, 16, 32}},
                    ArrangeRow{"taBottom", taBottom, {1, 23, 41, 33}, {12, 0, 28, 20}},
                    ArrangeRow{"taBottomLeft", taBottomLeft, {1, 23, 41, 33}, {0, 0, 16, 20}}),
    [](const testing::TestParamInfo<ArrangeRow>& info) { return info.param.name; });

struct AlignRow {
  const char* name;
  TVividAlignment alignment;
  Point text_at;  // 41 x 11 text alone in face (10, 20, 110, 70): block 41 x 11
  friend void PrintTo(const AlignRow& row, std::ostream* os) { *os << row.name; }
};

class PlaceCaptionAlignTest : public testing::TestWithParam<AlignRow> {};

TEST_P(PlaceCaptionAlignTest, PlacesTheBlockInTheFace) {
  TVividButtonLayout layout;
  layout.SetAlignment(GetParam().alignment);
  const CaptionPlacement p = PlaceCaption({10, 20, 110, 70}, {41, 11}, {}, 0, layout, false, 0);
  EXPECT_EQ((Point{p.text.left, p.text.top}), GetParam().text_at);
  EXPECT_EQ(p.text.Width(), 41);
  EXPECT_EQ(p.text.Height(), 11);
}

// Centre: (100 - 41) / 2 = 29, (50 - 11) / 2 = 19; right 59, bottom 39; each
// plus the face's corner (10, 20) and (1, 1).
INSTANTIATE_TEST_SUITE_P(AllAlignments, PlaceCaptionAlignTest,
                         testing::Values(AlignRow{"agTopLeft", agTopLeft, {11, 21}},
                                         AlignRow{"agTopCenter", agTopCenter, {40, 21}},
                                         AlignRow{"agTopRight", agTopRight, {70, 21}},
                                         AlignRow{"agCenterLeft", agCenterLeft, {11, 40}},
                                         AlignRow{"agCenter", agCenter, {40, 40}},
                                         AlignRow{"agCenterRight", agCenterRight, {70, 40}},
                                         AlignRow{"agBottomLeft", agBottomLeft, {11, 60}},
                                         AlignRow{"agBottomCenter", agBottomCenter, {40, 60}},
                                         AlignRow{"agBottomRight", agBottomRight, {70, 60}}),
                         [](const testing::TestParamInfo<AlignRow>& info) { return info.param.name; });

TEST(PlaceCaptionTest, TruncatesTowardZeroForACaptionWiderThanTheFace) {
  TVividButtonLayout layout;  // agCenter
  // (10 - 15) / 2 = -2 (not -3), vertically (10 - 13) / 2 = -1.
  const CaptionPlacement p = PlaceCaption({0, 0, 10, 10}, {15, 13}, {}, 0, layout, false, 0);
  EXPECT_EQ(p.text, (Rect{-1, 0, 14, 13}));
}

TEST(PlaceCaptionTest, AddsTheLayoutOffsets) {
  TVividButtonLayout layout;
  layout.SetAlignment(agTopLeft);
  layout.SetOffsetX(3);
  layout.SetOffsetY(-2);
  const CaptionPlacement p = PlaceCaption({0, 0, 100, 50}, {40, 10}, {16, 20}, 2, layout, false, 0);
  EXPECT_EQ(p.text, (Rect{22, 4, 62, 14}));
  EXPECT_EQ(p.glyph, (Rect{3, -2, 19, 18}));
}

struct FlagsRow {
  const char* name;
  TVividAlignment alignment;
  bool multi_line;
  unsigned flags;
};

TEST(PlaceCaptionTest, MultiLineCaptionsWrapAndAlign) {
  const FlagsRow rows[] = {
      {"single line", agBottomRight, false, TextFormat::ExpandTabs},
      {"agTopLeft", agTopLeft, true, TextFormat::ExpandTabs | TextFormat::WordBreak},
      {"agCenter", agCenter, true,
       TextFormat::ExpandTabs | TextFormat::WordBreak | TextFormat::VCenter | TextFormat::Center},
      {"agBottomRight", agBottomRight, true,
       TextFormat::ExpandTabs | TextFormat::WordBreak | TextFormat::Bottom | TextFormat::Right},
      {"agCenterLeft", agCenterLeft, true, TextFormat::ExpandTabs | TextFormat::WordBreak | TextFormat::VCenter},
  };
  for (const FlagsRow& row : rows) {
    SCOPED_TRACE(row.name);
    TVividButtonLayout layout;
    layout.SetAlignment(row.alignment);
    EXPECT_EQ(PlaceCaption({0, 0, 50, 50}, {10, 10}, {}, 0, layout, row.multi_line, 0).draw_flags, row.flags);
  }
}

// ----- Measuring -----

class CaptionMeasureTest : public testing::Test {
 protected:
  CaptionMeasureTest() : image_(10, 10) { image_.canvas().SetFont(FontSpec{"MS Sans Serif", -19, true}); }
  Size Measure(std::string_view text, TVividFxCaption& fx, bool prefix = true) {
    return MeasureEffectText(image_.canvas(), text, 500, fx, {0, prefix, false});
  }
  int Width(std::string_view text) { return image_.canvas().TextWidth(text); }
  int Height() { return image_.canvas().Metrics().height; }
  ImageCanvas image_;
};

TEST_F(CaptionMeasureTest, GrowsByTwoAroundThePlainText) {
  TVividFxCaption fx;
  EXPECT_EQ(Measure("Calculer", fx), (Size{Width("Calculer") + 2, Height() + 2}));
}

TEST_F(CaptionMeasureTest, PrefixTakesNoWidth) {
  TVividFxCaption fx;
  EXPECT_EQ(Measure("&Calculer", fx), Measure("Calculer", fx));
  EXPECT_EQ(Measure("A&&B", fx).cx, Width("A&B") + 2);
  EXPECT_EQ(Measure("&Calculer", fx, false).cx, Width("&Calculer") + 2);
}

TEST_F(CaptionMeasureTest, LoneAmpersandAndEmptyTextMeasureAsABlank) {
  TVividFxCaption fx;
  const Size blank{Width(" ") + 2, Height() + 2};
  EXPECT_EQ(Measure("&", fx), blank);
  EXPECT_EQ(Measure("", fx), blank);
  EXPECT_EQ(Measure("&", fx, false).cx, Width("&") + 2);
}

TEST_F(CaptionMeasureTest, AddsTheEffectMargin) {
  for (int style = tdNone; style <= tdExtrudeEnh; ++style) {
    SCOPED_TRACE(VividName(static_cast<TVividThreeDStyle>(style)));
    TVividFxCaption fx;
    fx.SetLightDepth(2);
    fx.SetShadowDepth(3);
    fx.SetStyle(static_cast<TVividThreeDStyle>(style));
    const int grow = fx.EffectMargin() + 2;
    EXPECT_EQ(Measure("Calculer", fx), (Size{Width("Calculer") + grow, Height() + grow}));
  }
}

TEST_F(CaptionMeasureTest, TracingAddsPixelsBetweenCharacters) {
  TVividFxCaption fx;
  const int plain = Measure("abcd", fx).cx;
  fx.SetTracing(3);
  EXPECT_GE(Measure("abcd", fx).cx, plain + 9);
}

TEST_F(CaptionMeasureTest, ResetsThePositionOfACaptionThatIsNotRotated) {
  TVividFxCaption fx;
  fx.SetMeasuredPos(7, 9);
  Measure("Calculer", fx);
  EXPECT_EQ(fx.PosX(), 0);
  EXPECT_EQ(fx.PosY(), 0);
}

struct RotationRow {
  const char* name;
  int angle;
  bool swaps;  // width and height exchange
};

TEST_F(CaptionMeasureTest, RotatedCaptionsMeasureTheTurnedText) {
  const RotationRow rows[] = {{"90", 90, true}, {"180", 180, false}, {"270", 270, true}};
  TVividFxCaption plain;
  const Size flat = Measure("Calculer", plain);
  for (const RotationRow& row : rows) {
    SCOPED_TRACE(row.name);
    TVividFxCaption fx;
    fx.SetAngle(row.angle);
    const Size turned = Measure("Calculer", fx);
    EXPECT_EQ(turned, row.swaps ? (Size{flat.cy, flat.cx}) : flat);
  }
  // At 90 degrees the run starts at the bottom-left of its box.
  TVividFxCaption up;
  up.SetAngle(90);
  Measure("Calculer", up);
  EXPECT_EQ(up.PosX(), 0);
  EXPECT_EQ(up.PosY(), Width("Calculer"));
}

// ----- Effect passes -----

// Records the text runs a paint draws, on top of a real canvas for metrics.
class RecordingCanvas final : public Canvas {
 public:
  struct Run {
    int x, y;
    TColor color;
    bool stroked;
  };
  explicit RecordingCanvas(Canvas& inner) : inner_(inner) {}
  void FillRect(const Rect& r, TColor c) override { inner_.FillRect(r, c); }
  void InvertPixel(int x, int y) override { inner_.InvertPixel(x, y); }
  void FillPolygon(std::span<const Point> p, TColor c) override { inner_.FillPolygon(p, c); }
  void SetFont(const FontSpec& f) override { inner_.SetFont(f); }
  const FontSpec& Font() const override { return inner_.Font(); }
  FontMetrics Metrics() override { return inner_.Metrics(); }
  void SetCharExtra(int p) override {
    char_extra.push_back(p);
    inner_.SetCharExtra(p);
  }
  int TextWidth(std::string_view t) override { return inner_.TextWidth(t); }
  std::vector<int> PrefixWidths(std::string_view t, std::span<const std::size_t> e) override {
    return inner_.PrefixWidths(t, e);
  }
  void DrawTextRun(int x, int y, std::string_view, TColor c, int) override { runs.push_back({x, y, c, false}); }
  void StrokeText(int x, int y, std::string_view, TColor c, int w) override {
    runs.push_back({x, y, c, true});
    pen_width = w;
  }
  void StretchBitmap(const BitmapView& s, const Rect& d, StretchMode m) override { inner_.StretchBitmap(s, d, m); }
  void DrawBitmap(const BitmapView& s, Point at, const Rgb* t) override { inner_.DrawBitmap(s, at, t); }
  int BitsPerPixel() const override { return inner_.BitsPerPixel(); }
  void Save() override { inner_.Save(); }
  void Restore() override { inner_.Restore(); }
  void Translate(int dx, int dy) override { inner_.Translate(dx, dy); }
  void IntersectClip(const Rect& r) override { inner_.IntersectClip(r); }

  std::vector<Run> runs;
  std::vector<int> char_extra;
  int pen_width = 0;

 private:
  Canvas& inner_;
};

struct Pass {
  int dx, dy;
  TColor color;
  friend bool operator==(const Pass&, const Pass&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Pass& p) {
    return os << "(" << p.dx << "," << p.dy << " 0x" << std::hex << p.color << std::dec << ")";
  }
};

struct EffectRow {
  const char* name;
  TVividThreeDStyle style;
  bool enabled;
  TVividDisabledStyle disabled_style;
  std::vector<Pass> passes;  // offsets from the text rectangle's corner (100, 50)
  friend void PrintTo(const EffectRow& row, std::ostream* os) { *os << row.name; }
};

constexpr TColor kFont = clLime;
constexpr TColor kFace = clNavy;
constexpr TColor kLight = clWhite;
constexpr TColor kShade = clRed;

// The runs "Calculer" gives in rectangle (100, 50, 300, 80), enabled or not.
struct Recorded {
  std::vector<RecordingCanvas::Run> runs;
  int pen_width = 0;
};
Recorded Record(const TVividFxCaption& fx, bool enabled = true) {
  ImageCanvas image(10, 10);
  RecordingCanvas canvas(image.canvas());
  canvas.SetFont(FontSpec{"Arial", -13});
  DrawEffectText(canvas, "Calculer", {100, 50, 300, 80}, 0, fx, enabled, kFont, kFace);
  return {canvas.runs, canvas.pen_width};
}

class EffectPassTest : public testing::TestWithParam<EffectRow> {};

// L = 2, S = 3; offsets add up from pass to pass.
TEST_P(EffectPassTest, DrawsThePassesInOrder) {
  const EffectRow& row = GetParam();
  TVividFxCaption fx;
  fx.SetStyle(row.style);
  fx.SetDisabledStyle(row.disabled_style);
  fx.SetLightDepth(2);
  fx.SetShadowDepth(3);
  fx.SetLightColor(kLight);
  fx.SetShadowColor(kShade);
  std::vector<Pass> passes;
  for (const auto& r : Record(fx, row.enabled).runs) passes.push_back({r.x - 100, r.y - 50, r.color});
  EXPECT_EQ(passes, row.passes);
}

INSTANTIATE_TEST_SUITE_P(
    AllEffects, EffectPassTest,
    testing::Values(
        EffectRow{"tdNone", tdNone, true, dsAuto, {{0, 0, kFont}}},
        EffectRow{"tdSunken", tdSunken, true, dsAuto, {{2, 2, kLight}, {0, 0, kFont}}},
        EffectRow{"tdRaised", tdRaised, true, dsAuto, {{0, 0, kLight}, {2, 2, kFont}}},
        EffectRow{"tdSunkenShadow", tdSunkenShadow, true, dsAuto, {{0, 0, kShade}, {5, 5, kLight}, {3, 3, kFont}}},
        EffectRow{"tdPColorSunken", tdPColorSunken, true, dsAuto, {{0, 0, kShade}, {5, 5, kLight}, {3, 3, kFace}}},
        EffectRow{"tdRaisedShadow", tdRaisedShadow, true, dsAuto, {{5, 5, kShade}, {0, 0, kLight}, {2, 2, kFont}}},
        EffectRow{"tdPColorRaised", tdPColorRaised, true, dsAuto, {{5, 5, kShade}, {0, 0, kLight}, {2, 2, kFace}}},
        EffectRow{"tdShadow", tdShadow, true, dsAuto, {{3, 3, kShade}, {0, 0, kFont}}},
        EffectRow{"DisabledAuto", tdNone, false, dsAuto, {{2, 2, kLight}, {0, 0, clGrayText}}},
        EffectRow{"Disabled3d", tdShadow, false, ds3d, {{2, 2, kLight}, {0, 0, clGrayText}}},
        EffectRow{"DisabledStandardKeepsEffect", tdShadow, false, dsStandard, {{3, 3, kShade}, {0, 0, clGrayText}}},
        EffectRow{"DisabledNoneKeepsColour", tdNone, false, dsNone, {{0, 0, kFont}}},
        EffectRow{"DisabledNoneParentColour", tdPColorRaised, false, dsNone,
                  {{5, 5, kShade}, {0, 0, kLight}, {2, 2, kFace}}}),
    [](const testing::TestParamInfo<EffectRow>& info) { return info.param.name; });

TEST(EffectTextTest, OutlineStrokesWithThePenOfTheShadowDepth) {
  TVividFxCaption fx;
  fx.SetStyle(tdOutline);
  fx.SetShadowDepth(4);
  const Recorded out = Record(fx);
  ASSERT_EQ(out.runs.size(), 1u);
  EXPECT_TRUE(out.runs[0].stroked);
  EXPECT_EQ(out.runs[0].x, 102);
  EXPECT_EQ(out.runs[0].y, 52);
  EXPECT_EQ(out.runs[0].color, kFont);
  EXPECT_EQ(out.pen_width, 4);
}

struct ExtrudeRow {
  const char* name;
  TVividThreeDOrientation orientation;
  Point step;  // from one copy to the next farther one
};

TEST(EffectTextTest, ExtrusionStepsTowardsTheOrientation) {
  const ExtrudeRow rows[] = {{"toTopLeft", toTopLeft, {-1, -1}},
                             {"toTopRight", toTopRight, {1, -1}},
                             {"toBottomLeft", toBottomLeft, {-1, 1}},
                             {"toBottomRight", toBottomRight, {1, 1}}};
  for (const ExtrudeRow& row : rows) {
    SCOPED_TRACE(row.name);
    TVividFxCaption fx;
    fx.SetStyle(tdExtrude);
    fx.SetShadowDepth(3);
    fx.SetOrientation(row.orientation);
    const std::vector<RecordingCanvas::Run> runs = Record(fx).runs;
    ASSERT_EQ(runs.size(), 4u);  // three copies, then the text
    const auto& text = runs[3];
    EXPECT_EQ(text.color, kFont);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(runs[static_cast<std::size_t>(i)].x - text.x, (3 - i) * row.step.x);
      EXPECT_EQ(runs[static_cast<std::size_t>(i)].y - text.y, (3 - i) * row.step.y);
      EXPECT_EQ(runs[static_cast<std::size_t>(i)].color, clBtnShadow);
    }
    // Every copy stays inside the rectangle's corner.
    for (const auto& r : runs) {
      EXPECT_GE(r.x, 100);
      EXPECT_GE(r.y, 50);
    }
  }
}

TEST(EffectTextTest, EnhancedExtrusionGradesFromShadowToLight) {
  TVividFxCaption fx;
  fx.SetStyle(tdExtrudeEnh);
  fx.SetShadowDepth(3);
  fx.SetShadowColor(clBlack);
  fx.SetLightColor(clWhite);
  const std::vector<RecordingCanvas::Run> runs = Record(fx).runs;
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].color, clBlack);
  EXPECT_EQ(runs[1].color, RgbColor(127, 127, 127));
  EXPECT_EQ(runs[2].color, clWhite);
}

TEST(EffectTextTest, DrawsNothingForAnEmptyTextOrRectangle) {
  ImageCanvas image(10, 10);
  RecordingCanvas canvas(image.canvas());
  TVividFxCaption fx;
  DrawEffectText(canvas, "", {0, 0, 50, 20}, 0, fx, true, kFont, kFace);
  DrawEffectText(canvas, "x", {0, 0, 0, 20}, 0, fx, true, kFont, kFace);
  EXPECT_TRUE(canvas.runs.empty());
}

TEST(EffectTextTest, TracingIsSetForThePassesAndResetAfter) {
  ImageCanvas image(10, 10);
  RecordingCanvas canvas(image.canvas());
  TVividFxCaption fx;
  fx.SetTracing(4);
  DrawEffectText(canvas, "abc", {0, 0, 100, 20}, 0, fx, true, kFont, kFace);
  ASSERT_FALSE(canvas.char_extra.empty());
  EXPECT_EQ(canvas.char_extra.front(), 4);
}

TEST(EffectTextTest, AmpersandUnderlinesTheNextCharacterAndIsNotDrawn) {
  // Drawn on a white image: the prefixed caption shows an underline row that
  // the plain caption lacks, and is no wider.
  auto render = [](std::string_view text) {
    ImageCanvas image(120, 30, clWhite);
    image.canvas().SetFont(FontSpec{"Arial", -19, true});
    TVividFxCaption fx;
    DrawEffectText(image.canvas(), text, {0, 0, 120, 30}, 0, fx, true, clBlack, clWhite);
    return image.image().copy();
  };
  const QImage plain = render("Calculer");
  const QImage prefixed = render("&Calculer");
  const Rect plain_ink = testing_support::InkBox(plain, [](Rgb c) { return c.r < 100; });
  const Rect prefixed_ink = testing_support::InkBox(prefixed, [](Rgb c) { return c.r < 100; });
  // The underline spans the "C"'s whole advance, one pixel more than its ink.
  EXPECT_LE(std::abs(prefixed_ink.left - plain_ink.left), 1);
  EXPECT_EQ(prefixed_ink.right, plain_ink.right);
  EXPECT_GT(prefixed_ink.bottom, plain_ink.bottom);  // the underline lies below the letters
}

}  // namespace
}  // namespace anod
