// The start-up and shutdown hooks of the JPEG pictures, called by the
// program's start-up code before the window is built and after it is gone.
//
//   RegisterJPEGFormats();       // list gains ("jpeg", "jpg") -> TJPEGImage
//   ApplyScreenDepth(8, 1);      // JPEGDecodeDefaults.OutputDepth = jf8Bit
//   ...
//   UnregisterJPEGFormats();     // every TJPEGImage entry removed
#pragma once

namespace anod {

// Appends entries 5 and 6 (creating the list with entries 1 to 4 first).
void RegisterJPEGFormats();
// Removes every entry whose class is TJPEGImage or derived from it.
void UnregisterJPEGFormats();
// Records the screen's depth (bits per pixel times planes) and, when it is
// 8 or less, makes 8-bit output the default for pictures made from now on.
void ApplyScreenDepth(int bits_per_pixel, int planes);

}  // namespace anod
