// The JPEG picture's states, failures and progress reports.
#include "pictures/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <jerror.h>
#include <jpeglib.h>
#include <string>
#include <vector>

#include "core/failures.h"
#include "pictures/art_files.h"
#include "pictures/tick_count.h"
#include "tests/pictures/test_streams.h"

namespace anod {
namespace {

using test::MessageOf;
using test::ArtBytes;

// The message codes the failure list names, in this library build.
TEST(JpegLibraryCodesTest, NoSoiIs53AndInputEmptyIs42) {
  EXPECT_EQ(JERR_NO_SOI, 53);
  EXPECT_EQ(JERR_INPUT_EMPTY, 42);
}

TEST(JpegImageTest, LoadingReadsOnlyTheHeader) {
  TJPEGImage image;
  int changes = 0;
  image.OnChange = [&](TGraphic&) { ++changes; };
  image.LoadFromBytes(ArtBytes("degreasing.jpg"));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(image.Decoded());
  EXPECT_EQ(image.Width(), 354);
  EXPECT_EQ(image.Height(), 289);
  EXPECT_FALSE(image.Data()->grayscale);
  EXPECT_TRUE(image.PaletteModified());
  EXPECT_FALSE(image.Empty());
}

TEST(JpegImageTest, GrayscaleStreamIsFlagged) {
  TJPEGImage image;
  image.LoadFromBytes(test::EncodeTestJpeg({8, 8, 1, false, 85}));
  EXPECT_TRUE(image.Data()->grayscale);
}

TEST(JpegImageTest, DecodesOnceAndKeepsTheBitmap) {
  TJPEGImage image;
  image.LoadFromBytes(ArtBytes("sphere.jpg"));
  int starts = 0;
  image.OnProgress = [&](TGraphic&, TProgressStage stage, std::uint8_t, bool, const Rect&, const std::string&) {
    if (stage == TProgressStage::psStarting) ++starts;
  };
  TBitmap* first = &image.DecodedBitmap();
  TBitmap* second = &image.DecodedBitmap();
  EXPECT_EQ(first, second);
  EXPECT_EQ(starts, 1);
  EXPECT_TRUE(image.Decoded());
  EXPECT_EQ(first->BitsPerPixel(), 24);
  EXPECT_TRUE(first->PaletteEntries().empty());
}

TEST(JpegImageTest, LoadingNewBytesDropsTheBitmap) {
  TJPEGImage image;
  image.LoadFromBytes(ArtBytes("sphere.jpg"));
  image.DecodedBitmap();
  image.LoadFromBytes(ArtBytes("fixing.jpg"));
  EXPECT_FALSE(image.Decoded());
  EXPECT_EQ(image.Width(), 354);
}

TEST(JpegImageTest, CopiesShareTheBytes) {
  TJPEGImage original;
  original.LoadFromBytes(ArtBytes("box.jpg"));
  TJPEGImage copy;
  copy.Assign(original);
  EXPECT_EQ(copy.Data().get(), original.Data().get());
  EXPECT_EQ(original.Data().use_count(), 3);  // two pictures and this handle
  EXPECT_EQ(copy.Width(), 289);
}

TEST(JpegImageTest, EmptyOnlyWithoutBytes) {
  TJPEGImage image;
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  image.LoadFromBytes({});  // J = 0: bytes, though none
  EXPECT_FALSE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
}

// Every failure of the picture, with its class and message.
struct FailureCase {
  const char* name;
  std::vector<std::uint8_t> (*stream)();
  bool at_load;  // else at the first decode
  std::string message;
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

std::vector<std::uint8_t> NotAJpeg() { return {'B', 'M', 0, 0, 0, 0}; }
std::vector<std::uint8_t> NoBytes() { return {}; }
std::vector<std::uint8_t> OnlyStartOfImage() { return {0xFF, 0xD8}; }
std::vector<std::uint8_t> Cmyk() { return test::EncodeTestJpeg({16, 16, 4, false, 85}); }
std::vector<std::uint8_t> HugeFrame() {
  // A real stream whose frame header claims 60000 x 60000.
  auto bytes = ArtBytes("box.jpg");
  for (std::size_t i = 2; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
      bytes[i + 5] = 0xEA, bytes[i + 6] = 0x60, bytes[i + 7] = 0xEA, bytes[i + 8] = 0x60;
      break;
    }
  }
  return bytes;
}

const FailureCase kFailures[] = {
    {"NotAJpegAtLoad", NotAJpeg, true, "Erreur JPEG #53"},
    {"NoBytesAtFirstDraw", NoBytes, false, "Erreur JPEG #42"},
    {"OnlyStartOfImageAtLoad", OnlyStartOfImage, true, "Erreur JPEG #" + std::to_string(JERR_NO_IMAGE)},
    {"CmykRefusedAtFirstDraw", Cmyk, false, "Erreur JPEG #" + std::to_string(JERR_CONVERSION_NOTIMPL)},
    {"HugeFrameRefusedAtFirstDraw", HugeFrame, false, "Image trop grande"},
};

class JpegFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(JpegFailureTest, RaisesItsMessageOnceAndThenDrawsWhatItHas) {
  const FailureCase& c = GetParam();
  TJPEGImage image;
  const auto bytes = c.stream();
  if (c.at_load) {
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { image.LoadFromBytes(bytes); }), c.message);
    return;
  }
  ASSERT_NO_THROW(image.LoadFromBytes(bytes));
  EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { image.DecodedBitmap(); }), c.message);
  // The bitmap made before the failure stays: no second attempt, no message.
  EXPECT_TRUE(image.Decoded());
  EXPECT_NO_THROW(image.DecodedBitmap());
  EXPECT_TRUE(image.DecodedBitmap().Empty());
}

INSTANTIATE_TEST_SUITE_P(Failures, JpegFailureTest, testing::ValuesIn(kFailures), testing::PrintToStringParamName());

TEST(JpegImageTest, ResizingIsRefused) {
  TJPEGImage image;
  image.LoadFromBytes(ArtBytes("box.jpg"));
  const std::string message = "Impossible de modifier la taille d'une image JPEG";
  EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { image.SetWidth(10); }), message);
  EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { image.SetHeight(10); }), message);
  EXPECT_EQ(image.Width(), 289);
}

TEST(JpegImageTest, EightBitOutputGivesAPaletteAndAChange) {
  const TJPEGDefaults saved = JPEGDecodeDefaults;
  JPEGDecodeDefaults.OutputDepth = TJPEGPixelFormat::jf8Bit;
  TJPEGImage image;
  JPEGDecodeDefaults = saved;
  image.LoadFromBytes(ArtBytes("pyramid.jpg"));
  EXPECT_TRUE(image.Palette().empty());  // none before decoding with 8-bit output
  image.SetPaletteModified(false);
  int changes = 0;
  bool ending_redraw = false;
  image.OnChange = [&](TGraphic&) { ++changes; };
  image.OnProgress = [&](TGraphic&, TProgressStage stage, std::uint8_t, bool redraw, const Rect&, const std::string&) {
    if (stage == TProgressStage::psEnding) ending_redraw = redraw;
  };
  const TBitmap& bitmap = image.DecodedBitmap();
  EXPECT_EQ(bitmap.BitsPerPixel(), 8);
  EXPECT_FALSE(bitmap.PaletteEntries().empty());
  EXPECT_TRUE(image.PaletteModified());
  EXPECT_TRUE(ending_redraw);
  EXPECT_GE(changes, 1);
  EXPECT_EQ(image.Palette().size(), bitmap.PaletteEntries().size());
}

TEST(JpegImageTest, HalftonePaletteBeforeDecodingOnEightBitScreens) {
  const int saved = JPEGScreenColorBits();
  SetJPEGScreenColorBits(8);
  TJPEGImage image;
  image.LoadFromBytes(ArtBytes("box.jpg"));
  EXPECT_EQ(image.Palette().size(), 236u);
  SetJPEGScreenColorBits(24);
  TJPEGImage true_colour;
  true_colour.LoadFromBytes(ArtBytes("box.jpg"));
  EXPECT_TRUE(true_colour.Palette().empty());
  SetJPEGScreenColorBits(saved);
}

// Progress, with a clock the test moves.
std::uint32_t g_now = 0;
std::uint32_t g_step = 0;
std::uint32_t TestTicks() { return g_now += g_step; }

struct Report {
  TProgressStage stage;
  int percent;
  bool redraw;
  Rect r;
};

class JpegProgressTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetTickSource(TestTicks);
    g_now = 1000;
  }
  void TearDown() override { SetTickSource(previous_); }

  std::vector<Report> Decode(const char* file, std::uint32_t step,
                             std::function<void(const Report&)> also = nullptr) {
    g_step = step;
    image_.LoadFromBytes(ArtBytes(file));
    // As the image control's palette step leaves it after loading.
    image_.SetPaletteModified(false);
    std::vector<Report> reports;
    image_.OnProgress = [&](TGraphic&, TProgressStage stage, std::uint8_t percent, bool redraw, const Rect& r,
                            const std::string& msg) {
      EXPECT_TRUE(msg.empty());
      reports.push_back({stage, percent, redraw, r});
      if (also) also(reports.back());
    };
    image_.DecodedBitmap();
    return reports;
  }

  TJPEGImage image_;
  TickSource previous_ = nullptr;
};

TEST_F(JpegProgressTest, ClockStandingStillReportsOnlyStartAndEnd) {
  const auto reports = Decode("box.jpg", 0);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].stage, TProgressStage::psStarting);
  EXPECT_EQ(reports[0].percent, 0);
  EXPECT_FALSE(reports[0].redraw);
  EXPECT_EQ(reports[1].stage, TProgressStage::psEnding);
  EXPECT_EQ(reports[1].percent, 100);
  EXPECT_FALSE(reports[1].redraw);
}

TEST_F(JpegProgressTest, EveryHalfSecondReportsTheRowsSinceTheLastReport) {
  const auto reports = Decode("box.jpg", 600);
  ASSERT_GT(reports.size(), 10u);
  int previous_percent = 0;
  int next_row = 0;
  for (std::size_t i = 1; i + 1 < reports.size(); ++i) {
    SCOPED_TRACE(i);
    const Report& r = reports[i];
    EXPECT_EQ(r.stage, TProgressStage::psRunning);
    EXPECT_GT(r.percent, previous_percent);
    EXPECT_LE(r.percent, 100);
    EXPECT_EQ(r.r.left, 0);
    EXPECT_EQ(r.r.right, 289);
    EXPECT_EQ(r.r.top, next_row);
    EXPECT_GT(r.r.bottom, r.r.top);
    EXPECT_EQ(r.redraw, r.r.Height() >= 4);
    // percent = trunc(rows done * 100 / rows) of the one output pass
    EXPECT_EQ(r.percent, r.r.bottom * 100 / 289);
    previous_percent = r.percent;
    next_row = r.r.bottom;
  }
  EXPECT_EQ(reports.back().stage, TProgressStage::psEnding);
  EXPECT_EQ(reports.back().percent, 100);
}

TEST_F(JpegProgressTest, FasterClockReportsLess) {
  const auto every_call = Decode("box.jpg", 600).size();
  const auto every_fifth = Decode("box.jpg", 100).size();
  EXPECT_LT(every_fifth, every_call);
  EXPECT_GT(every_fifth, 2u);
}

TEST_F(JpegProgressTest, FailureDuringRowsKeepsTheRowsDecodedSoFar) {
  int rows_done = 0;
  const auto throw_at_third = [&](const Report& r) {
    if (r.stage == TProgressStage::psRunning && r.r.bottom > 100) {
      rows_done = r.r.bottom;
      throw EInvalidGraphicOperation("arrêt de test");
    }
  };
  EXPECT_THROW(Decode("cylinder.jpg", 600, throw_at_third), EInvalidGraphicOperation);
  ASSERT_GT(rows_done, 100);
  ASSERT_TRUE(image_.Decoded());
  TJPEGImage whole;
  whole.LoadFromBytes(ArtBytes("cylinder.jpg"));
  const TBitmap& full = whole.DecodedBitmap();
  const TBitmap& partial = image_.DecodedBitmap();  // no second attempt, no failure
  ASSERT_EQ(partial.Height(), 289);
  const std::size_t row_bytes = 289 * 3;
  for (int y = 0; y < rows_done; ++y) {
    ASSERT_EQ(0, std::memcmp(partial.ScanLine(y), full.ScanLine(y), row_bytes)) << "row " << y;
  }
  const std::vector<std::uint8_t> black(row_bytes, 0);
  EXPECT_EQ(0, std::memcmp(partial.ScanLine(288), black.data(), row_bytes));
}

TEST_F(JpegProgressTest, FailureReportsEndingAtZeroPercent) {
  std::vector<Report> seen;
  const auto throw_once = [&](const Report& r) {
    seen.push_back(r);
    if (r.stage == TProgressStage::psRunning && seen.size() == 3) throw EInvalidGraphicOperation("x");
  };
  EXPECT_THROW(Decode("sphere.jpg", 600, throw_once), EInvalidGraphicOperation);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back().stage, TProgressStage::psEnding);
  EXPECT_EQ(seen.back().percent, 0);
}

TEST_F(JpegProgressTest, AbortEndsQuietlyWithThePartialBitmap) {
  const auto abort_early = [&](const Report& r) {
    if (r.stage == TProgressStage::psRunning) throw EAbort("");
  };
  std::vector<Report> reports;
  EXPECT_NO_THROW(reports = Decode("sphere.jpg", 600, abort_early));
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back().stage, TProgressStage::psEnding);
  EXPECT_EQ(reports.back().percent, 0);
  EXPECT_TRUE(image_.Decoded());
  EXPECT_EQ(image_.DecodedBitmap().Height(), 289);
}

}  // namespace
}  // namespace anod
