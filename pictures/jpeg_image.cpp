#include "pictures/jpeg_image.h"

#include <algorithm>
#include <exception>
#include <string>

#include "core/failures.h"
#include "pictures/byte_reader.h"
#include "pictures/jpeg_decompressor.h"
#include <jerror.h>
#include "pictures/tick_count.h"

namespace anod {

TJPEGDefaults JPEGDecodeDefaults;

namespace {

int g_screen_bits = 24;

std::unique_ptr<TGraphic> CreateJPEGImage() { return std::make_unique<TJPEGImage>(); }

// The decoder writes the bitmap's rows over whatever memory held; on every
// way out, the rows no pass has reached are blackened, so a decode cut short
// (a failure, a cancel) leaves them black as a new bitmap's are.
class UnreachedRowsBlackened {
 public:
  UnreachedRowsBlackened(TBitmap& bitmap, const jpeg_decompress_struct& info) : bitmap_(bitmap), info_(info) {}
  ~UnreachedRowsBlackened() {
    PassEnded();
    bitmap_.ClearRowsFrom(reached_);
  }
  UnreachedRowsBlackened(const UnreachedRowsBlackened&) = delete;
  UnreachedRowsBlackened& operator=(const UnreachedRowsBlackened&) = delete;
  // A pass writes rows from the top; a later one may stop above an earlier one.
  void PassEnded() { reached_ = std::max(reached_, static_cast<int>(info_.output_scanline)); }

 private:
  TBitmap& bitmap_;
  const jpeg_decompress_struct& info_;
  int reached_ = 0;
};

// Frames beyond this many pixels are refused before any bitmap is made.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;
constexpr int kQuantizedColors = 236;
constexpr std::uint32_t kProgressInterval = 500;  // ms

// The palette an 8-bit display uses for true-colour pictures: the 6 x 6 x 6
// colour cube, then a ramp of greys between its levels.
std::vector<Rgb> HalftonePalette() {
  std::vector<Rgb> palette;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        palette.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                           static_cast<std::uint8_t>(b * 51)});
  for (int i = 1; i <= 20; ++i) {
    const auto v = static_cast<std::uint8_t>(i * 255 / 21);
    palette.push_back({v, v, v});
  }
  return palette;
}

int ScaledSize(int size, TJPEGScale scale) {
  const int shift = static_cast<int>(scale);
  return (size + (1 << shift) - 1) >> shift;
}

// Palette entry i from the library's colour map: in the order of the output
// colour space (red, green, blue), or one grey level per entry.
std::vector<Rgb> PaletteFromColorMap(const jpeg_decompress_struct& info) {
  std::vector<Rgb> palette(static_cast<std::size_t>(info.actual_number_of_colors));
  const bool gray = info.out_color_space == JCS_GRAYSCALE;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::uint8_t r = info.colormap[0][i];
    palette[i] = gray ? Rgb{r, r, r} : Rgb{r, info.colormap[1][i], info.colormap[2][i]};
  }
  return palette;
}

}  // namespace

const GraphicClass kJPEGImageClass{"TJPEGImage", &kGraphicClass, CreateJPEGImage};

int JPEGScreenColorBits() { return g_screen_bits; }
void SetJPEGScreenColorBits(int bits) { g_screen_bits = bits; }

TJPEGImage::TJPEGImage() : data_(std::make_shared<TJPEGData>()), settings_(JPEGDecodeDefaults) {}

int TJPEGImage::Width() const {
  return bitmap_ ? bitmap_->Width() : ScaledSize(data_->width, settings_.OutputScale);
}

int TJPEGImage::Height() const {
  return bitmap_ ? bitmap_->Height() : ScaledSize(data_->height, settings_.OutputScale);
}

void TJPEGImage::SetWidth(int) {
  throw EInvalidGraphicOperation("Impossible de modifier la taille d'une image JPEG");
}

void TJPEGImage::SetHeight(int) {
  throw EInvalidGraphicOperation("Impossible de modifier la taille d'une image JPEG");
}

bool TJPEGImage::Empty() const { return !data_->bytes && (!bitmap_ || bitmap_->Empty()); }

void TJPEGImage::ReadData(ByteReader& reader) {
  const std::uint32_t length = reader.ReadUInt32();
  data_ = std::make_shared<TJPEGData>();
  bitmap_.reset();
  data_->bytes.emplace();
  const auto stream = reader.Take(length);
  data_->bytes->assign(stream.begin(), stream.end());
  LoadHeader();
}

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> stream) {
  data_ = std::make_shared<TJPEGData>();
  bitmap_.reset();
  data_->bytes.emplace(stream.begin(), stream.end());
  LoadHeader();
}

void TJPEGImage::LoadHeader() {
  if (!data_->bytes->empty()) {
    JpegDecompressor decompressor(*data_->bytes);
    decompressor.ReadHeader();
    const jpeg_decompress_struct& info = decompressor.Info();
    data_->width = static_cast<std::int32_t>(info.image_width);
    data_->height = static_cast<std::int32_t>(info.image_height);
    data_->grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
  }
  SetPaletteModified(true);
  Changed();
}

void TJPEGImage::WriteData(std::vector<std::uint8_t>& out) const {
  const std::size_t length = data_->bytes ? data_->bytes->size() : 0;
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(length >> shift));
  if (length > 0) out.insert(out.end(), data_->bytes->begin(), data_->bytes->end());
}

void TJPEGImage::Assign(const TJPEGImage& other) {
  if (&other == this) return;
  data_ = other.data_;
  settings_ = other.settings_;
  bitmap_.reset();
  temporary_palette_.reset();
  SetPaletteModified(true);
  Changed();
}

std::vector<Rgb> TJPEGImage::Palette() {
  if (bitmap_) return bitmap_->Palette();
  if (!temporary_palette_ && settings_.OutputDepth == TJPEGPixelFormat::jf24Bit && g_screen_bits <= 8) {
    temporary_palette_ = HalftonePalette();
  }
  return temporary_palette_.value_or(std::vector<Rgb>{});
}

TBitmap& TJPEGImage::DecodedBitmap() {
  if (bitmap_) return *bitmap_;
  // Held at once: whatever happens below, this bitmap is the decoded one.
  bitmap_ = std::make_unique<TBitmap>();
  progress_ = ProgressState{};
  std::exception_ptr failure;
  try {
    Decode(*bitmap_);
  } catch (...) {
    failure = std::current_exception();
  }
  if (progress_.started) {
    Progress(TProgressStage::psEnding, failure ? 0 : 100, PaletteModified(), Rect{});
    if (PaletteModified()) Changed();
  }
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (const EAbort&) {
      // A progress handler cancelled: keep the rows decoded so far, quietly.
    }
  }
  return *bitmap_;
}

void TJPEGImage::Decode(TBitmap& bitmap) {
  const std::vector<std::uint8_t> no_bytes;
  const std::vector<std::uint8_t>& bytes = data_->bytes ? *data_->bytes : no_bytes;
  JpegDecompressor decompressor(bytes, [this](const jpeg_decompress_struct& info) { OnLibraryProgress(info); });
  jpeg_decompress_struct& info = decompressor.Info();
  decompressor.ReadHeader();
  // This build's default is the integer transform; best quality means the
  // floating-point one.
  info.dct_method = JDCT_FLOAT;

  info.scale_num = 1;
  info.scale_denom = 1u << static_cast<unsigned>(settings_.OutputScale);
  info.do_block_smoothing = settings_.BlockSmoothing ? TRUE : FALSE;
  if (settings_.GrayOutput) info.out_color_space = JCS_GRAYSCALE;
  if (settings_.OutputDepth == TJPEGPixelFormat::jf8Bit || info.out_color_space == JCS_GRAYSCALE) {
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = kQuantizedColors;
  }
  if (settings_.DecodeMode == TJPEGPerformance::jpBestSpeed) {
    info.dct_method = JDCT_IFAST;
    info.two_pass_quantize = FALSE;
    info.dither_mode = JDITHER_ORDERED;
  }
  // Colour output always goes through the RGB conversion, so a stream in
  // another colour space (CMYK, YCCK) is refused by the library instead of
  // yielding four bytes per pixel. Unquantized, it comes out blue, green, red:
  // the bitmap's own byte order, no swap afterwards.
  const bool gray = info.out_color_space == JCS_GRAYSCALE;
  if (!gray) info.out_color_space = info.quantize_colors ? JCS_RGB : JCS_EXT_BGR;

  const J_DCT_METHOD final_dct = info.dct_method;
  const boolean final_two_pass = info.two_pass_quantize;
  const J_DITHER_MODE final_dither = info.dither_mode;
  const bool scan_by_scan = settings_.ScanByScanDisplay && decompressor.HasMultipleScans();
  if (scan_by_scan) {
    info.enable_2pass_quant = info.two_pass_quantize;
    info.dct_method = JDCT_IFAST;
    info.two_pass_quantize = FALSE;
    info.dither_mode = JDITHER_ORDERED;
    info.buffered_image = TRUE;
  }

  const bool eight_bit = info.quantize_colors != FALSE;
  bitmap.SetPixelFormat(eight_bit ? TPixelFormat::pf8bit : TPixelFormat::pf24bit);
  progress_.started = true;
  Progress(TProgressStage::psStarting, 0, false, Rect{});

  // A temporary palette only exists for 24-bit output (8-bit output never
  // makes one before decoding), and 24-bit output has no use for it.
  temporary_palette_.reset();

  // The frame's size is known from the header; refuse absurd ones before the
  // library or the bitmap allocates for them.
  if (static_cast<long long>(info.image_width) * info.image_height > kMaxPixels) {
    throw EInvalidGraphic("Image trop grande");
  }
  decompressor.StartDecompress();
  if (info.output_components != (eight_bit ? 1 : 3)) {
    throw EJPEG("Erreur JPEG #" + std::to_string(static_cast<int>(JERR_CONVERSION_NOTIMPL)));
  }
  bitmap.SetSizeForOverwrite(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  UnreachedRowsBlackened unreached(bitmap, info);
  // Row y lies y strides below row 0, whatever the height (one row included).
  std::uint8_t* const first_row = bitmap.ScanLine(0);
  const std::ptrdiff_t stride = bitmap.Stride();

  auto take_palette = [&] {
    if (info.quantize_colors && info.colormap != nullptr && eight_bit) {
      bitmap.SetPalette(PaletteFromColorMap(info));
      SetPaletteModified(true);
    }
  };

  if (scan_by_scan) {
    // Take in one whole scan, show it, and so on to the end of the image.
    for (;;) {
      int status = decompressor.ConsumeInput();
      while (status != JPEG_SCAN_COMPLETED && status != JPEG_REACHED_EOI && status != JPEG_SUSPENDED)
        status = decompressor.ConsumeInput();
      if (status != JPEG_SCAN_COMPLETED) break;
      decompressor.StartOutput(info.input_scan_number);
      take_palette();
      decompressor.ReadRows(first_row, stride);
      unreached.PassEnded();
      decompressor.FinishOutput();
    }
    info.dct_method = final_dct;
    info.dither_mode = final_dither;
    if (final_two_pass) {
      info.two_pass_quantize = TRUE;
      info.colormap = nullptr;
    }
    decompressor.StartOutput(info.input_scan_number);
  }
  if (!scan_by_scan || final_two_pass) take_palette();
  decompressor.ReadRows(first_row, stride);
  unreached.PassEnded();
  if (scan_by_scan) decompressor.FinishOutput();
  decompressor.FinishDecompress();
}

void TJPEGImage::OnLibraryProgress(const jpeg_decompress_struct& info) {
  ProgressState& p = progress_;
  const std::uint32_t now = TickCount();
  if (!p.tick_recorded) {
    p.tick_recorded = true;
    p.last_tick = now;
    return;
  }
  if (now - p.last_tick < kProgressInterval) return;
  p.last_tick = now;

  Rect rows{0, static_cast<int>(p.first_unreported_row), static_cast<int>(info.output_width),
            static_cast<int>(info.output_scanline)};
  if (info.output_scanline < p.first_unreported_row) rows.bottom = static_cast<int>(info.output_height);  // a new pass
  const jpeg_progress_mgr& m = *info.progress;
  int percent = 0;
  if (m.pass_limit > 0 && m.total_passes > 0) {
    const double done = static_cast<double>(m.pass_counter) / static_cast<double>(m.pass_limit) + m.completed_passes;
    percent = std::clamp(static_cast<int>(done * 100 / m.total_passes), 0, 100);
  }
  if (percent == p.last_percent) return;
  p.last_percent = percent;
  p.first_unreported_row = info.output_scanline;
  Progress(TProgressStage::psRunning, static_cast<std::uint8_t>(percent), rows.Height() >= 4, rows);
}

void TJPEGImage::DrawScaled(Canvas& canvas, const Rect& r) { DecodedBitmap().DrawScaled(canvas, r); }

}  // namespace anod
