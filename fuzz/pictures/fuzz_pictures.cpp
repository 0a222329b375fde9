// Feeds the bytes of a Picture.Data value (what follows its type byte and
// length) to the stored-value reader and decodes what it reads, in true
// colour and in 8-bit output (and scan by scan for some inputs); the same
// bytes also go to the icon reader.
// The seeds are the window's eight picture values and its icon file.
//
// Failures the pictures raise on purpose (anod::Exception) are expected;
// anything else, a crash, a leak or a sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/failures.h"
#include "pictures/image_control.h"
#include "pictures/jpeg_image.h"
#include "pictures/jpeg_module.h"
#include "pictures/stored_value.h"

namespace {

// Larger frames decode correctly but slowly; the fuzzer's time is better
// spent on many small ones.
constexpr long long kMaxFuzzPixels = 1024 * 1024;

void DecodeWith(anod::TJPEGPixelFormat depth, bool scan_by_scan, std::span<const std::uint8_t> bytes) {
  const anod::TJPEGDefaults saved = anod::JPEGDecodeDefaults;
  anod::JPEGDecodeDefaults.OutputDepth = depth;
  anod::JPEGDecodeDefaults.ScanByScanDisplay = scan_by_scan;
  anod::TImage image;
  anod::JPEGDecodeDefaults = saved;
  image.SetBounds(0, 0, 217, 217);
  image.SetProportional(true);
  try {
    anod::ReadPictureValue(image.Picture(), bytes);
  } catch (const anod::Exception&) {
    return;
  }
  auto* jpeg = dynamic_cast<anod::TJPEGImage*>(image.Picture().Graphic());
  if (jpeg == nullptr) return;
  (void)image.PlacementRect();
  if (static_cast<long long>(jpeg->Width()) * jpeg->Height() > kMaxFuzzPixels) return;
  try {
    jpeg->DecodedBitmap();
  } catch (const anod::Exception&) {
  }
  // Decoded or failed, the picture is settled: a second call must not decode.
  const anod::TBitmap& bitmap = jpeg->DecodedBitmap();
  if (bitmap.Height() > 0) (void)bitmap.ScanLine(bitmap.Height() - 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  anod::RegisterJPEGFormats();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  DecodeWith(anod::TJPEGPixelFormat::jf24Bit, false, bytes);
  DecodeWith(anod::TJPEGPixelFormat::jf8Bit, false, bytes);
  // The display mode this window leaves off, on the odd inputs only.
  if (size % 2 == 1) DecodeWith(anod::TJPEGPixelFormat::jf24Bit, true, bytes);
  try {
    (void)anod::DecodeIconFile(bytes);
  } catch (const anod::Exception&) {
  }
  return 0;
}
