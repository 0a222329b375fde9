// The window's icon as a Win32 icon, made from the description's decoded
// icon image (32 bits per pixel with alpha), destroyed with the handle.
#pragma once

#include <windows.h>

#include "pictures/stored_value.h"

namespace anod::win32 {

class IconHandle {
 public:
  IconHandle() = default;
  explicit IconHandle(const IconImage& image);
  ~IconHandle();
  IconHandle(const IconHandle&) = delete;
  IconHandle& operator=(const IconHandle&) = delete;
  IconHandle(IconHandle&& other) noexcept : icon_(other.icon_) { other.icon_ = nullptr; }
  IconHandle& operator=(IconHandle&& other) noexcept;

  HICON Get() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

}  // namespace anod::win32
