#include "pictures/jpeg_module.h"

#include "pictures/file_formats.h"
#include "pictures/jpeg_image.h"

namespace anod {

void RegisterJPEGFormats() {
  TFileFormatsList& list = TFileFormatsList::Instance();
  list.Add("jpeg", "Fichier image JPEG", kJPEGImageClass);
  list.Add("jpg", "Fichier image JPEG", kJPEGImageClass);
}

void UnregisterJPEGFormats() { TFileFormatsList::Instance().Remove(kJPEGImageClass); }

void ApplyScreenDepth(int bits_per_pixel, int planes) {
  const int bits = bits_per_pixel * planes;
  SetJPEGScreenColorBits(bits);
  if (bits <= 8) JPEGDecodeDefaults.OutputDepth = TJPEGPixelFormat::jf8Bit;
}

}  // namespace anod
