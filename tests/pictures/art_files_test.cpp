// The committed streams and icon are of the kinds the window expects: parsed
// marker by marker, not decoded.
#include "pictures/art_files.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace anod {
namespace {

struct StreamFacts {
  bool jfif = false;
  int sof = -1;  // 0 baseline, 2 progressive
  int width = 0, height = 0, components = 0;
  std::vector<int> sampling;  // h << 4 | v per component
  int restart_interval = 0;   // in MCUs, 0 without DRI
  int scans = 0;
  int restart_markers = 0;
  bool ends_with_eoi = false;
};

int U16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] << 8 | b[at + 1]; }

StreamFacts Parse(std::span<const std::uint8_t> b) {
  StreamFacts f;
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return f;
  f.ends_with_eoi = b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9;
  std::size_t i = 2;
  while (i + 4 <= b.size()) {
    if (b[i] != 0xFF) {
      ++i;  // entropy-coded data
      continue;
    }
    const int marker = b[i + 1];
    if (marker == 0x00 || marker == 0xFF) {
      i += marker == 0x00 ? 2 : 1;
      continue;
    }
    if (marker >= 0xD0 && marker <= 0xD7) {
      ++f.restart_markers;
      i += 2;
      continue;
    }
    if (marker == 0xD9) break;
    const int length = U16(b, i + 2);
    const auto seg = b.subspan(i + 4, static_cast<std::size_t>(length - 2));
    if (marker == 0xE0 && seg.size() >= 5 && std::string(seg.begin(), seg.begin() + 5) == std::string("JFIF\0", 5))
      f.jfif = true;
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      f.sof = marker - 0xC0;
      f.height = U16(seg, 1);
      f.width = U16(seg, 3);
      f.components = seg[5];
      for (int c = 0; c < f.components; ++c) f.sampling.push_back(seg[static_cast<std::size_t>(6 + 3 * c + 1)]);
    }
    if (marker == 0xDD) f.restart_interval = U16(seg, 0);
    if (marker == 0xDA) ++f.scans;
    i += 2 + static_cast<std::size_t>(length);
  }
  return f;
}

struct ArtCase {
  const char* file;
  int width, height;
  bool progressive;
};
void PrintTo(const ArtCase& c, std::ostream* os) { *os << c.file; }

const ArtCase kArt[] = {
    {"cylinder.jpg", 289, 289, false},   {"box.jpg", 289, 289, false},
    {"sphere.jpg", 289, 289, false},     {"pyramid.jpg", 289, 289, false},
    {"degreasing.jpg", 354, 289, false}, {"electrolysis.jpg", 354, 289, false},
    {"colouring.jpg", 354, 289, false},  {"fixing.jpg", 354, 289, true},
};

class CommittedStreamTest : public testing::TestWithParam<ArtCase> {};

TEST_P(CommittedStreamTest, HasTheStatedKind) {
  const ArtCase& c = GetParam();
  const auto bytes = ArtFile(c.file);
  ASSERT_FALSE(bytes.empty());
  const StreamFacts f = Parse(bytes);
  EXPECT_TRUE(f.jfif);
  EXPECT_TRUE(f.ends_with_eoi);
  EXPECT_EQ(f.width, c.width);
  EXPECT_EQ(f.height, c.height);
  EXPECT_EQ(f.components, 3);
  EXPECT_EQ(f.sampling, (std::vector<int>{0x11, 0x11, 0x11}));
  const int mcus_per_row = (c.width + 7) / 8;
  const int mcu_rows = (c.height + 7) / 8;
  if (c.progressive) {
    EXPECT_EQ(f.sof, 2);
    EXPECT_EQ(f.scans, 7);
    EXPECT_EQ(f.restart_interval, 0);
  } else {
    EXPECT_EQ(f.sof, 0);
    EXPECT_EQ(f.scans, 1);
    // A restart after every row of blocks: one marker between each two rows.
    EXPECT_EQ(f.restart_interval, mcus_per_row);
    EXPECT_EQ(f.restart_markers, mcu_rows - 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Art, CommittedStreamTest, testing::ValuesIn(kArt),
                         [](const testing::TestParamInfo<ArtCase>& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

TEST(CommittedIconTest, IsAOneImage32x32IconWithAlphaAndMask) {
  const auto b = ArtFile("icon.ico");
  ASSERT_EQ(b.size(), 4286u);
  auto u16 = [&](std::size_t at) { return b[at] | b[at + 1] << 8; };
  auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
  EXPECT_EQ(u16(0), 0);   // reserved
  EXPECT_EQ(u16(2), 1);   // icon
  EXPECT_EQ(u16(4), 1);   // one image
  EXPECT_EQ(b[6], 32);    // width
  EXPECT_EQ(b[7], 32);    // height
  EXPECT_EQ(u16(12), 32); // bits per pixel
  EXPECT_EQ(u32(14), 40u + 4096u + 128u);
  EXPECT_EQ(u32(18), 22u);
  EXPECT_EQ(u32(22), 40u);  // bitmap header size
  EXPECT_EQ(u32(26), 32u);
  EXPECT_EQ(u32(30), 64u);  // colour rows and mask rows
  EXPECT_EQ(u16(36), 32);
}

TEST(ArtFileTest, UnknownNameGivesNothing) { EXPECT_TRUE(ArtFile("nothing.jpg").empty()); }

}  // namespace
}  // namespace anod
