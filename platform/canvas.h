// The one drawing interface of Anodisation's paint code.
//
// Every paint routine in pictures/, widgets/ and ui/ draws through a `Canvas`:
// solid fills, single pixels inverted (the dotted focus rectangle), text runs
// in a font, bitmaps copied or stretched, polygons, and the clip and origin
// state. Frames, 3-D edges, focus rectangles and text layout are free
// functions over these primitives (platform/edges.h, platform/draw_text.h), so
// every drawing rule can be checked on an image, and the Qt implementation
// (platform/qt/qt_canvas.h) is the only code that touches QPainter.
//
// Coordinates are device pixels relative to the current origin; rectangles
// exclude their right and bottom edges. Nothing is antialiased except glyphs.
// Texts are Windows-1252 byte strings, like every caption of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colors.h"
#include "platform/geometry.h"

namespace anod {

// A font as the window description asks for it. The platform maps the face
// name to an installed face (platform/qt/fonts.h).
struct FontSpec {
  std::string name = "MS Sans Serif";
  // Negative: the character height in pixels, internal leading excluded (the
  // em size): -11 is 8 pt at 96 dpi. Positive: the cell height.
  int height = -11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  TColor color = clWindowText;
  int charset = 1;  // 0 ANSI, 1 default
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Metrics of the selected font, in whole pixels as the home platform counts
// them: height = ascent + descent, each rounded up.
struct FontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int internal_leading = 0;
  int average_char_width = 0;
  int underline_offset = 0;     // below the baseline
  int underline_thickness = 1;
};

// A bitmap in memory: rows of 24-bit pixels (blue, green, red bytes) or of
// 8-bit palette indexes, `stride` bytes apart, row 0 the top row.
struct BitmapView {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 24;
  std::ptrdiff_t stride = 0;
  const std::uint8_t* bits = nullptr;
  std::span<const Rgb> palette;  // 8-bit bitmaps only
};

// How a stretched copy picks its pixels: colour-on-colour keeps whole rows and
// columns of the source and drops the others (nothing is averaged); halftone
// averages the source pixels each destination pixel covers.
enum class StretchMode { ColorOnColor = 3, Halftone = 4 };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Solid fill of r.
  virtual void FillRect(const Rect& r, TColor color) = 0;
  // Inverts the colour of one pixel (black <-> white).
  virtual void InvertPixel(int x, int y) = 0;
  // Solid, non-antialiased polygon fill (the drop-down arrow, glyph marks).
  virtual void FillPolygon(std::span<const Point> points, TColor color) = 0;

  // Text. SetFont selects the font for measuring and drawing; the colour of
  // a run is given at each call.
  virtual void SetFont(const FontSpec& font) = 0;
  virtual const FontSpec& Font() const = 0;
  virtual FontMetrics Metrics() = 0;
  // Extra pixels added after every character, for measuring and drawing.
  virtual void SetCharExtra(int pixels) = 0;
  // Advance width of a single-line run.
  virtual int TextWidth(std::string_view text) = 0;
  // The advance widths of prefixes of a single-line run, from one
  // measurement of the whole run: element i is TextWidth of the first
  // ends[i] characters (0 < ends[i] <= text.size()). Text laid out by words
  // measures a paragraph this way once per line instead of once per word.
  //   PrefixWidths("ab cd", {2, 5}) -> {TextWidth("ab"), TextWidth("ab cd")}
  virtual std::vector<int> PrefixWidths(std::string_view text, std::span<const std::size_t> ends) = 0;
  // Draws a single-line run whose character cell starts at (x, y) (the top of
  // the cell, not the baseline), without background. A non-zero angle in
  // degrees turns the run counter-clockwise around (x, y).
  virtual void DrawTextRun(int x, int y, std::string_view text, TColor color, int angle_degrees = 0) = 0;
  // Strokes the outline of the run's glyphs with a pen of the given width.
  virtual void StrokeText(int x, int y, std::string_view text, TColor color, int pen_width) = 0;

  // Copies the whole of `source` into `destination`, stretched or reduced.
  virtual void StretchBitmap(const BitmapView& source, const Rect& destination, StretchMode mode) = 0;
  // Copies `source` 1:1 with its top-left corner at `at`, leaving out every
  // pixel of colour `transparent` when one is given.
  virtual void DrawBitmap(const BitmapView& source, Point at, const Rgb* transparent) = 0;
  // Bits per pixel of the destination (24 or 32 on this platform).
  virtual int BitsPerPixel() const = 0;

  // State: Save pushes origin, clip, font and character extra; Restore pops.
  virtual void Save() = 0;
  virtual void Restore() = 0;
  // Moves the origin by (dx, dy).
  virtual void Translate(int dx, int dy) = 0;
  // Narrows the clip to r (in current coordinates).
  virtual void IntersectClip(const Rect& r) = 0;
};

// Save/Restore for one scope.
class CanvasStateSaver {
 public:
  explicit CanvasStateSaver(Canvas& canvas) : canvas_(canvas) { canvas_.Save(); }
  ~CanvasStateSaver() { canvas_.Restore(); }
  CanvasStateSaver(const CanvasStateSaver&) = delete;
  CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;

 private:
  Canvas& canvas_;
};

}  // namespace anod
