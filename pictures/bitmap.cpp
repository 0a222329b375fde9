#include "pictures/bitmap.h"

#include <algorithm>

#include "core/failures.h"

namespace anod {

namespace {
std::unique_ptr<TGraphic> CreateBitmap() { return std::make_unique<TBitmap>(); }
}  // namespace

const GraphicClass kBitmapClass{"TBitmap", &kGraphicClass, CreateBitmap};

StretchMode ChooseStretchMode(int destination_bits, int bitmap_bits) {
  if (destination_bits <= 8 && destination_bits < bitmap_bits) return StretchMode::Halftone;
  return StretchMode::ColorOnColor;
}

void TBitmap::Allocate(bool black) {
  const std::ptrdiff_t row_bytes = static_cast<std::ptrdiff_t>(width_) * (BitsPerPixel() / 8);
  stride_ = (row_bytes + 3) & ~std::ptrdiff_t{3};
  const std::size_t size = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
  if (black) {
    bits_ = std::make_unique<std::uint8_t[]>(size);
    return;
  }
  bits_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
  if (row_bytes == stride_) return;
  for (int y = 0; y < height_; ++y) std::fill(&bits_[stride_ * y + row_bytes], &bits_[stride_ * (y + 1)], 0);
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Allocate(true);
  Changed();
}

void TBitmap::SetSizeForOverwrite(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Allocate(false);
  Changed();
}

void TBitmap::ClearRowsFrom(int first) {
  first = std::max(first, 0);
  if (first >= height_) return;
  std::fill(&bits_[stride_ * first], &bits_[stride_ * height_], 0);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  format_ = format;
  if (format_ == TPixelFormat::pf24bit) palette_.clear();
  Allocate(true);
  Changed();
}

std::uint8_t* TBitmap::ScanLine(int row) {
  return const_cast<std::uint8_t*>(static_cast<const TBitmap&>(*this).ScanLine(row));
}

const std::uint8_t* TBitmap::ScanLine(int row) const {
  if (row < 0 || row >= height_) throw EInvalidGraphicOperation("Indice ligne hors limites");
  return bits_.get() + stride_ * row;
}

void TBitmap::SetPalette(std::vector<Rgb> palette) {
  palette_ = std::move(palette);
  SetPaletteModified(true);
  Changed();
}

BitmapView TBitmap::View() const {
  BitmapView view;
  view.width = width_;
  view.height = height_;
  view.bits_per_pixel = BitsPerPixel();
  view.stride = stride_;
  view.bits = bits_.get();
  view.palette = palette_;
  return view;
}

void TBitmap::DrawScaled(Canvas& canvas, const Rect& r) {
  if (Empty()) return;
  canvas.StretchBitmap(View(), r, ChooseStretchMode(canvas.BitsPerPixel(), BitsPerPixel()));
}

}  // namespace anod
