// A bitmap in memory: 24-bit rows of blue, green, red bytes, or 8-bit rows of
// palette indexes. Rows are stored top-down, each padded to a multiple of four
// bytes; new pixels are black (index 0).
//
//   TBitmap b;  b.SetPixelFormat(TPixelFormat::pf24bit);  b.SetSize(3, 2);
//   b.Stride()      -> 12  (9 bytes of pixels, padded)
//   b.ScanLine(1)   -> b.ScanLine(0) + 12
//   b.ScanLine(2)   -> throws EInvalidGraphicOperation "Indice ligne hors limites"
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "pictures/graphic.h"

namespace anod {

enum class TPixelFormat { pf8bit = 8, pf24bit = 24 };

extern const GraphicClass kBitmapClass;  // "TBitmap"

// The stretch mode a bitmap of `bitmap_bits` per pixel is drawn with on a
// destination of `destination_bits` (bits per pixel times planes): halftone
// when the destination has 8 bits or fewer and fewer than the bitmap,
// otherwise colour-on-colour.
//   ChooseStretchMode(8, 24)  -> Halftone
//   ChooseStretchMode(8, 8)   -> ColorOnColor
//   ChooseStretchMode(32, 24) -> ColorOnColor
StretchMode ChooseStretchMode(int destination_bits, int bitmap_bits);

class TBitmap final : public TGraphic {
 public:
  const GraphicClass& ClassType() const override { return kBitmapClass; }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override { SetSize(width, height_); }
  void SetHeight(int height) override { SetSize(width_, height); }
  // Reallocates (black) when the size changes; a negative size counts as 0.
  void SetSize(int width, int height);
  // The same for a writer that fills every row itself (the JPEG decoder): the
  // pixels are not blackened first, only each row's padding is; the writer
  // blackens with ClearRowsFrom the rows it does not reach. Saves clearing
  // the eight pictures' 2 MB at the first paint.
  void SetSizeForOverwrite(int width, int height);
  // Blackens rows `first` .. Height() - 1 (none when first >= Height()).
  void ClearRowsFrom(int first);
  bool Empty() const override { return width_ == 0 || height_ == 0; }

  TPixelFormat PixelFormat() const { return format_; }
  int BitsPerPixel() const { return static_cast<int>(format_); }
  // Changing the format clears the pixels.
  void SetPixelFormat(TPixelFormat format);

  std::ptrdiff_t Stride() const { return stride_; }
  // Row `row` (0 = top); EInvalidGraphicOperation "Indice ligne hors limites"
  // outside 0 .. Height() - 1.
  std::uint8_t* ScanLine(int row);
  const std::uint8_t* ScanLine(int row) const;

  // 8-bit bitmaps: the colour of each index. Empty for 24-bit bitmaps.
  std::vector<Rgb> Palette() override { return palette_; }
  const std::vector<Rgb>& PaletteEntries() const { return palette_; }
  void SetPalette(std::vector<Rgb> palette);

  BitmapView View() const;
  // Stretches the whole bitmap into `r` with the mode ChooseStretchMode gives.
  void DrawScaled(Canvas& canvas, const Rect& r) override;

 private:
  // Storage for the current size and format, blackened or not.
  void Allocate(bool black);

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  std::ptrdiff_t stride_ = 0;
  std::unique_ptr<std::uint8_t[]> bits_;
  std::vector<Rgb> palette_;
};

}  // namespace anod
