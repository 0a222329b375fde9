#include "platform/edges.h"

#include <gtest/gtest.h>

#include "platform/qt/qt_canvas.h"

namespace anod {
namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kShadow{128, 128, 128};
const Rgb kFace{212, 208, 200};
const Rgb kBlack{0, 0, 0};

struct EdgePixel {
  const char* name;
  unsigned edge;
  Point at;
  Rgb expected;
  friend void PrintTo(const EdgePixel& row, std::ostream* os) { *os << row.name; }
};

class DrawEdgeTest : public testing::TestWithParam<EdgePixel> {};

// A 10 x 10 face-coloured square with one edge drawn on it.
TEST_P(DrawEdgeTest, ColoursTheRingAsThePlatformDoes) {
  const EdgePixel& row = GetParam();
  ImageCanvas image(10, 10, clBtnFace);
  Rect r{0, 0, 10, 10};
  DrawEdge(image.canvas(), r, row.edge);
  EXPECT_EQ(image.Pixel(row.at.x, row.at.y), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Pixels, DrawEdgeTest,
                         testing::Values(EdgePixel{"RaisedInnerTopLeft", Edge::RaisedInner, {0, 0}, kWhite},
                                         EdgePixel{"RaisedInnerTop", Edge::RaisedInner, {5, 0}, kWhite},
                                         EdgePixel{"RaisedInnerLeft", Edge::RaisedInner, {0, 5}, kWhite},
                                         EdgePixel{"RaisedInnerBottomLeftCorner", Edge::RaisedInner, {0, 9}, kShadow},
                                         EdgePixel{"RaisedInnerTopRightCorner", Edge::RaisedInner, {9, 0}, kShadow},
                                         EdgePixel{"RaisedInnerBottomRight", Edge::RaisedInner, {9, 9}, kShadow},
                                         EdgePixel{"RaisedInnerInside", Edge::RaisedInner, {1, 1}, kFace},
                                         EdgePixel{"SunkenOuterTopLeft", Edge::SunkenOuter, {0, 0}, kShadow},
                                         EdgePixel{"SunkenOuterBottom", Edge::SunkenOuter, {5, 9}, kWhite},
                                         EdgePixel{"SunkenOuterRight", Edge::SunkenOuter, {9, 5}, kWhite},
                                         EdgePixel{"EdgeSunkenInnerTop", Edge::Sunken, {5, 1}, Rgb{64, 64, 64}},
                                         EdgePixel{"EdgeSunkenInnerBottom", Edge::Sunken, {5, 8}, kFace},
                                         EdgePixel{"EdgeSunkenCentre", Edge::Sunken, {5, 5}, kFace}),
                         [](const testing::TestParamInfo<EdgePixel>& info) { return info.param.name; });

TEST(DrawEdgeTest, ShrinksTheRectanglePastEachRing) {
  ImageCanvas image(10, 10);
  Rect one{0, 0, 10, 10};
  DrawEdge(image.canvas(), one, Edge::SunkenOuter);
  EXPECT_EQ(one, (Rect{1, 1, 9, 9}));
  Rect two{0, 0, 10, 10};
  DrawEdge(image.canvas(), two, Edge::Sunken);
  EXPECT_EQ(two, (Rect{2, 2, 8, 8}));
}

TEST(DrawFocusRectTest, InvertsEveryOtherRingPixelAndUndoesItself) {
  ImageCanvas image(8, 6, clBlack);
  DrawFocusRect(image.canvas(), {0, 0, 8, 6});
  EXPECT_EQ(image.Pixel(0, 0), kWhite);
  EXPECT_EQ(image.Pixel(1, 0), kBlack);
  EXPECT_EQ(image.Pixel(2, 0), kWhite);
  EXPECT_EQ(image.Pixel(0, 2), kWhite);
  EXPECT_EQ(image.Pixel(7, 4), kBlack);  // 7 + 4 is odd
  EXPECT_EQ(image.Pixel(7, 5), kWhite);
  EXPECT_EQ(image.Pixel(2, 2), kBlack);  // inside the ring

  ImageCanvas twice(8, 6, clBlack);
  DrawFocusRect(twice.canvas(), {0, 0, 8, 6});
  DrawFocusRect(twice.canvas(), {0, 0, 8, 6});
  for (int x = 0; x < 8; ++x) EXPECT_EQ(twice.Pixel(x, 0), kBlack) << x;
}

TEST(FrameRectTest, OutlinesOnlyTheOuterRing) {
  ImageCanvas image(6, 6, clWhite);
  FrameRect(image.canvas(), {0, 0, 6, 6}, clBlack);
  EXPECT_EQ(image.Pixel(0, 3), kBlack);
  EXPECT_EQ(image.Pixel(5, 5), kBlack);
  EXPECT_EQ(image.Pixel(1, 1), kWhite);
}

}  // namespace
}  // namespace anod
