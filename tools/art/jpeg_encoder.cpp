#include "tools/art/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace anod::art {
namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

// Seven scans: DC of all three components with its lowest bit held back, the
// low luminance band, both chrominance bands, the high luminance band with its
// lowest bit held back, then the two refinement scans.
const jpeg_scan_info kSevenScans[7] = {
    {3, {0, 1, 2, 0}, 0, 0, 0, 1},
    {1, {0, 0, 0, 0}, 1, 5, 0, 0},
    {1, {2, 0, 0, 0}, 1, 63, 0, 0},
    {1, {1, 0, 0, 0}, 1, 63, 0, 0},
    {1, {0, 0, 0, 0}, 6, 63, 0, 1},
    {3, {0, 1, 2, 0}, 0, 0, 1, 0},
    {1, {0, 0, 0, 0}, 6, 63, 1, 0},
};

// Runs the library with plain data only in scope, so the longjmp of a failure
// skips no destructor; returns false and leaves the message on failure.
bool Compress(jpeg_compress_struct* cinfo, ErrorManager* err, const std::uint8_t* rgb, int width,
              int height, int stride, JpegKind kind, int quality, unsigned char** out, unsigned long* out_size) {
  cinfo->err = jpeg_std_error(&err->pub);
  err->pub.error_exit = OnError;
  if (setjmp(err->jump)) {
    jpeg_destroy_compress(cinfo);
    return false;
  }
  jpeg_create_compress(cinfo);
  jpeg_mem_dest(cinfo, out, out_size);
  cinfo->image_width = static_cast<JDIMENSION>(width);
  cinfo->image_height = static_cast<JDIMENSION>(height);
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_colorspace(cinfo, JCS_YCbCr);
  for (int c = 0; c < 3; ++c) {
    cinfo->comp_info[c].h_samp_factor = 1;
    cinfo->comp_info[c].v_samp_factor = 1;
  }
  jpeg_set_quality(cinfo, quality, TRUE);
  cinfo->write_JFIF_header = TRUE;
  cinfo->optimize_coding = TRUE;
  if (kind == JpegKind::Baseline) {
    cinfo->restart_in_rows = 1;
  } else {
    cinfo->scan_info = kSevenScans;
    cinfo->num_scans = 7;
  }
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::ptrdiff_t>(stride) * cinfo->next_scanline);
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
  jpeg_destroy_compress(cinfo);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const QImage& image, JpegKind kind, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  ErrorManager err{};
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  const bool ok = Compress(&cinfo, &err, rgb.constBits(), rgb.width(), rgb.height(),
                           static_cast<int>(rgb.bytesPerLine()), kind, quality, &out, &out_size);
  std::vector<std::uint8_t> bytes;
  if (ok) bytes.assign(out, out + out_size);
  std::free(out);
  if (!ok) throw std::runtime_error(std::string("JPEG encoding failed: ") + err.message);
  return bytes;
}

}  // namespace anod::art
