// A JPEG picture: its stored bytes, shared by reference count between
// copies, the facts of its headers, and the bitmap it decodes to.
//
// States: no bytes; bytes loaded with the header's width, height and
// grayscale flag known (nothing decoded); decoded, with the bitmap cached.
// Loading new bytes goes back to the second state and drops the bitmap. The
// first DecodedBitmap (the first draw) decodes, once: later calls, and later
// draws, reuse the cached bitmap, even when decoding failed half-way (the
// rows decoded so far stay) or at once (the bitmap stays empty).
//
// Decoding takes its settings from JPEGDecodeDefaults as they were when the
// picture was made. With the defaults on a true-colour screen it gives a
// 24-bit bitmap of blue, green, red rows, byte for byte what the library's
// own command-line decoder writes with "-dct float -bmp"; with 8-bit output
// a bitmap of palette indexes quantized to at most 236 colours, as that
// decoder writes with "-dct float -colors 236".
//
// Failures (all raised by DecodedBitmap or LoadFromStream):
//   EJPEG "Erreur JPEG #53"   bytes that do not start with FF D8 (at load)
//   EJPEG "Erreur JPEG #42"   an empty stream (J = 0), at the first draw
//   EJPEG "Erreur JPEG #<n>"  any other fatal library error
//   EReadError "Erreur de lecture du flux"  J larger than the bytes present
//   EInvalidGraphic "Image trop grande"  a frame of more than 64 megapixels
//   EInvalidGraphicOperation "Impossible de modifier la taille d'une image JPEG"
//                             SetWidth / SetHeight
// A stream cut short decodes without failure, what is missing left black.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "pictures/bitmap.h"
#include "pictures/graphic.h"

struct jpeg_decompress_struct;

namespace anod {

enum class TJPEGPixelFormat { jf24Bit, jf8Bit };
enum class TJPEGPerformance { jpBestQuality, jpBestSpeed };
// The decoder is asked for 1 / 2^OutputScale of the image size.
enum class TJPEGScale : std::uint8_t { jsFullSize = 0, jsHalf = 1, jsQuarter = 2, jsEighth = 3 };

struct TJPEGDefaults {
  bool BlockSmoothing = true;
  bool GrayOutput = false;
  TJPEGPixelFormat OutputDepth = TJPEGPixelFormat::jf24Bit;
  bool ScanByScanDisplay = false;
  TJPEGPerformance DecodeMode = TJPEGPerformance::jpBestQuality;
  TJPEGScale OutputScale = TJPEGScale::jsFullSize;
};

// The process-wide defaults each new picture copies (pictures/jpeg_module.h
// sets OutputDepth from the screen at start-up).
extern TJPEGDefaults JPEGDecodeDefaults;

// The screen's bits per pixel times its planes, as recorded at start-up
// (24 until then). Decides whether an undecoded picture offers a halftone
// palette.
int JPEGScreenColorBits();
void SetJPEGScreenColorBits(int bits);

// The stored bytes and the header facts, shared by every copy of a picture.
struct TJPEGData {
  std::optional<std::vector<std::uint8_t>> bytes;  // absent until loaded
  std::int32_t height = 0;
  std::int32_t width = 0;
  bool grayscale = false;
};

extern const GraphicClass kJPEGImageClass;  // "TJPEGImage"

class TJPEGImage final : public TGraphic {
 public:
  TJPEGImage();

  const GraphicClass& ClassType() const override { return kJPEGImageClass; }

  // The decoded bitmap's size once there is one, else the header's (scaled by
  // OutputScale as the library rounds it). Never decodes.
  int Width() const override;
  int Height() const override;
  [[noreturn]] void SetWidth(int) override;
  [[noreturn]] void SetHeight(int) override;
  // No bytes and no (or an empty) decoded bitmap. J = 0 is not empty.
  bool Empty() const override;

  // Reads the 4-byte length J, then J bytes, then the headers.
  void ReadData(ByteReader& reader) override;
  // Appends J and the bytes (J = 0 when there are none).
  void WriteData(std::vector<std::uint8_t>& out) const override;
  // The same from bytes in hand (the stream itself, without J).
  void LoadFromBytes(std::span<const std::uint8_t> stream);

  // Shares `other`'s bytes (no copy) and settings; drops this bitmap.
  void Assign(const TJPEGImage& other);
  std::shared_ptr<const TJPEGData> Data() const { return data_; }

  // The cached bitmap, decoded first when there is none. The picture keeps it.
  TBitmap& DecodedBitmap();
  bool Decoded() const { return bitmap_ != nullptr; }
  void DrawScaled(Canvas& canvas, const Rect& r) override;

  // Decoded: the bitmap's palette. Before: the temporary palette, a halftone
  // one made on request when OutputDepth is 24-bit and the screen has 8 bits
  // or fewer per pixel; none with 8-bit OutputDepth.
  std::vector<Rgb> Palette() override;

  // The settings, copied from JPEGDecodeDefaults by the constructor.
  const TJPEGDefaults& Settings() const { return settings_; }

 private:
  void LoadHeader();
  void Decode(TBitmap& bitmap);
  void OnLibraryProgress(const jpeg_decompress_struct& info);

  std::shared_ptr<TJPEGData> data_;
  std::unique_ptr<TBitmap> bitmap_;
  std::optional<std::vector<Rgb>> temporary_palette_;
  TJPEGDefaults settings_;

  // Progress monitor state of the decode in progress.
  struct ProgressState {
    bool started = false;  // psStarting notified
    bool tick_recorded = false;
    std::uint32_t last_tick = 0;
    int last_percent = 0;
    unsigned first_unreported_row = 0;
  } progress_;
};

}  // namespace anod
