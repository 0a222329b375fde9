// The canvas on a QPainter: the only paint code that touches Qt.
//
// QtCanvas draws on whatever the painter paints on (a widget during its paint
// event, or a QImage in tests and tools). ImageCanvas owns a QImage and a
// painter on it, for drawing off screen:
//
//   ImageCanvas image(226, 24);
//   PaintSomething(image.canvas());
//   image.Pixel(0, 0)  -> Rgb of the top-left pixel
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/qt/qt_text.h"

namespace anod {

QColor ToQColor(TColor color);

class QtCanvas final : public Canvas {
 public:
  // The painter must outlive the canvas. `bits_per_pixel` is the depth of
  // what the painter paints on, as the stretch-mode rule reads it.
  explicit QtCanvas(QPainter& painter, int bits_per_pixel = 24);

  void FillRect(const Rect& r, TColor color) override;
  void InvertPixel(int x, int y) override;
  void FillPolygon(std::span<const Point> points, TColor color) override;

  void SetFont(const FontSpec& font) override;
  const FontSpec& Font() const override { return state_.font; }
  FontMetrics Metrics() override;
  void SetCharExtra(int pixels) override;
  int TextWidth(std::string_view text) override;
  std::vector<int> PrefixWidths(std::string_view text, std::span<const std::size_t> ends) override;
  void DrawTextRun(int x, int y, std::string_view text, TColor color, int angle_degrees = 0) override;
  void StrokeText(int x, int y, std::string_view text, TColor color, int pen_width) override;

  void StretchBitmap(const BitmapView& source, const Rect& destination, StretchMode mode) override;
  void DrawBitmap(const BitmapView& source, Point at, const Rgb* transparent) override;
  int BitsPerPixel() const override { return bits_per_pixel_; }

  void Save() override;
  void Restore() override;
  void Translate(int dx, int dy) override;
  void IntersectClip(const Rect& r) override;

 private:
  struct State {
    FontSpec font;
    int char_extra = 0;
  };
  QFont CurrentQFont() const;
  // Builds the Qt font and its metrics once per font change.
  void EnsureFont();

  QPainter& painter_;
  int bits_per_pixel_;
  State state_;
  std::vector<State> saved_;
  QFont qfont_;
  // What is kept of the current font's measures, for the whole run.
  struct MeasuredFont;
  static MeasuredFont& Measured(const FontSpec& font, int char_extra, const QFont& qfont);
  MeasuredFont* measured_ = nullptr;
  FontMetrics metrics_;
  bool qfont_valid_ = false;
};

// A QImage in RGB32 with a painter and a canvas on it.
class ImageCanvas {
 public:
  ImageCanvas(int width, int height, TColor background = clWhite);
  ~ImageCanvas();
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;

  Canvas& canvas() { return *canvas_; }
  // Ends painting (once) and gives the picture.
  const QImage& image();
  Rgb Pixel(int x, int y);

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtCanvas> canvas_;
};

// Converts a bitmap view to a QImage in RGB32 (palette applied).
QImage ToQImage(const BitmapView& source);

}  // namespace anod
