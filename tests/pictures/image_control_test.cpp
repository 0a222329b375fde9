// The image control: placement of the window's pictures, painting, the
// reaction to changes and progress.
#include "pictures/image_control.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/failures.h"
#include "pictures/art_files.h"
#include "pictures/jpeg_image.h"
#include "pictures/jpeg_module.h"
#include "pictures/stored_value.h"
#include "pictures/tick_count.h"
#include "platform/qt/qt_canvas.h"
#include "tests/pictures/test_streams.h"

namespace anod {
namespace {

struct HostLog {
  int invalidations = 0;
  int repaints = 0;
  int opacity_reports = 0;
  bool last_opaque = false;
};

TImage::Host LoggingHost(HostLog& log) {
  TImage::Host host;
  host.invalidate = [&log](TImage&) { ++log.invalidations; };
  host.repaint_now = [&log](TImage&) { ++log.repaints; };
  host.opacity_changed = [&log](TImage&, bool opaque) {
    ++log.opacity_reports;
    log.last_opaque = opaque;
  };
  return host;
}

void LoadArt(TImage& image, const char* file) {
  const auto stream = ArtFile(file);
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->LoadFromBytes(stream);
  image.Picture().SetGraphic(std::move(jpeg));
}

using ImageControlTest = test::JpegFormatsTest;

// The eight controls as the window sets them: bounds, picture, then the flag.
struct WindowPicture {
  const char* control;
  const char* file;
  int width, height;
  bool stretch;  // else Proportional
};
void PrintTo(const WindowPicture& c, std::ostream* os) { *os << c.control; }

const WindowPicture kWindow[] = {
    {"img1", "cylinder.jpg", 217, 217, false},   {"img2", "box.jpg", 217, 217, false},
    {"Image1", "sphere.jpg", 217, 217, false},   {"Image2", "pyramid.jpg", 217, 217, false},
    {"Image4", "degreasing.jpg", 233, 193, true}, {"Image3", "electrolysis.jpg", 233, 193, true},
    {"Image6", "colouring.jpg", 233, 193, true},  {"Image5", "fixing.jpg", 233, 193, true},
};

class WindowPictureTest : public ImageControlTest, public testing::WithParamInterface<WindowPicture> {};

TEST_P(WindowPictureTest, CoversItsWholeControlWithoutDecoding) {
  const WindowPicture& c = GetParam();
  TImage image;
  HostLog log;
  image.SetHost(LoggingHost(log));
  image.SetBounds(4, 4, c.width, c.height);
  const auto value = WriteJPEGPictureValue(ArtFile(c.file));
  ReadPictureValue(image.Picture(), std::span(value).subspan(5));
  c.stretch ? image.SetStretch(true) : image.SetProportional(true);
  EXPECT_EQ(image.PlacementRect(), (Rect{0, 0, c.width, c.height}));
  EXPECT_TRUE(image.Opaque());
  EXPECT_TRUE(log.last_opaque);
  EXPECT_EQ(log.invalidations, 2);  // the picture read, then the flag
  EXPECT_FALSE(static_cast<TJPEGImage*>(image.Picture().Graphic())->Decoded());
}

TEST_P(WindowPictureTest, FirstPaintDecodesAndDropsWholeRowsAndColumns) {
  const WindowPicture& c = GetParam();
  TImage image;
  image.SetBounds(0, 0, c.width, c.height);
  LoadArt(image, c.file);
  c.stretch ? image.SetStretch(true) : image.SetProportional(true);
  ImageCanvas out(c.width, c.height, clFuchsia);
  image.Paint(out.canvas());
  auto* jpeg = static_cast<TJPEGImage*>(image.Picture().Graphic());
  ASSERT_TRUE(jpeg->Decoded());
  const TBitmap& bitmap = jpeg->DecodedBitmap();
  int mismatches = 0;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const std::uint8_t* src = bitmap.ScanLine(y * bitmap.Height() / c.height) + 3 * (x * bitmap.Width() / c.width);
      if (out.Pixel(x, y) != Rgb{src[2], src[1], src[0]}) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Window, WindowPictureTest, testing::ValuesIn(kWindow),
                         [](const testing::TestParamInfo<WindowPicture>& info) {
                           return std::string(info.param.control);
                         });

TEST_F(ImageControlTest, DefaultsAndNoPicture) {
  TImage image;
  EXPECT_EQ(image.BoundsRect(), (Rect{0, 0, 105, 105}));
  EXPECT_FALSE(image.Center() || image.Stretch() || image.Proportional() || image.Transparent() ||
               image.IncrementalDisplay() || image.AutoSize());
  EXPECT_EQ(image.PlacementRect(), (Rect{0, 0, 0, 0}));
  EXPECT_FALSE(image.Opaque());
  ImageCanvas out(105, 105, clFuchsia);
  image.Paint(out.canvas());
  EXPECT_EQ(out.Pixel(50, 50), (Rgb{255, 0, 255}));
}

TEST_F(ImageControlTest, SettingAFlagToItsValueDoesNothing) {
  const struct {
    const char* name;
    void (TImage::*set)(bool);
  } flags[] = {{"Center", &TImage::SetCenter},
               {"Stretch", &TImage::SetStretch},
               {"Proportional", &TImage::SetProportional},
               {"Transparent", &TImage::SetTransparent}};
  for (const auto& flag : flags) {
    SCOPED_TRACE(flag.name);
    TImage image;
    LoadArt(image, "box.jpg");
    HostLog log;
    image.SetHost(LoggingHost(log));
    (image.*flag.set)(false);
    EXPECT_EQ(log.invalidations, 0);
    (image.*flag.set)(true);
    EXPECT_GE(log.invalidations, 1);
    const int after_change = log.invalidations;
    (image.*flag.set)(true);
    EXPECT_EQ(log.invalidations, after_change);
  }
}

TEST_F(ImageControlTest, OpacityFollowsCoverageAndTransparency) {
  TImage image;
  HostLog log;
  image.SetHost(LoggingHost(log));
  image.SetBounds(0, 0, 217, 217);
  LoadArt(image, "box.jpg");
  EXPECT_TRUE(image.Opaque());  // 289 x 289 at the top left covers 217 x 217
  image.SetCenter(true);        // moved up and left: still covers
  EXPECT_TRUE(image.Opaque());
  image.SetBounds(0, 0, 400, 400);
  image.SetProportional(true);  // smaller than the control: not covered
  EXPECT_FALSE(image.Opaque());
  image.SetStretch(true);
  EXPECT_TRUE(image.Opaque());
  image.SetTransparent(true);
  EXPECT_FALSE(image.Opaque());
  EXPECT_TRUE(image.Picture().Graphic()->Transparent());
  image.Picture().SetGraphic(nullptr);
  EXPECT_FALSE(image.Opaque());
  EXPECT_FALSE(log.last_opaque);
}

TEST_F(ImageControlTest, AutoSizeTakesThePictureSize) {
  TImage image;
  image.SetBounds(10, 20, 50, 50);
  image.SetAutoSize(true);
  LoadArt(image, "degreasing.jpg");
  EXPECT_EQ(image.BoundsRect(), (Rect{10, 20, 10 + 354, 20 + 289}));
}

TEST_F(ImageControlTest, EmptyStreamFailsAtFirstPaintOnlyAndThenDrawsNothing) {
  TImage image;
  image.SetStretch(true);
  const auto value = WriteJPEGPictureValue({});
  ReadPictureValue(image.Picture(), std::span(value).subspan(5));
  ImageCanvas out(105, 105, clFuchsia);
  EXPECT_EQ(test::MessageOf<EJPEG>([&] { image.Paint(out.canvas()); }), "Erreur JPEG #42");
  EXPECT_FALSE(image.Painting());
  EXPECT_NO_THROW(image.Paint(out.canvas()));
  EXPECT_EQ(out.Pixel(50, 50), (Rgb{255, 0, 255}));
}

TEST_F(ImageControlTest, ChangesWhilePaintingDoNotInvalidate) {
  // 8-bit output: the decode at first paint brings a palette and a change.
  const TJPEGDefaults saved = JPEGDecodeDefaults;
  JPEGDecodeDefaults.OutputDepth = TJPEGPixelFormat::jf8Bit;
  TImage image;
  LoadArt(image, "sphere.jpg");
  JPEGDecodeDefaults = saved;
  HostLog log;
  image.SetHost(LoggingHost(log));
  ImageCanvas out(105, 105);
  image.Paint(out.canvas());
  EXPECT_EQ(log.invalidations, 0);
  EXPECT_EQ(static_cast<TJPEGImage*>(image.Picture().Graphic())->DecodedBitmap().BitsPerPixel(), 8);
}

TEST_F(ImageControlTest, PaletteStepOnEightBitDisplays) {
  // An undecoded true-colour picture on an 8-bit screen offers a halftone
  // palette: the form realizes it, and the mark is cleared.
  const int saved = JPEGScreenColorBits();
  SetJPEGScreenColorBits(8);
  TImage image;
  int realized = 0;
  TImage::Host host;
  host.realize_palette = [&](TImage&, bool) { ++realized; };
  image.SetHost(host);
  LoadArt(image, "box.jpg");
  SetJPEGScreenColorBits(saved);
  EXPECT_EQ(realized, 1);
  EXPECT_FALSE(image.Picture().Graphic()->PaletteModified());
  // Without a palette the mark is only cleared.
  TImage plain;
  LoadArt(plain, "box.jpg");
  EXPECT_FALSE(plain.Picture().Graphic()->PaletteModified());
}

std::uint32_t g_ticks = 0;
// Half a second passes every fifth call: each report covers five rows or so,
// enough for RedrawNow.
std::uint32_t FastTicks() { return g_ticks += 100; }

TEST_F(ImageControlTest, ProgressRepaintsOnlyWithIncrementalDisplay) {
  const TickSource previous = SetTickSource(FastTicks);
  for (const bool incremental : {false, true}) {
    SCOPED_TRACE(incremental ? "IncrementalDisplay" : "Plain");
    TImage image;
    HostLog log;
    image.SetHost(LoggingHost(log));
    image.SetIncrementalDisplay(incremental);
    int running = 0;
    image.OnProgress = [&](TGraphic&, TProgressStage stage, std::uint8_t, bool, const Rect&, const std::string&) {
      if (stage == TProgressStage::psRunning) ++running;
    };
    LoadArt(image, "cylinder.jpg");
    ImageCanvas out(105, 105);
    image.Paint(out.canvas());
    EXPECT_GT(running, 10);
    if (incremental) {
      EXPECT_GT(log.repaints, 10);
    } else {
      EXPECT_EQ(log.repaints, 0);
    }
  }
  SetTickSource(previous);
}

}  // namespace
}  // namespace anod
