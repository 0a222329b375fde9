#include "pictures/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/failures.h"
#include "platform/qt/qt_canvas.h"
#include "tests/pictures/test_streams.h"

namespace anod {
namespace {

TEST(ChooseStretchModeTest, HalftoneOnlyForShallowDestinations) {
  const struct {
    int destination, bitmap;
    StretchMode expected;
  } rows[] = {
      {8, 24, StretchMode::Halftone},     {4, 8, StretchMode::Halftone},      {8, 8, StretchMode::ColorOnColor},
      {16, 24, StretchMode::ColorOnColor}, {24, 24, StretchMode::ColorOnColor}, {32, 24, StretchMode::ColorOnColor},
      {32, 8, StretchMode::ColorOnColor},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.destination) + " on " + std::to_string(row.bitmap));
    EXPECT_EQ(ChooseStretchMode(row.destination, row.bitmap), row.expected);
  }
}

TEST(BitmapTest, RowsArePaddedAndBoundsChecked) {
  const struct {
    TPixelFormat format;
    int width, height;
    std::ptrdiff_t stride;
  } rows[] = {
      {TPixelFormat::pf24bit, 3, 2, 12}, {TPixelFormat::pf24bit, 4, 1, 12}, {TPixelFormat::pf8bit, 5, 3, 8},
      {TPixelFormat::pf8bit, 8, 1, 8},   {TPixelFormat::pf24bit, 289, 289, 868},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
    TBitmap b;
    b.SetPixelFormat(row.format);
    b.SetSize(row.width, row.height);
    EXPECT_EQ(b.Stride(), row.stride);
    EXPECT_EQ(b.ScanLine(row.height - 1) - b.ScanLine(0), row.stride * (row.height - 1));
    EXPECT_EQ(b.ScanLine(0)[0], 0);  // new pixels are black
    EXPECT_EQ(test::MessageOf<EInvalidGraphicOperation>([&] { b.ScanLine(row.height); }),
              "Indice ligne hors limites");
    EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);
  }
}

TEST(BitmapTest, SizeForOverwriteBlackensPaddingAndTheRowsLeft) {
  TBitmap b;
  b.SetSizeForOverwrite(3, 4);  // 9 bytes of pixels, 3 of padding a row
  for (int y = 0; y < 4; ++y) {
    std::fill(b.ScanLine(y), b.ScanLine(y) + 9, std::uint8_t{7});
    EXPECT_EQ(b.ScanLine(y)[9] | b.ScanLine(y)[10] | b.ScanLine(y)[11], 0) << y;
  }
  b.ClearRowsFrom(2);
  EXPECT_EQ(b.ScanLine(1)[8], 7);
  EXPECT_EQ(b.ScanLine(2)[0], 0);
  EXPECT_EQ(b.ScanLine(3)[8], 0);
}

// A 24-bit bitmap whose every pixel has its own colour, so a reduction that
// averaged would show colours the bitmap does not hold.
void FillDistinct(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<std::uint8_t>(x * 13);       // blue
      row[3 * x + 1] = static_cast<std::uint8_t>(y * 11);   // green
      row[3 * x + 2] = static_cast<std::uint8_t>(x + y);    // red
    }
  }
}

TEST(BitmapTest, TrueColourStretchKeepsWholeRowsAndColumns) {
  // Reduced, and enlarged from a bitmap whose rows need no padding (its
  // last pixel ends the bitmap's memory).
  const struct {
    int sw, sh, dw, dh;
  } rows[] = {{19, 13, 12, 9}, {4, 3, 9, 7}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.sw) + "x" + std::to_string(row.sh) + " to " + std::to_string(row.dw) + "x" +
                 std::to_string(row.dh));
    TBitmap b;
    FillDistinct(b, row.sw, row.sh);
    ImageCanvas out(40, 30, clWhite);
    const Rect r{3, 2, 3 + row.dw, 2 + row.dh};
    b.DrawScaled(out.canvas(), r);
    for (int y = 0; y < row.dh; ++y) {
      for (int x = 0; x < row.dw; ++x) {
        const std::uint8_t* src = b.ScanLine(y * row.sh / row.dh) + 3 * (x * row.sw / row.dw);
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        EXPECT_EQ(out.Pixel(r.left + x, r.top + y), (Rgb{src[2], src[1], src[0]}));
      }
    }
    // Nothing outside the rectangle.
    EXPECT_EQ(out.Pixel(2, 2), (Rgb{255, 255, 255}));
    EXPECT_EQ(out.Pixel(r.right, r.bottom), (Rgb{255, 255, 255}));
  }
}

TEST(BitmapTest, EightBitRowsDrawThroughThePalette) {
  TBitmap b;
  b.SetPixelFormat(TPixelFormat::pf8bit);
  b.SetSize(2, 1);
  b.SetPalette({{10, 20, 30}, {200, 100, 50}});
  b.ScanLine(0)[1] = 1;
  ImageCanvas out(2, 1, clWhite);
  b.DrawScaled(out.canvas(), {0, 0, 2, 1});
  EXPECT_EQ(out.Pixel(0, 0), (Rgb{10, 20, 30}));
  EXPECT_EQ(out.Pixel(1, 0), (Rgb{200, 100, 50}));
}

}  // namespace
}  // namespace anod
