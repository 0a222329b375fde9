// The icon: a white hammer and a white spanner side by side on a black square
// with softened corners; the window's 32 x 32 icon file, and the desktop's
// pictures at every size and as SVG from the same shapes.
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "tools/art/drawing.h"
#include "tools/art/scenes.h"
#include "tools/art/svg_path.h"

namespace anod::art {
namespace {

// The shapes are laid out on a 32-unit square, the size of the window's icon;
// the desktop's icons build them on a 256-unit one.
constexpr int kIconUnits = 32;
constexpr int kDesktopUnits = 256;
constexpr int kIconSize = 32;
constexpr int kCornerRadius = 6;  // in 32-unit squares
// Drawn this many times larger than the size asked for, then reduced, so the
// edges keep their antialiasing.
constexpr int kDrawScale = 8;

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

IconShapes DrawIconShapes(qreal units) {
  const QTransform to_units = QTransform::fromScale(units / kIconUnits, units / kIconUnits);
  // Each tool is several overlapping outlines filled as one: with the
  // default odd-even rule their overlaps came out as holes.

  // Hammer, left: a handle widening towards the grip, a square striking
  // face and a claw tapering away from it.
  QPainterPath hammer;
  hammer.setFillRule(Qt::WindingFill);
  hammer.moveTo(8.6, 10);
  hammer.lineTo(11.4, 10);
  hammer.lineTo(12.0, 28.5);
  hammer.quadTo(10, 30, 8.0, 28.5);
  hammer.closeSubpath();
  hammer.addRoundedRect(QRectF(2, 3.5, 7.5, 8), 1, 1);
  QPainterPath claw;
  claw.moveTo(9, 4.5);
  claw.lineTo(13, 4.5);
  claw.quadTo(14.8, 5, 15.6, 8.8);
  claw.quadTo(14, 8, 12.5, 10.5);
  claw.lineTo(9, 10.5);
  claw.closeSubpath();

  // Spanner, right: a shaft with an open jaw at the top and a ring below.
  QPainterPath spanner;
  spanner.setFillRule(Qt::WindingFill);
  spanner.addRoundedRect(QRectF(21.8, 9, 3.4, 17), 1.5, 1.5);
  spanner.addEllipse(QPointF(23.5, 8), 5.3, 5.3);
  spanner.addEllipse(QPointF(23.5, 26.5), 4, 4);
  QPainterPath cuts;
  cuts.addRect(QRectF(21.7, 0, 3.6, 7.5));
  cuts.addEllipse(QPointF(23.5, 7.5), 1.8, 1.8);
  cuts.addEllipse(QPointF(23.5, 26.5), 1.8, 1.8);
  // Scaled before the unions and cuts, which turn curves into lines at a
  // fixed tolerance: on a larger square the rings stay round.
  return {to_units.map(hammer).united(to_units.map(claw)).simplified(),
          to_units.map(spanner).simplified().subtracted(to_units.map(cuts))};
}

namespace {

QImage RenderIcon(int size, qreal units) {
  const int s = size * kDrawScale;
  const qreal scale = static_cast<qreal>(s) / units;
  QImage large(s, s, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  {
    QPainter p(&large);
    PreparePainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal radius = static_cast<qreal>(s) * kCornerRadius / kIconUnits;
    p.drawRoundedRect(QRectF(0, 0, s, s), radius, radius);
    p.scale(scale, scale);
    p.setBrush(Qt::white);
    const IconShapes shapes = DrawIconShapes(units);
    p.drawPath(shapes.hammer);
    p.drawPath(shapes.spanner);
  }
  return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage DrawIcon() { return RenderIcon(kIconSize, kIconUnits); }

QImage DrawDesktopIcon(int size) { return RenderIcon(size, kDesktopUnits); }

std::string DrawDesktopIconSvg() {
  const IconShapes shapes = DrawIconShapes(kDesktopUnits);
  const std::string units = std::to_string(kDesktopUnits);
  const std::string radius = std::to_string(kDesktopUnits * kCornerRadius / kIconUnits);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + units + "\" height=\"" + units +
                    "\" viewBox=\"0 0 " + units + " " + units + "\">\n";
  svg += "  <rect width=\"" + units + "\" height=\"" + units + "\" rx=\"" + radius + "\" fill=\"#000000\"/>\n";
  for (const QPainterPath* path : {&shapes.hammer, &shapes.spanner}) {
    svg += "  <path fill=\"#ffffff\" fill-rule=\"";
    svg += path->fillRule() == Qt::WindingFill ? "nonzero" : "evenodd";
    svg += "\" d=\"" + SvgPathData(*path) + "\"/>\n";
  }
  svg += "</svg>\n";
  return svg;
}

std::vector<std::uint8_t> EncodeIcon(const QImage& source) {
  const QImage icon = source.convertToFormat(QImage::Format_ARGB32);
  const unsigned pixel_bytes = kIconSize * kIconSize * 4;
  const unsigned mask_bytes = kIconSize * 4;  // 32 one-bit pixels per row = 4 bytes
  std::vector<std::uint8_t> out;
  // Directory: reserved, type 1 (icon), one image.
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  // Entry: 32 x 32, no colour table, 1 plane, 32 bits, size and offset of the image.
  out.push_back(kIconSize);
  out.push_back(kIconSize);
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 40 + pixel_bytes + mask_bytes);
  Put32(out, 22);
  // Bitmap header: the height counts the colour rows and the mask rows.
  Put32(out, 40);
  Put32(out, kIconSize);
  Put32(out, 2 * kIconSize);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, pixel_bytes + mask_bytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  // Rows bottom-up, blue, green, red, alpha.
  for (int y = kIconSize - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
    for (int x = 0; x < kIconSize; ++x) {
      out.push_back(static_cast<std::uint8_t>(qBlue(row[x])));
      out.push_back(static_cast<std::uint8_t>(qGreen(row[x])));
      out.push_back(static_cast<std::uint8_t>(qRed(row[x])));
      out.push_back(static_cast<std::uint8_t>(qAlpha(row[x])));
    }
  }
  // Mask rows bottom-up: a set bit lets the background show through.
  for (int y = kIconSize - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
    for (int byte = 0; byte < 4; ++byte) {
      std::uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (qAlpha(row[byte * 8 + bit]) == 0) bits |= static_cast<std::uint8_t>(0x80 >> bit);
      }
      out.push_back(bits);
    }
  }
  return out;
}

}  // namespace anod::art
