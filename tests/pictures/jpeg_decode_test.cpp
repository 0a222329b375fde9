// Decoding against the reference decoder of the same library, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>

#include "core/failures.h"
#include "pictures/art_files.h"
#include "pictures/jpeg_image.h"
#include "tests/pictures/test_streams.h"

namespace anod {
namespace {

// Decodes `stream` with the given output depth and compares every row (and,
// for 8-bit output, the palette) with the reference decoder's BMP.
void ExpectSameAsReference(std::span<const std::uint8_t> stream, TJPEGPixelFormat depth,
                           const std::string& arguments, bool warnings_allowed = false) {
  const TJPEGDefaults saved = JPEGDecodeDefaults;
  JPEGDecodeDefaults.OutputDepth = depth;
  TJPEGImage image;
  JPEGDecodeDefaults = saved;
  image.LoadFromBytes(stream);
  const TBitmap& bitmap = image.DecodedBitmap();

  const test::Bmp reference = test::ParseBmp(test::RunReferenceDecoder(stream, arguments, warnings_allowed));
  ASSERT_EQ(bitmap.Width(), reference.width);
  ASSERT_EQ(bitmap.Height(), reference.height);
  ASSERT_EQ(bitmap.BitsPerPixel(), reference.bits_per_pixel);
  int different_rows = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto& want = reference.rows[static_cast<std::size_t>(y)];
    const std::uint8_t* got = bitmap.ScanLine(y);
    if (!std::equal(want.begin(), want.end(), got)) ++different_rows;
  }
  EXPECT_EQ(different_rows, 0);
  if (depth == TJPEGPixelFormat::jf8Bit) {
    const auto& palette = bitmap.PaletteEntries();
    ASSERT_FALSE(palette.empty());
    ASSERT_LE(palette.size(), 236u);
    ASSERT_GE(reference.palette.size(), palette.size());
    for (std::size_t i = 0; i < palette.size(); ++i) {
      EXPECT_EQ(palette[i], reference.palette[i]) << "palette entry " << i;
    }
  }
}

class ArtDecodeTest : public testing::TestWithParam<const char*> {};

TEST_P(ArtDecodeTest, TrueColourMatchesReferenceFloatBmp) {
  ExpectSameAsReference(ArtFile(GetParam()), TJPEGPixelFormat::jf24Bit, "-dct float -bmp");
}

TEST_P(ArtDecodeTest, EightBitMatchesReferenceFloat236Colours) {
  ExpectSameAsReference(ArtFile(GetParam()), TJPEGPixelFormat::jf8Bit, "-dct float -colors 236 -bmp");
}

INSTANTIATE_TEST_SUITE_P(Art, ArtDecodeTest, testing::ValuesIn(test::kArtFiles),
                         [](const testing::TestParamInfo<const char*>& info) {
                           const std::string file = info.param;
                           return file.substr(0, file.find('.'));
                         });

// Streams of other shapes and kinds, made here.
struct StreamCase {
  const char* name;
  test::StreamSpec stream;
  TJPEGPixelFormat depth;
  const char* arguments;
};
void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

const StreamCase kStreams[] = {
    // One row high: decoded like any other (the row distance is the bitmap's stride).
    {"OneRow37x1", {37, 1, 3, false, 85}, TJPEGPixelFormat::jf24Bit, "-dct float -bmp"},
    {"OneRow37x1EightBit", {37, 1, 3, false, 85}, TJPEGPixelFormat::jf8Bit, "-dct float -colors 236 -bmp"},
    {"OnePixel1x1", {1, 1, 3, false, 85}, TJPEGPixelFormat::jf24Bit, "-dct float -bmp"},
    {"OneColumn1x40", {1, 40, 3, false, 85}, TJPEGPixelFormat::jf24Bit, "-dct float -bmp"},
    {"OddSize45x23Progressive", {45, 23, 3, true, 85}, TJPEGPixelFormat::jf24Bit, "-dct float -bmp"},
    // One component: quantized to 236 grey levels on any display.
    {"Gray30x20", {30, 20, 1, false, 85}, TJPEGPixelFormat::jf24Bit, "-dct float -colors 236 -bmp"},
};

class StreamDecodeTest : public testing::TestWithParam<StreamCase> {};

TEST_P(StreamDecodeTest, MatchesReference) {
  const StreamCase& c = GetParam();
  ExpectSameAsReference(test::EncodeTestJpeg(c.stream), c.depth, c.arguments);
}

INSTANTIATE_TEST_SUITE_P(Streams, StreamDecodeTest, testing::ValuesIn(kStreams), testing::PrintToStringParamName());

TEST(JpegDecodeTest, HalfScaleMatchesReferenceAndIsKnownBeforeDecoding) {
  const auto stream = ArtFile("box.jpg");
  const TJPEGDefaults saved = JPEGDecodeDefaults;
  JPEGDecodeDefaults.OutputScale = TJPEGScale::jsHalf;
  TJPEGImage image;
  JPEGDecodeDefaults = saved;
  image.LoadFromBytes(stream);
  EXPECT_EQ(image.Width(), 145);  // 289 / 2 rounded up, as the library sizes it
  EXPECT_EQ(image.Height(), 145);
  const TBitmap& bitmap = image.DecodedBitmap();
  const test::Bmp reference = test::ParseBmp(test::RunReferenceDecoder(stream, "-dct float -scale 1/2 -bmp"));
  ASSERT_EQ(bitmap.Width(), reference.width);
  ASSERT_EQ(bitmap.Height(), reference.height);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto& want = reference.rows[static_cast<std::size_t>(y)];
    ASSERT_TRUE(std::equal(want.begin(), want.end(), bitmap.ScanLine(y))) << "row " << y;
  }
}

TEST(JpegDecodeTest, StreamCutShortCompletesLikeTheReference) {
  const auto full = ArtFile("colouring.jpg");
  const std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(full.size() / 2));
  EXPECT_NO_THROW(ExpectSameAsReference(cut, TJPEGPixelFormat::jf24Bit, "-dct float -bmp", true));
  // The rows past the cut come out mid-grey.
  TJPEGImage image;
  image.LoadFromBytes(cut);
  const TBitmap& bitmap = image.DecodedBitmap();
  ASSERT_EQ(bitmap.Height(), 289);
  const std::uint8_t* last = bitmap.ScanLine(288);
  EXPECT_TRUE(std::all_of(last, last + 354 * 3, [](std::uint8_t v) { return v == 128; }));
}

TEST(JpegDecodeTest, ScanByScanDisplayEndsWithTheSameBitmap) {
  const struct {
    const char* name;
    const char* file;
    TJPEGPixelFormat depth;
  } rows[] = {
      {"ProgressiveTrueColour", "fixing.jpg", TJPEGPixelFormat::jf24Bit},
      {"ProgressiveEightBit", "fixing.jpg", TJPEGPixelFormat::jf8Bit},
      {"BaselineTrueColour", "box.jpg", TJPEGPixelFormat::jf24Bit},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto stream = ArtFile(row.file);
    const TJPEGDefaults saved = JPEGDecodeDefaults;
    JPEGDecodeDefaults.OutputDepth = row.depth;
    TJPEGImage plain;
    JPEGDecodeDefaults.ScanByScanDisplay = true;
    TJPEGImage scan_by_scan;
    JPEGDecodeDefaults = saved;
    plain.LoadFromBytes(stream);
    scan_by_scan.LoadFromBytes(stream);
    int passes = 0;
    scan_by_scan.OnChange = [&](TGraphic&) { ++passes; };
    const TBitmap& a = plain.DecodedBitmap();
    const TBitmap& b = scan_by_scan.DecodedBitmap();
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    ASSERT_EQ(a.BitsPerPixel(), b.BitsPerPixel());
    EXPECT_EQ(a.PaletteEntries(), b.PaletteEntries());
    const auto row_bytes = static_cast<std::size_t>(a.Width() * a.BitsPerPixel() / 8);
    for (int y = 0; y < a.Height(); ++y) {
      ASSERT_EQ(0, std::memcmp(a.ScanLine(y), b.ScanLine(y), row_bytes)) << "row " << y;
    }
  }
}

}  // namespace
}  // namespace anod
