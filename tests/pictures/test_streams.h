// Test helpers: JPEG streams made on the spot with the library's compression
// half, the reference decoder run on a stream, and the BMP files it writes;
// the window's art as bytes, the JPEG formats registered for a suite, and
// the message of an expected failure.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "pictures/jpeg_module.h"
#include "platform/colors.h"

namespace anod::test {

struct StreamSpec {
  int width = 16;
  int height = 16;
  int components = 3;  // 1 gray, 3 YCbCr, 4 CMYK
  bool progressive = false;
  int quality = 85;
};

// Pixel (x, y) of a smooth colour pattern, so decoding has work to do.
Rgb PatternPixel(int x, int y);
std::vector<std::uint8_t> EncodeTestJpeg(const StreamSpec& stream);

// A BMP file as the reference decoder writes it, rows turned top-down.
struct Bmp {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  std::vector<std::vector<std::uint8_t>> rows;  // width * bytes per pixel each, no padding
  std::vector<Rgb> palette;
};
Bmp ParseBmp(std::span<const std::uint8_t> file);

// Runs `djpeg <arguments> -outfile <tmp> <tmp>` on `stream` and returns the
// output file's bytes; fails the current test when the decoder fails (or,
// unless `warnings_allowed`, only warns: exit status 2).
std::vector<std::uint8_t> RunReferenceDecoder(std::span<const std::uint8_t> stream, const std::string& arguments,
                                              bool warnings_allowed = false);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// A copy of the named art file's bytes, for tests that keep or change them.
std::vector<std::uint8_t> ArtBytes(const char* name);

// The window's eight pictures, shapes then steps.
inline constexpr const char* kArtFiles[] = {"cylinder.jpg",   "box.jpg",          "sphere.jpg",    "pyramid.jpg",
                                            "degreasing.jpg", "electrolysis.jpg", "colouring.jpg", "fixing.jpg"};

// Suites whose stored values name TJPEGImage, as the program registers it.
class JpegFormatsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterJPEGFormats(); }
  static void TearDownTestSuite() { UnregisterJPEGFormats(); }
};

// The message of the `Failure` that `action` raises; "" when it raises none.
template <typename Failure, typename Action>
std::string MessageOf(Action&& action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure.Message();
  }
  return "";
}

}  // namespace anod::test
