#include "tools/art/drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cstdint>

namespace anod::art {

QImage BlankPicture(int width, int height, QColor background) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(background);
  return image;
}

void PreparePainter(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

namespace {

QFont LabelFont(int pixel_size) {
  QFont font(kLabelFamily);
  font.setPixelSize(pixel_size);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

QRectF Label(QPainter& p, const QRectF& box, const QString& text, QColor color, int pixel_size, int flags,
             qreal max_width) {
  if (max_width <= 0) max_width = box.width();
  QFont font = LabelFont(pixel_size);
  while (pixel_size > 8 && QFontMetricsF(font).horizontalAdvance(text) > max_width) {
    font = LabelFont(--pixel_size);
  }
  p.save();
  p.setFont(font);
  p.setPen(color);
  QRectF used;
  p.drawText(box, flags, text, &used);
  p.restore();
  return used;
}

QRectF TwoLineLabel(QPainter& p, qreal centre_x, qreal top, const QString& first, const QString& second,
                    QColor color, int pixel_size) {
  const QFontMetricsF metrics(LabelFont(pixel_size));
  const qreal width = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second)) + 4;
  const qreal line = metrics.height();
  const QRectF a = Label(p, QRectF(centre_x - width / 2, top, width, line), first, color, pixel_size);
  const QRectF b = Label(p, QRectF(centre_x - width / 2, top + line, width, line), second, color, pixel_size);
  return a.united(b);
}

void VerticalLabel(QPainter& p, QPointF centre, const QString& text, QColor color, int pixel_size) {
  p.save();
  p.translate(centre);
  p.rotate(-90);
  Label(p, QRectF(-100, -pixel_size, 200, 2 * pixel_size), text, color, pixel_size);
  p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor color, qreal width, bool both_ends, qreal head) {
  p.save();
  const QLineF line(from, to);
  const qreal angle = qDegreesToRadians(line.angle());
  auto draw_head = [&](QPointF tip, qreal a) {
    // a: direction the head points, in radians (Qt's y axis runs down).
    const QPointF back(-std::cos(a), std::sin(a));
    const QPointF side(std::sin(a), std::cos(a));
    QPolygonF poly;
    poly << tip << tip + back * head + side * head * 0.42 << tip + back * head - side * head * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(poly);
  };
  // Stop the shaft short of the heads so its square end does not poke out.
  const QPointF unit = (to - from) / std::max<qreal>(line.length(), 1);
  const QPointF start = both_ends ? from + unit * head * 0.8 : from;
  const QPointF end = to - unit * head * 0.8;
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(start, end);
  draw_head(to, angle);
  if (both_ends) draw_head(from, angle + M_PI);
  p.restore();
}

QColor Mix(QColor a, QColor b, qreal t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QLinearGradient CylinderShade(qreal left, qreal right, QColor base) {
  QLinearGradient g(left, 0, right, 0);
  g.setColorAt(0.0, base.darker(170));
  g.setColorAt(0.32, base.lighter(150));
  g.setColorAt(0.45, base.lighter(125));
  g.setColorAt(1.0, base.darker(190));
  return g;
}

void Grain(QImage& image, const QRect& rect, int amplitude, unsigned seed) {
  std::uint32_t state = seed * 2654435761u + 1;
  const QRect area = rect.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      state = state * 1664525u + 1013904223u;
      const int d = static_cast<int>((state >> 24) % static_cast<unsigned>(2 * amplitude + 1)) - amplitude;
      const QRgb c = row[x];
      row[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                    std::clamp(qBlue(c) + d, 0, 255));
    }
  }
}

}  // namespace anod::art
