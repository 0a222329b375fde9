// The GDI canvas drawing into a 24-bit DIB section through a memory DC; the
// pixels are read back from the section's bits.
#include "platform/win32/gdi_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace anod {
namespace {

constexpr int kSize = 16;

// A white kSize x kSize picture in a memory DC.
class Surface {
 public:
  Surface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    std::fill(bits_, bits_ + kStride * kSize, std::uint8_t{255});
  }
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC Dc() const { return dc_; }
  Rgb Pixel(int x, int y) const {
    GdiFlush();
    const std::uint8_t* p = bits_ + y * kStride + x * 3;
    return Rgb{p[2], p[1], p[0]};
  }
  int CountNot(Rgb colour, const Rect& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour ? 0 : 1;
    }
    return count;
  }

 private:
  static constexpr int kStride = (kSize * 3 + 3) & ~3;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  std::uint8_t* bits_ = nullptr;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kLime{0, 255, 0};
constexpr Rgb kNavy{0, 0, 128};

struct Expected {
  int x, y;
  Rgb colour;
};

struct DrawRow {
  const char* name;
  std::function<void(Canvas&)> draw;
  std::vector<Expected> pixels;
};
void PrintTo(const DrawRow& row, std::ostream* os) { *os << row.name; }

// A 2 x 2 picture: red, lime / navy, white (blue, green, red bytes).
const std::array<std::uint8_t, 16> kQuad = {0, 0, 255, 0, 255, 0, 0, 0,  // red, lime, padding
                                           128, 0, 0, 255, 255, 255, 0, 0};  // navy, white, padding
BitmapView Quad() { return BitmapView{2, 2, 24, 8, kQuad.data(), {}}; }

const std::array<std::uint8_t, 4> kQuadIndexes = {0, 1, 2, 3};
const Rgb kQuadPalette[] = {kRed, kLime, kNavy, kWhite};
BitmapView QuadWithPalette() { return BitmapView{2, 2, 8, 2, kQuadIndexes.data(), kQuadPalette}; }

class GdiCanvasDraws : public testing::TestWithParam<DrawRow> {};

TEST_P(GdiCanvasDraws, Pixels) {
  Surface surface;
  {
    GdiCanvas canvas(surface.Dc());
    GetParam().draw(canvas);
  }
  for (const Expected& e : GetParam().pixels) {
    SCOPED_TRACE(testing::Message() << "(" << e.x << ", " << e.y << ")");
    const Rgb got = surface.Pixel(e.x, e.y);
    EXPECT_EQ(got.r, e.colour.r);
    EXPECT_EQ(got.g, e.colour.g);
    EXPECT_EQ(got.b, e.colour.b);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, GdiCanvasDraws,
    testing::Values(
        DrawRow{"fill_leaves_right_and_bottom_edges",
                [](Canvas& c) { c.FillRect({2, 2, 5, 4}, clRed); },
                {{2, 2, kRed}, {4, 3, kRed}, {5, 3, kWhite}, {4, 4, kWhite}, {1, 2, kWhite}}},
        DrawRow{"invert_pixel_white_to_black_and_back",
                [](Canvas& c) {
                  c.InvertPixel(3, 3);
                  c.InvertPixel(4, 4);
                  c.InvertPixel(4, 4);
                },
                {{3, 3, kBlack}, {4, 4, kWhite}}},
        DrawRow{"translate_moves_the_origin",
                [](Canvas& c) {
                  c.Translate(5, 6);
                  c.FillRect({0, 0, 1, 1}, clNavy);
                },
                {{5, 6, kNavy}, {0, 0, kWhite}}},
        DrawRow{"clip_cuts_the_fill",
                [](Canvas& c) {
                  c.IntersectClip({0, 0, 3, 16});
                  c.FillRect({0, 0, 16, 16}, clLime);
                },
                {{2, 8, kLime}, {3, 8, kWhite}}},
        DrawRow{"restore_gives_back_origin_and_clip",
                [](Canvas& c) {
                  c.Save();
                  c.Translate(8, 8);
                  c.IntersectClip({0, 0, 1, 1});
                  c.Restore();
                  c.FillRect({0, 0, 2, 2}, clRed);
                },
                {{0, 0, kRed}, {1, 1, kRed}, {8, 8, kWhite}}},
        DrawRow{"system_colour_from_the_scheme",
                [](Canvas& c) { c.FillRect({0, 0, 1, 1}, clBtnShadow); },
                {{0, 0, Rgb{GetRValue(GetSysColor(COLOR_BTNSHADOW)), GetGValue(GetSysColor(COLOR_BTNSHADOW)),
                            GetBValue(GetSysColor(COLOR_BTNSHADOW))}}}},
        DrawRow{"triangle_fills_inside_not_outside",
                [](Canvas& c) {
                  const Point corners[] = {{2, 2}, {12, 2}, {7, 7}};
                  c.FillPolygon(corners, clBlack);
                },
                {{7, 3, kBlack}, {7, 6, kBlack}, {2, 6, kWhite}, {12, 6, kWhite}, {7, 9, kWhite}}},
        DrawRow{"stretch_colour_on_colour_doubles_each_pixel",
                [](Canvas& c) { c.StretchBitmap(Quad(), {0, 0, 4, 4}, StretchMode::ColorOnColor); },
                {{0, 0, kRed}, {1, 1, kRed}, {2, 0, kLime}, {3, 1, kLime}, {0, 3, kNavy}, {3, 3, kWhite}}},
        DrawRow{"stretch_palette_picture",
                [](Canvas& c) { c.StretchBitmap(QuadWithPalette(), {4, 4, 8, 8}, StretchMode::ColorOnColor); },
                {{4, 4, kRed}, {7, 5, kLime}, {5, 7, kNavy}, {7, 7, kWhite}}},
        DrawRow{"stretch_halftone_keeps_a_solid_picture",
                [](Canvas& c) {
                  const std::array<std::uint8_t, 4> blue = {128, 0, 0, 0};
                  c.StretchBitmap(BitmapView{1, 1, 24, 4, blue.data(), {}}, {0, 0, 6, 6}, StretchMode::Halftone);
                },
                {{0, 0, kNavy}, {5, 5, kNavy}, {6, 6, kWhite}}},
        DrawRow{"draw_bitmap_leaves_out_the_transparent_colour",
                [](Canvas& c) {
                  const Rgb white = kWhite;
                  c.FillRect({0, 0, 16, 16}, clBlack);
                  c.DrawBitmap(Quad(), {1, 1}, &white);
                },
                {{1, 1, kRed}, {2, 1, kLime}, {1, 2, kNavy}, {2, 2, kBlack}}}),
    [](const testing::TestParamInfo<DrawRow>& info) { return std::string(info.param.name); });

// Wine has none of the Windows faces; whichever it picks, text lands inside
// its measured cell, in its colour, and a wider text measures wider.
TEST(GdiCanvasText, DrawsInsideItsMeasuredCell) {
  Surface surface;
  GdiCanvas canvas(surface.Dc());
  canvas.SetFont(FontSpec{"Arial", -12, true});
  const FontMetrics metrics = canvas.Metrics();
  char face[LF_FACESIZE] = {};
  GetTextFaceA(surface.Dc(), LF_FACESIZE, face);
  std::printf("\"Arial\" is drawn with the face \"%s\"\n", face);
  const int width = canvas.TextWidth("HI");
  EXPECT_GT(canvas.TextWidth("HIH"), width);
  EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent);
  canvas.DrawTextRun(1, 1, "HI", clRed);
  GdiFlush();
  const Rect cell{1, 1, 1 + width, 1 + metrics.height};
  EXPECT_GT(surface.CountNot(kWhite, cell), 0);
  EXPECT_EQ(surface.CountNot(kWhite, {0, 0, kSize, kSize}), surface.CountNot(kWhite, cell));
  canvas.SetCharExtra(3);
  EXPECT_EQ(canvas.TextWidth("HI"), width + 6);
}

}  // namespace
}  // namespace anod
