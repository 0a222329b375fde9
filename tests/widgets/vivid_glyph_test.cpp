// The glyph strip, its derived images and their cache, and image lists.
#include "widgets/vivid_glyph.h"

#include <gtest/gtest.h>

namespace anod {
namespace {

// A strip of `n` images of `size` x `size`: image i is filled with colours[i]
// on a fuchsia bottom-left pixel (the transparent colour).
GlyphBitmap Strip(int n, int size, std::initializer_list<TColor> colours) {
  GlyphBitmap b = GlyphBitmap::Solid(n * size, size, clFuchsia);
  int i = 0;
  for (TColor c : colours) {
    const Rgb rgb = ColorToRgb(c);
    for (int y = 0; y < size - 1; ++y) {
      for (int x = 0; x < size; ++x) b.SetPixel(i * size + x, y, rgb);
    }
    ++i;
  }
  return b;
}

struct NumGlyphsRow {
  const char* name;
  int width, height;
  int expected;  // starting from 1
};

TEST(TVividGlyphTest, DerivesNumGlyphsFromTheBitmapShape) {
  const NumGlyphsRow rows[] = {
      {"16x16", 16, 16, 1},  {"32x16", 32, 16, 2}, {"64x16", 64, 16, 4}, {"80x16", 80, 16, 5},
      {"96x16 six", 96, 16, 1}, {"20x16 not a multiple", 20, 16, 1}, {"8x16 narrower", 8, 16, 1},
  };
  for (const NumGlyphsRow& row : rows) {
    SCOPED_TRACE(row.name);
    TVividGlyph glyph;
    glyph.Assign(GlyphBitmap::Solid(row.width, row.height, clRed));
    EXPECT_EQ(glyph.NumGlyphs(), row.expected);
  }
}

TEST(TVividGlyphTest, KeepsNumGlyphsWhenTheShapeSaysNothing) {
  TVividGlyph glyph;
  glyph.SetNumGlyphs(3);
  glyph.Assign(GlyphBitmap::Solid(20, 16, clRed));
  EXPECT_EQ(glyph.NumGlyphs(), 3);
}

TEST(TVividGlyphTest, IgnoresNumGlyphsOutsideOneToFive) {
  TVividGlyph glyph;
  int changes = 0;
  glyph.OnChange = [&](TVividObject&) { ++changes; };
  for (int n : {0, -1, 6}) glyph.SetNumGlyphs(n);
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  EXPECT_EQ(changes, 0);
  glyph.SetNumGlyphs(2);
  EXPECT_EQ(changes, 1);
}

struct ImageRow {
  const char* name;
  int strip;  // images in the strip
  bool uncoloured;
  ButtonDrawState state;
  Rgb expected;  // the colour of the image's top-left pixel
};

const Rgb kRedRgb{255, 0, 0};
const Rgb kGreenRgb{0, 128, 0};
const Rgb kBlueRgb{0, 0, 255};
const Rgb kYellowRgb{255, 255, 0};

TEST(TVividGlyphTest, ChoosesTheImageByDrawState) {
  // Strip colours: 0 red, 1 green, 2 blue, 3 navy, 4 yellow.
  const ImageRow rows[] = {
      {"five normal", 5, false, ButtonDrawState::Normal, kRedRgb},
      {"five disabled", 5, false, ButtonDrawState::Disabled, kGreenRgb},
      {"five hot", 5, false, ButtonDrawState::Hot, kBlueRgb},
      {"five pressed", 5, false, ButtonDrawState::Pressed, kYellowRgb},
      {"one hot uses image 0", 1, false, ButtonDrawState::Hot, kRedRgb},
      {"one pressed uses image 0", 1, false, ButtonDrawState::Pressed, kRedRgb},
      {"three pressed uses image 0", 3, false, ButtonDrawState::Pressed, kRedRgb},
      {"three pressed uncoloured uses image 2", 3, true, ButtonDrawState::Pressed, kBlueRgb},
      {"one hot uncoloured shows colour", 1, true, ButtonDrawState::Hot, kRedRgb},
      {"one normal uncoloured is grey", 1, true, ButtonDrawState::Normal, Rgb{76, 76, 76}},
      {"one disabled is embossed shadow", 1, false, ButtonDrawState::Disabled, Rgb{128, 128, 128}},
  };
  for (const ImageRow& row : rows) {
    SCOPED_TRACE(row.name);
    TVividGlyph glyph;
    glyph.SetUncoloured(row.uncoloured);
    const GlyphBitmap strip = Strip(5, 8, {clRed, clGreen, clBlue, clNavy, RgbColor(255, 255, 0)});
    GlyphBitmap cut = strip.Cut(0, row.strip * 8);
    glyph.Assign(cut);
    ASSERT_EQ(glyph.NumGlyphs(), row.strip);
    const GlyphBitmap* image = glyph.ImageFor(row.state);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 8);
    EXPECT_EQ(image->Pixel(0, 0), row.expected);
  }
}

TEST(TVividGlyphTest, DisabledImageEmbossesDarkPixels) {
  GlyphBitmap b = GlyphBitmap::Solid(4, 4, clWhite);
  b.SetPixel(1, 1, {0, 0, 0});
  const GlyphBitmap d = DisabledGlyph(b);
  EXPECT_EQ(d.Pixel(1, 1), (Rgb{128, 128, 128}));  // shadow where the dark pixel was
  EXPECT_EQ(d.Pixel(2, 2), (Rgb{255, 255, 255}));  // highlight one right and down
  EXPECT_EQ(d.Pixel(0, 0), b.TransparentColor());
}

TEST(TVividGlyphTest, BuildsDerivedImagesOnceUntilTheGlyphChanges) {
  TVividGlyph glyph;
  glyph.Assign(Strip(1, 8, {clBlack}));
  const GlyphBitmap* first = glyph.ImageFor(ButtonDrawState::Disabled);
  const GlyphBitmap* second = glyph.ImageFor(ButtonDrawState::Disabled);
  EXPECT_EQ(first, second);
  EXPECT_EQ(glyph.DerivedBuilds(), 1);
  ASSERT_NE(TVividGlyphCache::Instance(), nullptr);
  EXPECT_EQ(TVividGlyphCache::Instance()->EntryCount(), 1);
  glyph.SetUncoloured(true);  // drops the derived images
  EXPECT_EQ(TVividGlyphCache::Instance()->EntryCount(), 0);
  glyph.ImageFor(ButtonDrawState::Disabled);
  glyph.ImageFor(ButtonDrawState::Normal);
  EXPECT_EQ(glyph.DerivedBuilds(), 3);
  EXPECT_EQ(TVividGlyphCache::Instance()->EntryCount(), 2);
}

TEST(TVividGlyphTest, CacheGroupsBySizeAndGoesWithTheLastGlyph) {
  {
    TVividGlyph small, large;
    small.Assign(Strip(1, 8, {clBlack}));
    large.Assign(Strip(1, 16, {clBlack}));
    small.ImageFor(ButtonDrawState::Disabled);
    large.ImageFor(ButtonDrawState::Disabled);
    const GlyphBitmap* kept = small.ImageFor(ButtonDrawState::Disabled);
    TVividGlyph other;
    other.Assign(Strip(1, 8, {clNavy}));
    other.ImageFor(ButtonDrawState::Disabled);
    other.Clear();  // another glyph dropping its images leaves ours in place
    EXPECT_EQ(small.ImageFor(ButtonDrawState::Disabled), kept);
    EXPECT_EQ(TVividGlyphCache::Instance()->ListCount(), 2);
  }
  EXPECT_EQ(TVividGlyphCache::Instance(), nullptr);
}

TEST(TCustomImageListTest, GivesImagesOfExistingIndexesOnly) {
  TCustomImageList list(8, 8);
  list.Add(GlyphBitmap::Solid(8, 8, clRed));
  list.Add(GlyphBitmap::Solid(8, 8, clBlue), 2);
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_TRUE(list.Image(0).has_value());
  EXPECT_FALSE(list.Image(1).has_value());
  EXPECT_FALSE(list.Image(-1).has_value());
  EXPECT_FALSE(list.Image(0, 1).has_value());
  ASSERT_TRUE(list.Image(0, 2).has_value());
  EXPECT_EQ(list.Image(0, 2)->Pixel(0, 0), kBlueRgb);
}

TEST(TCustomImageListTest, TellsLinksOfChangesAndDestruction) {
  TChangeLink link;
  int changes = 0, destroyed = 0;
  link.OnChange = [&] { ++changes; };
  link.OnDestroy = [&] { ++destroyed; };
  {
    TCustomImageList list(8, 8);
    list.RegisterChanges(link);
    list.Add(GlyphBitmap::Solid(8, 8, clRed));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(link.Sender(), &list);
  }
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(link.Sender(), nullptr);
}

}  // namespace
}  // namespace anod
