#include "ui/win32/icon_handle.h"

#include <cstring>
#include <utility>

namespace anod::win32 {

IconHandle::IconHandle(const IconImage& image) {
  if (image.width <= 0 || image.height <= 0) return;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = image.width;
  header.bV5Height = -image.height;  // top row first, as the image holds it
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HBITMAP color = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                         nullptr, 0);
  ReleaseDC(nullptr, screen);
  // The alpha channel decides what shows; the mask only has to exist.
  const HBITMAP mask = CreateBitmap(image.width, image.height, 1, 1, nullptr);
  if (color != nullptr && mask != nullptr) {
    std::memcpy(bits, image.argb.data(), image.argb.size() * sizeof(std::uint32_t));
    ICONINFO info{TRUE, 0, 0, mask, color};
    icon_ = CreateIconIndirect(&info);
  }
  if (color != nullptr) DeleteObject(color);
  if (mask != nullptr) DeleteObject(mask);
}

IconHandle::~IconHandle() {
  if (icon_ != nullptr) DestroyIcon(icon_);
}

IconHandle& IconHandle::operator=(IconHandle&& other) noexcept {
  std::swap(icon_, other.icon_);
  return *this;
}

}  // namespace anod::win32
