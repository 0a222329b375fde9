// The colored button's picture: a strip of up to five images side by side,
// the images derived from it, and the image list it can come from.
//
// Image d of the strip is shown for DrawState code d (0 normal, 1 disabled,
// 2 hot, 3 unused, 4 pressed). Missing images are derived from image 0: the
// disabled one by an embossing filter, the others as plain copies; in
// uncoloured mode image 0 itself is shown in grey tones. Derived images are
// built once per glyph and kept in a cache shared by all glyphs, keyed by image
// size; any change of the bitmap, NumGlyphs or the mode drops them.
//
//   TVividGlyph glyph;
//   glyph.Assign(GlyphBitmap::Solid(64, 16, RgbColor(255, 0, 0)));
//   glyph.NumGlyphs()        -> 4  (64 / 16)
//   glyph.ImageFor(ButtonDrawState::Disabled)  -> the embossed image 0
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/canvas.h"
#include "widgets/vivid_settings.h"

namespace anod {

// A 24-bit bitmap in memory (rows of blue, green, red bytes, no padding).
struct GlyphBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgr;
  // The colour left out when drawing; none means the bottom-left pixel's.
  std::optional<Rgb> transparent;

  static GlyphBitmap Solid(int width, int height, TColor color);
  bool Empty() const { return width <= 0 || height <= 0; }
  Rgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgb c);
  // The transparent colour in force: `transparent`, else the bottom-left pixel.
  Rgb TransparentColor() const;
  // Columns [x, x + w) as a new bitmap with the same transparent colour.
  GlyphBitmap Cut(int x, int w) const;
  BitmapView View() const;
  friend bool operator==(const GlyphBitmap&, const GlyphBitmap&) = default;
};

class TVividGlyph : public TVividObject {
 public:
  explicit TVividGlyph(void* owner = nullptr);
  ~TVividGlyph() override;

  const GlyphBitmap& Bitmap() const { return bitmap_; }
  bool Empty() const { return bitmap_.Empty(); }
  // Copies the bitmap. When its width is an exact multiple of its height,
  // NumGlyphs becomes width / height if that is below 6, else 1.
  void Assign(const GlyphBitmap& bitmap);
  void Clear() { Assign(GlyphBitmap{}); }

  int NumGlyphs() const { return num_glyphs_; }
  // 1 .. 5; 0 and values outside are ignored.
  void SetNumGlyphs(int n);

  bool Uncoloured() const { return uncoloured_; }
  void SetUncoloured(bool on);

  // Width and height of one image of the strip (0 x 0 when empty).
  Size ImageSize() const;
  // The image shown for a draw state; none when the glyph is empty. The
  // returned pointer stays valid until the next change of the glyph.
  const GlyphBitmap* ImageFor(ButtonDrawState state);

  // How many derived images this glyph has built (for the cache rule).
  int DerivedBuilds() const { return derived_builds_; }

 private:
  void DropDerived();
  const GlyphBitmap* Derived(int index);

  GlyphBitmap bitmap_;
  int num_glyphs_ = 1;
  bool uncoloured_ = false;
  std::vector<GlyphBitmap> cut_;  // the strip's own images
  int derived_builds_ = 0;
};

// The disabled look: every pixel darker than mid-grey becomes a shadow pixel
// with a highlight pixel one right and one down; everything else becomes the
// transparent colour.
GlyphBitmap DisabledGlyph(const GlyphBitmap& image);
// Grey tones: each pixel's luminance; the transparent colour stays.
GlyphBitmap GreyGlyph(const GlyphBitmap& image);

// Derived images of every glyph, grouped by image size as one image list per
// size. Lives while a glyph exists or an entry remains.
class TVividGlyphCache {
 public:
  static TVividGlyphCache* Instance();  // null when no glyph exists
  int ListCount() const { return static_cast<int>(lists_.size()); }
  int EntryCount() const;

 private:
  friend class TVividGlyph;
  struct Entry {
    const TVividGlyph* owner;
    int index;
    std::unique_ptr<GlyphBitmap> image;
  };
  struct List {
    Size size;
    std::vector<Entry> entries;
  };
  static void AddGlyph();
  static void RemoveGlyph();
  const GlyphBitmap* Find(const TVividGlyph* owner, int index, Size size) const;
  const GlyphBitmap* Add(const TVividGlyph* owner, int index, GlyphBitmap image);
  void Drop(const TVividGlyph* owner);

  std::vector<List> lists_;
  int glyphs_ = 0;
};

class TCustomImageList;

// What an image list tells the buttons that show its images.
class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  TCustomImageList* Sender() const { return sender_; }
  std::function<void()> OnChange;
  std::function<void()> OnDestroy;

 private:
  friend class TCustomImageList;
  TCustomImageList* sender_ = nullptr;
};

// A list of equal-size images, possibly grouped into several lists (a
// multi-list container). Registered change links hear of every change and of
// the list's destruction.
class TCustomImageList {
 public:
  TCustomImageList(int width, int height) : width_(width), height_(height) {}
  ~TCustomImageList();
  TCustomImageList(const TCustomImageList&) = delete;
  TCustomImageList& operator=(const TCustomImageList&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int ListCount() const { return static_cast<int>(lists_.size()); }
  int Count(int list = 0) const;
  // Appends an image (scaled by cut or padding to the list's size) to list
  // `list`, creating lists up to it; returns its index.
  int Add(const GlyphBitmap& image, int list = 0);
  void Clear();
  // The image, or none when list or index do not exist.
  std::optional<GlyphBitmap> Image(int index, int list = 0) const;

  void RegisterChanges(TChangeLink& link);
  void UnRegisterChanges(TChangeLink& link);

 private:
  void Change();
  int width_;
  int height_;
  std::vector<std::vector<GlyphBitmap>> lists_;
  std::vector<TChangeLink*> links_;
};

}  // namespace anod
