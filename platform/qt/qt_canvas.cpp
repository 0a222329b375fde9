#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <list>
#include <string>
#include <unordered_map>

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

// What measuring has found of one font, kept for the whole run: the window
// uses a handful of fonts, and paints measure the same captions again and
// again (a label is measured to be placed, then measured again as it is
// drawn, and every paint of it does both).
struct QtCanvas::MeasuredFont {
  FontSpec font;
  int char_extra = 0;
  FontMetrics metrics;
  std::unordered_map<std::string, int> widths;
};

namespace {

// Enough for every caption of the window; results the user makes come and
// go, so the widths of a font start over beyond this many.
constexpr std::size_t kKeptWidths = 512;

}  // namespace

QtCanvas::MeasuredFont& QtCanvas::Measured(const FontSpec& font, int char_extra, const QFont& qfont) {
  static std::list<MeasuredFont> fonts;
  FontSpec key = font;
  key.color = clBlack;  // the colour changes no measure
  for (MeasuredFont& m : fonts) {
    if (m.char_extra == char_extra && m.font == key) return m;
  }
  return fonts.emplace_back(MeasuredFont{key, char_extra, MeasureFont(qfont), {}});
}

void QtCanvas::EnsureFont() {
  if (qfont_valid_) return;
  qfont_ = CurrentQFont();
  measured_ = &Measured(state_.font, state_.char_extra, qfont_);
  metrics_ = measured_->metrics;
  qfont_valid_ = true;
}

FontMetrics QtCanvas::Metrics() {
  EnsureFont();
  return metrics_;
}

int QtCanvas::TextWidth(std::string_view text) {
  EnsureFont();
  std::unordered_map<std::string, int>& widths = measured_->widths;
  std::string key(text);
  if (const auto kept = widths.find(key); kept != widths.end()) return kept->second;
  if (widths.size() >= kKeptWidths) widths.clear();
  const int width = QFontMetrics(qfont_).horizontalAdvance(FromCp1252(text));
  widths.emplace(std::move(key), width);
  return width;
}

std::vector<int> QtCanvas::PrefixWidths(std::string_view text, std::span<const std::size_t> ends) {
  EnsureFont();
  std::vector<int> widths;
  widths.reserve(ends.size());
  if (text.empty()) {
    widths.assign(ends.size(), 0);
    return widths;
  }
  // One shaping of the whole run; the position after a character is the sum
  // of the advances before it, which is what measuring that prefix alone
  // sums (kerning is off, and the cuts fall between whole characters).
  QTextLayout layout(FromCp1252(text), qfont_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  for (const std::size_t end : ends) widths.push_back(qRound(line.cursorToX(static_cast<int>(end))));
  return widths;
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

// The source's pixels as Qt colours: 24-bit rows are blue, green, red bytes;
// an 8-bit row's indexes go through the palette, an index past its end
// giving black.
class SourceColours {
 public:
  explicit SourceColours(const BitmapView& source)
      : eight_bit_(source.bits_per_pixel == 8), last_pixel_(3 * (static_cast<std::ptrdiff_t>(source.width) - 1)) {
    if (!eight_bit_) return;
    table_.fill(qRgb(0, 0, 0));
    const std::size_t n = std::min(source.palette.size(), table_.size());
    for (std::size_t i = 0; i < n; ++i) table_[i] = qRgb(source.palette[i].r, source.palette[i].g, source.palette[i].b);
  }
  int BytesPerPixel() const { return eight_bit_ ? 1 : 3; }

  // out[x] = the colour at byte offset offsets[x] of `row`, for x < width.
  void Pick(const std::uint8_t* row, const std::ptrdiff_t* offsets, int width, QRgb* out) const {
    if (eight_bit_) {
      for (int x = 0; x < width; ++x) out[x] = table_[row[offsets[x]]];
      return;
    }
    // Blue, green, red and the next byte read as one little-endian word are
    // 0xXXRRGGBB: the colour once the top byte is set. The last pixel of a
    // row may end the bitmap's memory, so it is read byte by byte.
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
      const int before_last = static_cast<int>(std::lower_bound(offsets, offsets + width, last_pixel_) - offsets);
      for (; x < before_last; ++x) {
        std::uint32_t word;
        std::memcpy(&word, row + offsets[x], sizeof word);
        out[x] = 0xff000000u | word;
      }
    }
    for (; x < width; ++x) {
      const std::uint8_t* p = row + offsets[x];
      out[x] = 0xff000000u | (QRgb{p[2]} << 16) | (QRgb{p[1]} << 8) | p[0];
    }
  }

 private:
  bool eight_bit_;
  std::ptrdiff_t last_pixel_;  // offset of a 24-bit row's last pixel
  std::array<QRgb, 256> table_{};
};

// Byte offsets in a source row of the columns a row `to` pixels wide takes
// from one `from` pixels wide: column x takes source column x * from / to,
// stepped without dividing (it grows by from / to, and by one more each time
// the remainder reaches `to`).
std::vector<std::ptrdiff_t> KeptColumns(int from, int to, int bytes_per_pixel) {
  std::vector<std::ptrdiff_t> offsets(static_cast<std::size_t>(to));
  const int step = from / to;
  const int extra = from % to;
  int column = 0;
  int remainder = 0;
  for (std::ptrdiff_t& offset : offsets) {
    offset = static_cast<std::ptrdiff_t>(column) * bytes_per_pixel;
    column += step;
    remainder += extra;
    if (remainder >= to) {
      remainder -= to;
      ++column;
    }
  }
  return offsets;
}

}  // namespace

QImage ToQImage(const BitmapView& source) {
  QImage image(source.width, source.height, QImage::Format_RGB32);
  const SourceColours colours(source);
  const std::vector<std::ptrdiff_t> columns = KeptColumns(source.width, source.width, colours.BytesPerPixel());
  for (int y = 0; y < source.height; ++y) {
    colours.Pick(source.bits + source.stride * y, columns.data(), source.width,
                 reinterpret_cast<QRgb*>(image.scanLine(y)));
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
    const SourceColours colours(source);
    const std::vector<std::ptrdiff_t> columns = KeptColumns(source.width, dw, colours.BytesPerPixel());
    const std::vector<std::ptrdiff_t> rows = KeptColumns(source.height, dh, 1);
    for (int y = 0; y < dh; ++y) {
      colours.Pick(source.bits + source.stride * rows[static_cast<std::size_t>(y)], columns.data(), dw,
                   reinterpret_cast<QRgb*>(scaled.scanLine(y)));
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
