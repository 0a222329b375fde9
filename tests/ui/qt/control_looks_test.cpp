// The look of each kind of control, drawn into an image and checked by pixel.
#include "ui/control_looks.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/draw_text.h"
#include "platform/qt/qt_canvas.h"

namespace anod {
namespace {

Rgb C(TColor color) { return ColorToRgb(color); }

// A colour that no look uses, so untouched pixels stand out.
constexpr TColor kBackground = RgbColor(1, 2, 3);

struct PixelCase {
  const char* name;
  int x, y;
  TColor expected;
};

void CheckPixels(ImageCanvas& image, std::initializer_list<PixelCase> cases) {
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(image.Pixel(c.x, c.y), C(c.expected)) << "at " << c.x << "," << c.y;
  }
}

TEST(BevelLookTest, RaisedBoxFollowsTheCornerRule) {
  ImageCanvas image(7, 5, kBackground);
  PaintBoxBevel(image.canvas(), {7, 5}, true);
  CheckPixels(image, {{"TopLeft", 0, 0, clBtnHighlight},
                      {"TopRow", 3, 0, clBtnHighlight},
                      {"TopRightCorner", 6, 0, clBtnShadow},
                      {"LeftColumn", 0, 2, clBtnHighlight},
                      {"BottomLeftCorner", 0, 4, clBtnHighlight},
                      {"BottomRow", 3, 4, clBtnShadow},
                      {"RightColumn", 6, 2, clBtnShadow},
                      {"BottomRight", 6, 4, clBtnShadow},
                      {"InsideUntouched", 3, 2, kBackground},
                      {"InsideNearEdge", 1, 1, kBackground}});
}

TEST(ShapeLookTest, BlackRingMoneyGreenInside) {
  ImageCanvas image(9, 9, kBackground);
  PaintRectangleShape(image.canvas(), {9, 9}, clBlack, 1, clMoneyGreen, false);
  CheckPixels(image, {{"TopLeft", 0, 0, clBlack},
                      {"Right", 8, 4, clBlack},
                      {"Bottom", 4, 8, clBlack},
                      {"InsideCorner", 1, 1, clMoneyGreen},
                      {"Centre", 4, 4, clMoneyGreen},
                      {"InsideFar", 7, 7, clMoneyGreen}});
}

TEST(PanelLookTest, ThreeRaisedThenThreeLoweredRings) {
  PanelLook look;
  look.bevel_width = 3;
  look.has_inner = true;
  look.color = clSkyBlue;
  ImageCanvas image(40, 30, kBackground);
  PaintPanel(image.canvas(), {40, 30}, look);
  CheckPixels(image, {{"Ring0TopLeft", 0, 0, clBtnHighlight},
                      {"Ring0TopRight", 39, 0, clBtnShadow},
                      {"Ring0BottomLeft", 0, 29, clBtnShadow},
                      {"Ring0Top", 20, 0, clBtnHighlight},
                      {"Ring2Left", 2, 15, clBtnHighlight},
                      {"Ring2Right", 37, 15, clBtnShadow},
                      {"Ring3TopLeft", 3, 3, clBtnShadow},
                      {"Ring3TopRight", 36, 3, clBtnHighlight},
                      {"Ring3BottomLeft", 3, 26, clBtnHighlight},
                      {"Ring5Bottom", 20, 24, clBtnHighlight},
                      {"Ring5Left", 5, 15, clBtnShadow},
                      {"InteriorCorner", 6, 6, clSkyBlue},
                      {"InteriorFar", 33, 23, clSkyBlue}});
  EXPECT_EQ(PanelInterior({40, 30}, look), (Rect{6, 6, 34, 24}));
}

int FirstInkRow(const QImage& image, const Rect& area, QRgb paper) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (image.pixel(x, y) != paper) return y;
    }
  }
  return -1;
}

int LastInkRow(const QImage& image, const Rect& area, QRgb paper) {
  for (int y = area.bottom - 1; y >= area.top; --y) {
    for (int x = area.left; x < area.right; ++x) {
      if (image.pixel(x, y) != paper) return y;
    }
  }
  return -1;
}

TEST(PanelLookTest, CaptionSitsOnTheLineOfW) {
  PanelLook look;
  look.bevel_width = 2;
  look.has_inner = true;
  look.color = clSkyBlue;
  look.caption = "Panel2";
  ImageCanvas image(241, 201, kBackground);
  image.canvas().SetFont(look.font);
  const int f = image.canvas().Metrics().height;
  PaintPanel(image.canvas(), {241, 201}, look);
  const QRgb paper = ToQColor(clSkyBlue).rgb();
  const Rect interior{4, 4, 237, 197};
  const int top = (4 + 197 - f) / 2;
  EXPECT_GE(FirstInkRow(image.image(), interior, paper), top);
  EXPECT_LT(LastInkRow(image.image(), interior, paper), top + f);
  EXPECT_NE(FirstInkRow(image.image(), interior, paper), -1);
}

TEST(StaticTextLookTest, OnePixelSunkenEdgeAndCentredCaption) {
  FontSpec font;
  font.height = -16;
  font.bold = true;
  ImageCanvas image(233, 24, kBackground);
  PaintStaticText(image.canvas(), {233, 24}, "CYLINDRE", clSkyBlue, font);
  CheckPixels(image, {{"TopLeft", 0, 0, clBtnShadow},
                      {"Top", 100, 0, clBtnShadow},
                      {"Left", 0, 12, clBtnShadow},
                      {"TopRight", 232, 0, clBtnHighlight},
                      {"Right", 232, 12, clBtnHighlight},
                      {"Bottom", 100, 23, clBtnHighlight},
                      {"BottomLeft", 0, 23, clBtnHighlight},
                      {"InsideCorner", 1, 1, clSkyBlue}});
  // The caption is centred across: as much paper on its left as on its right.
  const QImage& img = image.image();
  const QRgb paper = ToQColor(clSkyBlue).rgb();
  int first = -1, last = -1;
  for (int x = 1; x < 232; ++x) {
    for (int y = 1; y < 23; ++y) {
      if (img.pixel(x, y) != paper) {
        if (first < 0) first = x;
        last = x;
      }
    }
  }
  ASSERT_GT(first, 0);
  EXPECT_LE(std::abs((first - 1) - (231 - last)), 3);
}

TEST(PushButtonLookTest, ReleasedHasTwoRaisedRingsOnTheFace) {
  FontSpec font;
  ImageCanvas image(233, 33, kBackground);
  PaintPushButton(image.canvas(), {233, 33}, {"Calculer la surface", font, false, false});
  CheckPixels(image, {{"OuterTopLeft", 0, 0, clBtnHighlight},
                      {"OuterLeft", 0, 16, clBtnHighlight},
                      {"OuterTopRight", 232, 0, cl3DDkShadow},
                      {"OuterBottom", 100, 32, cl3DDkShadow},
                      {"InnerTopLeft", 1, 1, cl3DLight},
                      {"InnerRight", 231, 16, clBtnShadow},
                      {"InnerBottom", 100, 31, clBtnShadow},
                      {"Face", 2, 2, clBtnFace},
                      {"FaceRight", 230, 16, clBtnFace}});
}

TEST(PushButtonLookTest, FocusedAddsAFrameAndTheDottedRectangle) {
  FontSpec font;
  ImageCanvas image(40, 20, kBackground);
  PaintPushButton(image.canvas(), {40, 20}, {"", font, false, true});
  CheckPixels(image, {{"Frame", 0, 0, clWindowFrame},
                      {"FrameBottom", 20, 19, clWindowFrame},
                      {"OuterRing", 1, 1, clBtnHighlight},
                      {"InnerRing", 2, 2, cl3DLight},
                      {"FocusGap", 5, 4, clBtnFace}});
  // The focus rectangle inverts the face on every other pixel (even x + y).
  const Rgb face = C(clBtnFace);
  EXPECT_EQ(image.Pixel(4, 4), (Rgb{static_cast<std::uint8_t>(255 - face.r), static_cast<std::uint8_t>(255 - face.g),
                                   static_cast<std::uint8_t>(255 - face.b)}));
}

TEST(PushButtonLookTest, PressedHasOneShadowRing) {
  FontSpec font;
  ImageCanvas image(40, 20, kBackground);
  PaintPushButton(image.canvas(), {40, 20}, {"", font, true, false});
  CheckPixels(image, {{"Frame", 0, 0, clWindowFrame},
                      {"ShadowRing", 1, 1, clBtnShadow},
                      {"ShadowRingBottomRight", 38, 18, clBtnShadow},
                      {"Face", 2, 2, clBtnFace}});
}

TEST(EditLookTest, TwoPixelSunkenClientEdge) {
  ImageCanvas image(81, 28, kBackground);
  PaintSunkenClientEdge(image.canvas(), {81, 28});
  CheckPixels(image, {{"OuterTopLeft", 0, 0, clBtnShadow},
                      {"OuterBottomRight", 80, 27, clBtnHighlight},
                      {"InnerTopLeft", 1, 1, cl3DDkShadow},
                      {"InnerBottomRight", 79, 26, cl3DLight},
                      {"Inside", 2, 2, kBackground}});
}

// --- Labels ---------------------------------------------------------------------

LabelLook ResultLabel(std::string caption) {
  LabelLook look;
  look.caption = std::move(caption);
  look.color = clWhite;
  look.font.height = -19;
  look.font.bold = true;
  look.alignment = TextAlignment::RightJustify;
  return look;
}

QImage Render(const LabelLook& look, int w, int h) {
  ImageCanvas image(w, h, kBackground);
  PaintLabel(image.canvas(), {w, h}, look);
  return image.image().copy();
}

bool HasInk(const QImage& image, QRgb paper) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != paper) return true;
    }
  }
  return false;
}

TEST(LabelLookTest, FillsTheWholeRectangleWithItsColour) {
  const QImage img = Render(ResultLabel(""), 129, 25);
  EXPECT_FALSE(HasInk(img, ToQColor(clWhite).rgb()));
}

TEST(LabelLookTest, RightJustifiedTextWiderThanTheLabelLosesItsBeginning) {
  const LabelLook look = ResultLabel(" 1234567890.12 Cm\xB2 ");
  const QImage wide = Render(look, 300, 25);
  const QImage narrow = Render(look, 60, 25);
  // The narrow label shows the last 60 columns of the wide one.
  EXPECT_EQ(narrow, wide.copy(240, 0, 60, 25));
  EXPECT_TRUE(HasInk(narrow, ToQColor(clWhite).rgb()));
}

TEST(LabelLookTest, CentredTextWiderThanTheLabelIsCutOnBothSides) {
  LabelLook look = ResultLabel("123456789 mA");
  look.alignment = TextAlignment::Center;
  look.font.height = -24;
  const QImage wide = Render(look, 400, 33);
  const QImage narrow = Render(look, 61, 33);
  ImageCanvas measure(1, 1);
  measure.canvas().SetFont(look.font);
  const int w = measure.canvas().TextWidth(look.caption);
  ASSERT_GT(w, 61);
  const int wide_x = (400 - w) / 2;
  const int narrow_x = (61 - w) / 2;  // negative, truncated toward zero
  EXPECT_EQ(narrow, wide.copy(wide_x - narrow_x, 0, 61, 33));
}

TEST(LabelLookTest, CentredLayoutOfATallTextStartsAboveTheTop) {
  LabelLook look;
  look.caption = "UN\r\nDEUX\r\nTROIS\r\nQUATRE\r\nCINQ";
  look.color = clSilver;
  look.font.height = -21;
  look.font.bold = true;
  look.alignment = TextAlignment::Center;
  look.layout = TextLayout::Center;
  look.word_wrap = true;
  ImageCanvas measure(1, 1);
  measure.canvas().SetFont(look.font);
  const int h = 5 * measure.canvas().Metrics().height;
  const QImage full = Render(look, 241, h);
  const QImage cut = Render(look, 241, 97);
  const int top = (97 - h) / 2;  // negative: truncated toward zero
  ASSERT_LT(top, 0);
  EXPECT_EQ(cut, full.copy(0, -top, 241, 97));
  EXPECT_EQ(CenteredTextTop(97, 120), -11);
  EXPECT_EQ(CenteredTextTop(137, 96), 20);
}

TEST(LabelLookTest, TabsExpandToEightAverageCharacters) {
  LabelLook look = ResultLabel("\tX");
  look.alignment = TextAlignment::LeftJustify;
  const QImage tabbed = Render(look, 200, 25);
  look.caption = "X";
  const QImage plain = Render(look, 200, 25);
  ImageCanvas measure(1, 1);
  measure.canvas().SetFont(look.font);
  const int stop = 8 * measure.canvas().Metrics().average_char_width;
  EXPECT_EQ(tabbed.copy(stop, 0, 200 - stop, 25), plain.copy(0, 0, 200 - stop, 25));
}

TEST(LabelLookTest, CrLfStartsANewLine) {
  LabelLook look = ResultLabel("X\r\nX");
  look.alignment = TextAlignment::LeftJustify;
  ImageCanvas measure(1, 1);
  measure.canvas().SetFont(look.font);
  const int fh = measure.canvas().Metrics().height;
  const QImage two = Render(look, 60, 2 * fh);
  look.caption = "X";
  const QImage one = Render(look, 60, fh);
  EXPECT_EQ(two.copy(0, 0, 60, fh), one);
  EXPECT_EQ(two.copy(0, fh, 60, fh), one);
}

TEST(LabelLookTest, WordWrapBreaksAtSpaces) {
  LabelLook look = ResultLabel("Eau bouillante pendant");
  look.alignment = TextAlignment::LeftJustify;
  look.word_wrap = true;
  ImageCanvas measure(1, 1);
  measure.canvas().SetFont(look.font);
  const int fh = measure.canvas().Metrics().height;
  const int width = measure.canvas().TextWidth("Eau bouillante") + 2;
  const QImage wrapped = Render(look, width, 2 * fh);
  look.caption = "Eau bouillante\r\npendant";
  look.word_wrap = false;
  EXPECT_EQ(wrapped, Render(look, width, 2 * fh));
}

TEST(LabelLookTest, AmpersandUnderlinesTheNextCharacter) {
  LabelLook look = ResultLabel("&R");
  look.alignment = TextAlignment::LeftJustify;
  const QImage marked = Render(look, 40, 25);
  look.caption = "R";
  const QImage plain = Render(look, 40, 25);
  EXPECT_NE(marked, plain);
  // Every ink pixel of the plain "R" is ink in the underlined one too.
  const QRgb paper = ToQColor(clWhite).rgb();
  int extra = 0;
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (plain.pixel(x, y) != paper) {
        EXPECT_EQ(marked.pixel(x, y), plain.pixel(x, y));
      }
      if (plain.pixel(x, y) == paper && marked.pixel(x, y) != paper) ++extra;
    }
  }
  EXPECT_GT(extra, 3);
  look.caption = "&R";
  look.show_accel_char = false;
  EXPECT_NE(Render(look, 40, 25), marked);
}

}  // namespace
}  // namespace anod
