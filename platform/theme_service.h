// The desktop's visual-theme service, as the colored button uses it.
//
// A theme draws standard parts (a toolbar button, a push button) in the
// desktop's current look. This platform has no such service:
// PlatformThemeService() gives null and every button draws its classic frame.
// Tests inject a service of their own to drive the themed path.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/canvas.h"

namespace anod {

// An open theme class; 0 is "none".
using ThemeHandle = std::uintptr_t;

class ThemeService {
 public:
  virtual ~ThemeService() = default;
  // Whether the user runs a visual theme now (asked on every use).
  virtual bool IsThemeActive() = 0;
  // Opens the theme data of a class ("BUTTON", "TOOLBAR", ...); 0 if none.
  virtual ThemeHandle OpenThemeData(std::string_view class_name) = 0;
  virtual void CloseThemeData(ThemeHandle handle) = 0;
  // Draws part `part` in state `state` over `rect`, without clip rectangle.
  virtual void DrawThemeBackground(ThemeHandle handle, Canvas& canvas, int part, int state, const Rect& rect) = 0;
};

// The theme library of this platform: none.
ThemeService* PlatformThemeService();

}  // namespace anod
