// The window's font as the application's font, set once before any widget
// exists.
//
// Every widget resolves a font as it is built, and an edit box lays out its
// empty text at once in the application's font, before it is given its own.
// With Qt's default face as the application font ("Sans Serif" 9 pt, here
// DejaVu Sans) that face is matched and loaded although nothing ever shows it
// (about 5 M instructions at start-up). With the window's font instead, the
// face loaded is the one the window draws with anyway. Widgets that set their
// own font are unaffected, and so are the windows of the desktop's own kind:
// message boxes, menus and tool tips keep the font they had (Qt's default face, loaded
// only if one opens).
//
//   UseWindowFontForApplication(FontSpec{});
//   QApplication::font()             -> Liberation Sans, 11 pixels
//   QApplication::font("QMessageBox") -> as before the call
#pragma once

#include "platform/canvas.h"

namespace anod {

// Needs the application object; call it before the first widget is created.
void UseWindowFontForApplication(const FontSpec& window_font);

}  // namespace anod
