#include "pictures/file_formats.h"

#include <gtest/gtest.h>

#include <string>

#include "pictures/bitmap.h"
#include "pictures/jpeg_image.h"
#include "pictures/jpeg_module.h"

namespace anod {
namespace {

TEST(FileFormatsTest, StartsWithTheFourKindsInOrder) {
  const TFileFormatsList list;
  ASSERT_EQ(list.Entries().size(), 4u);
  const struct {
    const GraphicClass* cls;
    const char* ext;
    const char* description;
  } expected[] = {
      {&kMetafileClass, "wmf", "M\xE9tafichiers"},
      {&kMetafileClass, "emf", "M\xE9tafichiers \xE9volu\xE9s"},
      {&kIconClass, "ico", "Ic\xF4nes"},
      {&kBitmapClass, "bmp", "Bitmaps"},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(expected[i].ext);
    EXPECT_EQ(list.Entries()[i].graphic_class, expected[i].cls);
    EXPECT_EQ(list.Entries()[i].extension, expected[i].ext);
    EXPECT_EQ(list.Entries()[i].description, expected[i].description);
  }
}

TEST(FileFormatsTest, JpegEntriesComeAndGoWithTheModule) {
  TFileFormatsList& list = TFileFormatsList::Instance();
  EXPECT_EQ(list.FindClassName("TJPEGImage"), nullptr);
  RegisterJPEGFormats();
  ASSERT_EQ(list.Entries().size(), 6u);
  EXPECT_EQ(list.Entries()[4].extension, "jpeg");
  EXPECT_EQ(list.Entries()[5].extension, "jpg");
  EXPECT_EQ(list.Entries()[5].description, "Fichier image JPEG");
  EXPECT_EQ(list.FindClassName("TJPEGImage"), &kJPEGImageClass);
  UnregisterJPEGFormats();
  EXPECT_EQ(list.Entries().size(), 4u);
  EXPECT_EQ(list.FindClassName("TJPEGImage"), nullptr);
  EXPECT_EQ(list.FindClassName("TBitmap"), &kBitmapClass);
}

TEST(FileFormatsTest, LookupIsCaseSensitiveAndFromTheLastEntry) {
  TFileFormatsList list;
  static const GraphicClass later_bitmap{"TBitmap", &kBitmapClass, nullptr};
  struct Row {
    const char* name;
    const GraphicClass* before;
    const GraphicClass* after;
  } rows[] = {
      {"TBitmap", &kBitmapClass, &later_bitmap},
      {"tbitmap", nullptr, nullptr},
      {"TBitmap ", nullptr, nullptr},
      {"TIcon", &kIconClass, &kIconClass},
      {"TMetafile", &kMetafileClass, &kMetafileClass},
      {"", nullptr, nullptr},
  };
  for (const Row& row : rows) EXPECT_EQ(list.FindClassName(row.name), row.before) << row.name;
  list.Add("bmp", "Bitmaps", later_bitmap);
  for (const Row& row : rows) EXPECT_EQ(list.FindClassName(row.name), row.after) << row.name;
  // Removing a class removes its descendants too.
  list.Remove(kBitmapClass);
  EXPECT_EQ(list.FindClassName("TBitmap"), nullptr);
  EXPECT_EQ(list.Entries().size(), 3u);
}

TEST(JpegModuleTest, ScreenDepthSetsTheOutputDepthDefault) {
  const struct {
    const char* name;
    int bits, planes;
    TJPEGPixelFormat expected;
  } rows[] = {
      {"Bits32Planes1", 32, 1, TJPEGPixelFormat::jf24Bit}, {"Bits16Planes1", 16, 1, TJPEGPixelFormat::jf24Bit},
      {"Bits8Planes1", 8, 1, TJPEGPixelFormat::jf8Bit},    {"Bits4Planes2", 4, 2, TJPEGPixelFormat::jf8Bit},
      {"Bits1Planes4", 1, 4, TJPEGPixelFormat::jf8Bit},    {"Bits4Planes4", 4, 4, TJPEGPixelFormat::jf24Bit},
  };
  const TJPEGDefaults saved = JPEGDecodeDefaults;
  const int saved_bits = JPEGScreenColorBits();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    JPEGDecodeDefaults = TJPEGDefaults{};
    ApplyScreenDepth(row.bits, row.planes);
    EXPECT_EQ(JPEGDecodeDefaults.OutputDepth, row.expected);
    EXPECT_EQ(JPEGScreenColorBits(), row.bits * row.planes);
    EXPECT_EQ(TJPEGImage().Settings().OutputDepth, row.expected);
  }
  JPEGDecodeDefaults = saved;
  SetJPEGScreenColorBits(saved_bits);
}

TEST(JpegModuleTest, DefaultsAreBestQualityFullSizeWithSmoothing) {
  const TJPEGDefaults d;
  EXPECT_TRUE(d.BlockSmoothing);
  EXPECT_FALSE(d.GrayOutput);
  EXPECT_EQ(d.OutputDepth, TJPEGPixelFormat::jf24Bit);
  EXPECT_FALSE(d.ScanByScanDisplay);
  EXPECT_EQ(d.DecodeMode, TJPEGPerformance::jpBestQuality);
  EXPECT_EQ(d.OutputScale, TJPEGScale::jsFullSize);
}

}  // namespace
}  // namespace anod
