#include "tests/pictures/test_streams.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "pictures/art_files.h"

namespace anod::test {

Rgb PatternPixel(int x, int y) {
  return {static_cast<std::uint8_t>((x * 7 + y * 3) & 0xFF), static_cast<std::uint8_t>((y * 5) & 0xFF),
          static_cast<std::uint8_t>(((x ^ y) * 9) & 0xFF)};
}

std::vector<std::uint8_t> EncodeTestJpeg(const StreamSpec& stream) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(stream.width);
  info.image_height = static_cast<JDIMENSION>(stream.height);
  info.input_components = stream.components;
  info.in_color_space = stream.components == 1 ? JCS_GRAYSCALE : stream.components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, stream.quality, TRUE);
  if (stream.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(stream.width * stream.components));
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < stream.width; ++x) {
      const Rgb c = PatternPixel(x, y);
      const std::uint8_t v[4] = {c.r, c.g, c.b, static_cast<std::uint8_t>(x * 3)};
      for (int k = 0; k < stream.components; ++k) row[static_cast<std::size_t>(x * stream.components + k)] = v[k];
    }
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

namespace {
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
}  // namespace

Bmp ParseBmp(std::span<const std::uint8_t> file) {
  Bmp bmp;
  if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') {
    ADD_FAILURE() << "not a BMP file";
    return bmp;
  }
  const std::uint32_t offset = U32(file, 10);
  const std::uint32_t header = U32(file, 14);
  bmp.width = static_cast<int>(U32(file, 18));
  const auto height = static_cast<std::int32_t>(U32(file, 22));
  bmp.bits_per_pixel = file[28] | file[29] << 8;
  bmp.height = height < 0 ? -height : height;
  if (bmp.bits_per_pixel == 8) {
    std::uint32_t colours = U32(file, 46);
    if (colours == 0) colours = 256;
    for (std::uint32_t i = 0; i < colours; ++i) {
      const std::size_t at = 14 + header + 4 * i;
      bmp.palette.push_back({file[at + 2], file[at + 1], file[at]});
    }
  }
  const std::size_t row_bytes = static_cast<std::size_t>(bmp.width) * static_cast<std::size_t>(bmp.bits_per_pixel / 8);
  const std::size_t stride = (row_bytes + 3) & ~std::size_t{3};
  for (int y = 0; y < bmp.height; ++y) {
    const int stored = height < 0 ? y : bmp.height - 1 - y;
    const std::size_t at = offset + stride * static_cast<std::size_t>(stored);
    bmp.rows.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(at),
                          file.begin() + static_cast<std::ptrdiff_t>(at + row_bytes));
  }
  return bmp;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ArtBytes(const char* name) {
  const auto bytes = ArtFile(name);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> RunReferenceDecoder(std::span<const std::uint8_t> stream, const std::string& arguments,
                                              bool warnings_allowed) {
  char input[] = "/tmp/anod-djpeg-in-XXXXXX";
  char output[] = "/tmp/anod-djpeg-out-XXXXXX";
  const int in_fd = mkstemp(input);
  const int out_fd = mkstemp(output);
  EXPECT_GE(in_fd, 0);
  EXPECT_GE(out_fd, 0);
  EXPECT_EQ(write(in_fd, stream.data(), stream.size()), static_cast<ssize_t>(stream.size()));
  close(in_fd);
  close(out_fd);
  const std::string command =
      std::string(ANOD_DJPEG) + " " + arguments + " -outfile " + output + " " + input + " 2>/dev/null";
  const int status = std::system(command.c_str());
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (warnings_allowed && code == 2) {
    // djpeg's exit status when the library warned (a stream cut short).
  } else {
    EXPECT_EQ(code, 0) << command;
  }
  auto bytes = ReadFileBytes(output);
  unlink(input);
  unlink(output);
  return bytes;
}

}  // namespace anod::test
