#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>

#include "platform/qt/fonts.h"

namespace anod {

QColor ToQColor(TColor color) {
  const Rgb rgb = ColorToRgb(color);
  return QColor(rgb.r, rgb.g, rgb.b);
}

QtCanvas::QtCanvas(QPainter& painter, int bits_per_pixel) : painter_(painter), bits_per_pixel_(bits_per_pixel) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QtCanvas::FillRect(const Rect& r, TColor color) {
  if (r.IsEmpty()) return;
  painter_.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(color));
}

void QtCanvas::InvertPixel(int x, int y) {
  const QPainter::CompositionMode previous = painter_.compositionMode();
  painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter_.fillRect(QRect(x, y, 1, 1), Qt::black);
  painter_.setCompositionMode(previous);
}

void QtCanvas::FillPolygon(std::span<const Point> points, TColor color) {
  if (points.size() < 3) return;
  QPolygon polygon;
  for (const Point& p : points) polygon << QPoint(p.x, p.y);
  painter_.save();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(color));
  painter_.drawPolygon(polygon);
  painter_.restore();
}

QFont QtCanvas::CurrentQFont() const {
  QFont font = ToQFont(state_.font);
  if (state_.char_extra != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, state_.char_extra);
  return font;
}

void QtCanvas::SetFont(const FontSpec& font) {
  if (font == state_.font && qfont_valid_) return;
  state_.font = font;
  qfont_valid_ = false;
}

void QtCanvas::SetCharExtra(int pixels) {
  if (pixels == state_.char_extra) return;
  state_.char_extra = pixels;
  qfont_valid_ = false;
}

void QtCanvas::EnsureFont() {
  if (qfont_valid_) return;
  qfont_ = CurrentQFont();
  metrics_ = MeasureFont(qfont_);
  qfont_valid_ = true;
}

FontMetrics QtCanvas::Metrics() {
  EnsureFont();
  return metrics_;
}

int QtCanvas::TextWidth(std::string_view text) {
  EnsureFont();
  return QFontMetrics(qfont_).horizontalAdvance(FromCp1252(text));
}

void QtCanvas::DrawTextRun(int x, int y, std::string_view text, TColor color, int angle_degrees) {
  if (text.empty()) return;
  const FontMetrics metrics = Metrics();
  painter_.save();
  painter_.setFont(qfont_);
  painter_.setPen(ToQColor(color));
  painter_.setBrush(Qt::NoBrush);
  if (angle_degrees != 0) {
    painter_.translate(x, y);
    painter_.rotate(-angle_degrees);
    painter_.drawText(QPoint(0, metrics.ascent), FromCp1252(text));
  } else {
    painter_.drawText(QPoint(x, y + metrics.ascent), FromCp1252(text));
  }
  painter_.restore();
}

void QtCanvas::StrokeText(int x, int y, std::string_view text, TColor color, int pen_width) {
  if (text.empty()) return;
  const FontMetrics metrics = Metrics();
  QPainterPath path;
  path.addText(QPointF(x, y + metrics.ascent), qfont_, FromCp1252(text));
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.strokePath(path, QPen(ToQColor(color), std::max(1, pen_width)));
  painter_.restore();
}

namespace {

// The colour of source pixel (x, y).
QRgb SourcePixel(const BitmapView& source, const std::uint8_t* row, int x) {
  if (source.bits_per_pixel == 8) {
    const std::size_t index = row[x];
    const Rgb c = index < source.palette.size() ? source.palette[index] : Rgb{};
    return qRgb(c.r, c.g, c.b);
  }
  return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
}

}  // namespace

QImage ToQImage(const BitmapView& source) {
  QImage image(source.width, source.height, QImage::Format_RGB32);
  for (int y = 0; y < source.height; ++y) {
    const std::uint8_t* row = source.bits + source.stride * y;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < source.width; ++x) out[x] = SourcePixel(source, row, x);
  }
  return image;
}

void QtCanvas::StretchBitmap(const BitmapView& source, const Rect& destination, StretchMode mode) {
  if (source.width <= 0 || source.height <= 0 || destination.IsEmpty()) return;
  const int dw = destination.Width();
  const int dh = destination.Height();
  QImage scaled;
  if (mode == StretchMode::Halftone) {
    scaled = ToQImage(source).scaled(dw, dh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else {
    // Colour-on-colour: destination pixel (x, y) takes source pixel
    // (x * sw / dw, y * sh / dh); the rows and columns in between are dropped.
    // Only the kept pixels are read, straight from the source rows.
    scaled = QImage(dw, dh, QImage::Format_RGB32);
    std::vector<int> columns(static_cast<std::size_t>(dw));
    for (int x = 0; x < dw; ++x) {
      columns[static_cast<std::size_t>(x)] =
          static_cast<int>(static_cast<long long>(x) * source.width / dw);
    }
    for (int y = 0; y < dh; ++y) {
      const int sy = static_cast<int>(static_cast<long long>(y) * source.height / dh);
      const std::uint8_t* row = source.bits + source.stride * sy;
      auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
      for (int x = 0; x < dw; ++x) out[x] = SourcePixel(source, row, columns[static_cast<std::size_t>(x)]);
    }
  }
  painter_.drawImage(QPoint(destination.left, destination.top), scaled);
}

void QtCanvas::DrawBitmap(const BitmapView& source, Point at, const Rgb* transparent) {
  if (source.width <= 0 || source.height <= 0) return;
  QImage image = ToQImage(source);
  if (transparent != nullptr) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(transparent->r, transparent->g, transparent->b);
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if (row[x] == key) row[x] = 0;
      }
    }
  }
  painter_.drawImage(QPoint(at.x, at.y), image);
}

void QtCanvas::Save() {
  saved_.push_back(state_);
  painter_.save();
}

void QtCanvas::Restore() {
  if (saved_.empty()) return;
  painter_.restore();
  const bool font_changed = !(saved_.back().font == state_.font) || saved_.back().char_extra != state_.char_extra;
  state_ = saved_.back();
  saved_.pop_back();
  if (font_changed) qfont_valid_ = false;
}

void QtCanvas::Translate(int dx, int dy) { painter_.translate(dx, dy); }

void QtCanvas::IntersectClip(const Rect& r) {
  painter_.setClipRect(QRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height())),
                       painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

ImageCanvas::ImageCanvas(int width, int height, TColor background)
    : image_(width, height, QImage::Format_RGB32) {
  image_.fill(ToQColor(background));
  painter_ = std::make_unique<QPainter>(&image_);
  canvas_ = std::make_unique<QtCanvas>(*painter_, 32);
}

ImageCanvas::~ImageCanvas() {
  canvas_.reset();
  if (painter_ && painter_->isActive()) painter_->end();
}

const QImage& ImageCanvas::image() {
  if (painter_ && painter_->isActive()) painter_->end();
  return image_;
}

Rgb ImageCanvas::Pixel(int x, int y) {
  const QRgb p = image().pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
          static_cast<std::uint8_t>(qBlue(p))};
}

}  // namespace anod
