// The libjpeg decompressor as the JPEG picture drives it: one object per
// header read or decode, destroyed on every way out.
//
// The library reports a fatal error by calling its error handler, which must
// not return. Ours records the message code and longjmps back into Guarded(),
// the only function with a setjmp; nothing with a destructor is live between
// the two. Each public call below runs one library entry point that way and,
// once control is back in C++, raises:
//   - EJPEG "Erreur JPEG #<code>" with the library's message code
//     ("Erreur JPEG #53" for bytes that do not start with FF D8,
//      "Erreur JPEG #42" for an empty stream);
//   - or again the exception the progress handler raised (an EAbort among
//     them), which was caught before it could cross the library's C frames.
// Warnings (a stream cut short, corrupt data the library can skip) are
// ignored and decoding goes on; a stream that ends early gets an assumed
// end-of-image marker.
//
// The source reads the in-memory stream 4,096 bytes at a time into a buffer
// of its own, as it would from a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <span>

#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>

namespace anod {

class JpegDecompressor {
 public:
  // Called from the library's progress monitor, with the decompressor's
  // state; may raise (the exception reaches the caller of the library call
  // that was running).
  using ProgressHandler = std::function<void(const jpeg_decompress_struct&)>;

  // Sets up the error handler, the decompressor (API version 62), the source
  // over `bytes` (which must outlive this object) and, when `progress` is
  // set, the progress monitor.
  explicit JpegDecompressor(std::span<const std::uint8_t> bytes, ProgressHandler progress = nullptr);
  ~JpegDecompressor();
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;

  // The library's parameters and results, to read and set between calls.
  jpeg_decompress_struct& Info();

  void ReadHeader();  // up to the first scan, requiring an image
  bool HasMultipleScans();
  void StartDecompress();
  // One of JPEG_REACHED_SOS, JPEG_REACHED_EOI, JPEG_ROW_COMPLETED, JPEG_SCAN_COMPLETED.
  int ConsumeInput();
  void StartOutput(int scan_number);
  void FinishOutput();
  // Rows from output_scanline to the last, one per library call; row y goes
  // to first_row + y * stride.
  void ReadRows(std::uint8_t* first_row, std::ptrdiff_t stride);
  void FinishDecompress();

  struct Context;

 private:
  std::unique_ptr<Context> context_;
};

// The library's message codes this program names.
inline constexpr int kJpegNoSoi = 53;       // not a JPEG stream
inline constexpr int kJpegInputEmpty = 42;  // no bytes at all

}  // namespace anod
