#include "platform/draw_text.h"

#include <gtest/gtest.h>

#include "platform/qt/qt_canvas.h"

namespace anod {
namespace {

FontSpec WindowFont() { return FontSpec{}; }

FontSpec StepTextFont() {
  FontSpec font;
  font.height = -21;
  font.bold = true;
  return font;
}

TEST(FontMappingTest, WindowFontZeroIsThirteenPixelsHigh) {
  ImageCanvas image(10, 10);
  image.canvas().SetFont(WindowFont());
  EXPECT_EQ(image.canvas().Metrics().height, 13);
}

TEST(FontMappingTest, ResultCaptionFitsItsLabel) {
  ImageCanvas image(10, 10);
  FontSpec result;
  result.height = -19;
  result.bold = true;
  image.canvas().SetFont(result);
  EXPECT_LE(image.canvas().TextWidth(" 244.92 Cm\xB2 "), 129);
}

struct LayoutCase {
  const char* name;
  const char* text;
  int width;
  unsigned flags;
  std::vector<std::string> lines;
  friend void PrintTo(const LayoutCase& row, std::ostream* os) { *os << row.name; }
};

class LayoutTextTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTextTest, SplitsAndWrapsAsThePlatform) {
  const LayoutCase& row = GetParam();
  ImageCanvas image(10, 10);
  image.canvas().SetFont(StepTextFont());
  std::vector<std::string> got;
  for (const TextLine& line : LayoutText(image.canvas(), row.text, row.width, row.flags)) got.push_back(line.text);
  EXPECT_EQ(got, row.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LayoutTextTest,
    testing::Values(LayoutCase{"CrLfStartsLines",
                               "FIXATION\r\nEau bouillante pendant\r\n10 \xE0 30mn",
                               241,
                               TextFormat::WordBreak,
                               {"FIXATION", "Eau bouillante pendant", "10 \xE0 30mn"}},
                    LayoutCase{"LeadingSpaceKept", " pendant 15", 241, TextFormat::WordBreak, {" pendant 15"}},
                    LayoutCase{"WrapsAtSpaces", "aaa bbb ccc", 1, TextFormat::WordBreak, {"aaa", "bbb", "ccc"}},
                    LayoutCase{"NoWrapWithoutWordBreak", "aaa bbb ccc", 1, 0, {"aaa bbb ccc"}},
                    LayoutCase{"SingleLineKeepsBreaks", "a\r\nb", 100, TextFormat::SingleLine, {"a\r\nb"}},
                    LayoutCase{"PrefixResolved", "&Calculer", 200, 0, {"Calculer"}},
                    LayoutCase{"DoubleAmpersand", "A && B", 200, 0, {"A & B"}},
                    LayoutCase{"NoPrefixKeepsAmpersand", "A & B", 200, TextFormat::NoPrefix, {"A & B"}},
                    LayoutCase{"EmptyTextIsOneLine", "", 200, TextFormat::WordBreak, {""}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(DrawFormattedTextTest, CalcRectMeasuresWidestLineAndLineHeights) {
  ImageCanvas image(10, 10);
  image.canvas().SetFont(StepTextFont());
  const int line = image.canvas().Metrics().height;
  Rect r{5, 7, 500, 7};
  const int height = DrawFormattedText(image.canvas(), "a\r\nlonger line\r\nb", r, TextFormat::CalcRect, clBlack);
  EXPECT_EQ(height, 3 * line);
  EXPECT_EQ(r.bottom, 7 + 3 * line);
  EXPECT_EQ(r.right - r.left, image.canvas().TextWidth("longer line"));
}

TEST(DrawFormattedTextTest, RightAlignedTextLosesItsBeginningToTheClip) {
  ImageCanvas image(60, 20, clWhite);
  Canvas& canvas = image.canvas();
  FontSpec font = StepTextFont();
  canvas.SetFont(font);
  Rect r{10, 0, 40, 20};
  DrawFormattedText(canvas, "WWWWWWWWWW", r, TextFormat::Right, clBlack);
  // Nothing is drawn outside the rectangle; its right part is inked.
  bool inked_inside = false;
  for (int y = 0; y < 20; ++y) {
    EXPECT_EQ(image.Pixel(5, y), (Rgb{255, 255, 255})) << y;
    EXPECT_EQ(image.Pixel(45, y), (Rgb{255, 255, 255})) << y;
    if (image.Pixel(35, y).r < 128) inked_inside = true;
  }
  EXPECT_TRUE(inked_inside);
}

TEST(DrawFormattedTextTest, PrefixUnderlinesTheNextCharacter) {
  ImageCanvas with(80, 30, clWhite);
  ImageCanvas without(80, 30, clWhite);
  for (ImageCanvas* image : {&with, &without}) image->canvas().SetFont(WindowFont());
  Rect a{0, 0, 80, 30};
  Rect b{0, 0, 80, 30};
  DrawFormattedText(with.canvas(), "&x", a, 0, clBlack);
  DrawFormattedText(without.canvas(), "x", b, 0, clBlack);
  EXPECT_NE(with.image(), without.image());
}

// Wrapping measures a paragraph once and reads its words' widths from it, so
// each prefix must measure as that prefix alone would.
TEST(PrefixWidthsTest, EachPrefixMeasuresAsItselfAlone) {
  FontSpec result_font;
  result_font.height = -19;
  result_font.bold = true;
  FontSpec black_face;
  black_face.name = "Arial Black";
  black_face.height = -16;
  const struct {
    const char* text;
    FontSpec font;
    int char_extra;
  } rows[] = {
      {"Eau bouillante pendant 10 \xE0 30mn, fixation", StepTextFont(), 0},
      {" 244.92 Cm\xB2 ", result_font, 0},
      {"Rayon de la sph\xE8re: office fiable", WindowFont(), 0},
      {"CALCULER LA SURFACE", black_face, 0},
      {"Calculer la surface", WindowFont(), 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    ImageCanvas image(10, 10);
    Canvas& canvas = image.canvas();
    canvas.SetFont(row.font);
    canvas.SetCharExtra(row.char_extra);
    const std::string text = row.text;
    std::vector<std::size_t> ends;
    for (std::size_t e = 1; e <= text.size(); ++e) ends.push_back(e);
    const std::vector<int> widths = canvas.PrefixWidths(text, ends);
    ASSERT_EQ(widths.size(), ends.size());
    for (std::size_t i = 0; i < ends.size(); ++i) EXPECT_EQ(widths[i], canvas.TextWidth(text.substr(0, ends[i]))) << ends[i];
  }
}

}  // namespace
}  // namespace anod
