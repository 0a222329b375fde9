// The eight pictures decode to the same bytes on every platform. The digests
// below are those of the Linux decode, which jpeg_decode_test.cpp checks row
// for row against the library's reference decoder; a build elsewhere (the
// Windows one, with its own libjpeg-turbo build) must give the same ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

#include "pictures/art_files.h"
#include "pictures/jpeg_image.h"

namespace anod {
namespace {

// FNV-1a, 64 bits, over the size, the depth, every row's pixel bytes and the
// palette.
class Digest {
 public:
  void Add(const std::uint8_t* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) value_ = (value_ ^ bytes[i]) * 0x100000001B3ull;
  }
  void Add(std::uint32_t number) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                                   static_cast<std::uint8_t>(number >> 16),
                                   static_cast<std::uint8_t>(number >> 24)};
    Add(bytes, sizeof bytes);
  }
  std::string Hex() const {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value_));
    return text;
  }

 private:
  std::uint64_t value_ = 0xCBF29CE484222325ull;
};

std::string DecodedDigest(const char* file, TJPEGPixelFormat depth) {
  const TJPEGDefaults saved = JPEGDecodeDefaults;
  JPEGDecodeDefaults.OutputDepth = depth;
  TJPEGImage image;
  JPEGDecodeDefaults = saved;
  image.LoadFromBytes(ArtFile(file));
  const TBitmap& bitmap = image.DecodedBitmap();
  Digest digest;
  digest.Add(static_cast<std::uint32_t>(bitmap.Width()));
  digest.Add(static_cast<std::uint32_t>(bitmap.Height()));
  digest.Add(static_cast<std::uint32_t>(bitmap.BitsPerPixel()));
  const std::size_t row_bytes = static_cast<std::size_t>(bitmap.Width()) * bitmap.BitsPerPixel() / 8;
  for (int y = 0; y < bitmap.Height(); ++y) digest.Add(bitmap.ScanLine(y), row_bytes);
  for (const Rgb& entry : bitmap.PaletteEntries()) {
    const std::uint8_t bytes[3] = {entry.r, entry.g, entry.b};
    digest.Add(bytes, sizeof bytes);
  }
  return digest.Hex();
}

struct DigestRow {
  const char* file;
  std::string true_colour;  // 24-bit output, float inverse DCT
  std::string colours_236;  // 8-bit output, 236 colours
};
void PrintTo(const DigestRow& row, std::ostream* os) { *os << row.file; }

class ArtDigestTest : public testing::TestWithParam<DigestRow> {};

TEST_P(ArtDigestTest, DecodesAsOnLinux) {
  const DigestRow& row = GetParam();
  EXPECT_EQ(DecodedDigest(row.file, TJPEGPixelFormat::jf24Bit), row.true_colour);
  EXPECT_EQ(DecodedDigest(row.file, TJPEGPixelFormat::jf8Bit), row.colours_236);
}

INSTANTIATE_TEST_SUITE_P(
    Art, ArtDigestTest,
    testing::Values(DigestRow{"cylinder.jpg", "e5ffe6125c50c0c4", "74e903a64c9fd699"},
                    DigestRow{"box.jpg", "f428b8188bbc0c94", "be17afbc8f15ceea"},
                    DigestRow{"sphere.jpg", "2e725b087e3704db", "a7f94a57d090aa15"},
                    DigestRow{"pyramid.jpg", "423ce1bfd32174f8", "4a8f2b0de672210f"},
                    DigestRow{"degreasing.jpg", "371cfd44f0a18437", "bc27deec8148e2d3"},
                    DigestRow{"electrolysis.jpg", "cf48f3448792499f", "a4f535cdff3cd181"},
                    DigestRow{"colouring.jpg", "c5b9721aed1a2f8b", "dc2589a5b9733bad"},
                    DigestRow{"fixing.jpg", "05da983fd18bd7ad", "61f3efd5e5f130c9"}),
    [](const testing::TestParamInfo<DigestRow>& info) {
      const std::string name = info.param.file;
      return name.substr(0, name.find('.'));
    });

}  // namespace
}  // namespace anod
