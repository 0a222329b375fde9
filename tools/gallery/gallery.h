// The colored button gallery: every style x state x caption effect on one
// picture, and the main window's button in each of its states, magnified.
#pragma once

#include <QImage>

namespace anod {

// Blocks of 14 styles (rows) x 7 states (columns), one block per effect,
// then glyph-and-caption layouts, uncoloured glyphs, rotated and wrapped
// captions.
QImage RenderGallery();

// The main window's 226 x 24 button in its six states, magnified `zoom`
// times without smoothing.
QImage RenderMainButtonStates(int zoom);

}  // namespace anod
