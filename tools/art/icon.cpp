// The window icon: a white hammer and a white spanner side by side on a black
// square with softened corners, drawn large and reduced to 32 x 32 so the
// edges keep their antialiasing.
#include <QPainter>
#include <QPainterPath>

#include "tools/art/drawing.h"
#include "tools/art/scenes.h"

namespace anod::art {
namespace {

constexpr int kIconSize = 32;
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

QImage DrawIcon() {
  const int s = kIconSize * kDrawScale;
  QImage large(s, s, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  {
    QPainter p(&large);
    PreparePainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0, 0, s, s), 6 * kDrawScale, 6 * kDrawScale);
    p.scale(kDrawScale, kDrawScale);
    p.setBrush(Qt::white);

    // Hammer, left: a handle widening towards the grip, a square striking
    // face and a claw tapering away from it.
    QPainterPath hammer;
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
    p.drawPath(hammer.united(claw).simplified());

    // Spanner, right: a shaft with an open jaw at the top and a ring below.
    QPainterPath spanner;
    spanner.addRoundedRect(QRectF(21.8, 9, 3.4, 17), 1.5, 1.5);
    spanner.addEllipse(QPointF(23.5, 8), 5.3, 5.3);
    spanner.addEllipse(QPointF(23.5, 26.5), 4, 4);
    QPainterPath cuts;
    cuts.addRect(QRectF(21.7, 0, 3.6, 7.5));
    cuts.addEllipse(QPointF(23.5, 7.5), 1.8, 1.8);
    cuts.addEllipse(QPointF(23.5, 26.5), 1.8, 1.8);
    p.drawPath(spanner.simplified().subtracted(cuts));
  }
  return large.scaled(kIconSize, kIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
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
