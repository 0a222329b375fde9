// The theme service on the desktop's theme library (uxtheme.dll), looked up
// when first asked for: the library exists from Windows XP on, and a
// program that linked it directly would not start where it is missing.
//
//   UxThemeService()  -> the service, or null when the library or one of its
//                        four entry points is missing (the colored buttons
//                        then draw their classic frames)
//
// IsThemeActive is asked on every use, so a user who switches to the classic
// look is followed at once; the buttons hear of the switch by
// WM_THEMECHANGED. Drawing goes to the device context of a GdiCanvas; on any
// other canvas nothing is drawn.
#pragma once

#include "platform/theme_service.h"

namespace anod {

ThemeService* UxThemeService();

}  // namespace anod
