// The four shape drawings above the calculators. Each is reduced to 217 x 217
// in the window, so every stroke is at least two pixels wide and every label
// is bold.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/art/drawing.h"
#include "tools/art/scenes.h"

namespace anod::art {
namespace {

const QColor kSteelBlue{70, 120, 200};
const QColor kEdge{20, 40, 90};

QPen EdgePen(qreal width = 2.5) { return QPen(kEdge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen DashedPen(qreal width = 2) {
  QPen pen(kEdge, width, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({4, 3});
  return pen;
}
QPen AxisPen() {
  QPen pen(QColor(90, 90, 90), 2, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({9, 3, 2, 3});
  return pen;
}

}  // namespace

QImage DrawCylinder() {
  QImage image = BlankPicture(kShapeSize, kShapeSize);
  QPainter p(&image);
  PreparePainter(p);
  const qreal cx = 122, rx = 78, ry = 22, top = 78, bottom = 238;

  // Body: the side between the two ellipses, shaded across.
  QPainterPath body;
  body.moveTo(cx - rx, top);
  body.lineTo(cx - rx, bottom);
  body.arcTo(QRectF(cx - rx, bottom - ry, 2 * rx, 2 * ry), 180, 180);
  body.lineTo(cx + rx, top);
  body.arcTo(QRectF(cx - rx, top - ry, 2 * rx, 2 * ry), 0, -180);
  p.setPen(Qt::NoPen);
  p.setBrush(CylinderShade(cx - rx, cx + rx, kSteelBlue));
  p.drawPath(body);

  // Top face, lit from above.
  QLinearGradient lid(cx - rx, top - ry, cx + rx, top + ry);
  lid.setColorAt(0, kSteelBlue.lighter(175));
  lid.setColorAt(1, kSteelBlue.lighter(120));
  p.setBrush(lid);
  p.setPen(EdgePen());
  p.drawEllipse(QPointF(cx, top), rx, ry);

  // Outline: sides, the visible front of the bottom rim, its hidden back dashed.
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(cx - rx, top), QPointF(cx - rx, bottom));
  p.drawLine(QPointF(cx + rx, top), QPointF(cx + rx, bottom));
  p.drawArc(QRectF(cx - rx, bottom - ry, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
  p.setPen(DashedPen());
  p.drawArc(QRectF(cx - rx, bottom - ry, 2 * rx, 2 * ry), 0, 180 * 16);

  // Dash-dot axes: the cylinder's own axis and the diameter of the top face.
  p.setPen(AxisPen());
  p.drawLine(QPointF(cx, top - ry - 14), QPointF(cx, bottom + ry + 14));
  p.drawLine(QPointF(cx - rx - 12, top), QPointF(cx + rx + 12, top));

  // Radius across the right half of the top face, named above the lid.
  Arrow(p, QPointF(cx, top), QPointF(cx + rx, top), kInk, 2.5, true, 10);
  Label(p, QRectF(cx - 10, top - ry - 34, 110, 28), "Rayon", kInk, 22);

  // Height along the right side.
  const qreal ax = cx + rx + 26;
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(cx + rx + 4, top), QPointF(ax + 8, top));
  p.drawLine(QPointF(cx + rx + 4, bottom), QPointF(ax + 8, bottom));
  Arrow(p, QPointF(ax, top), QPointF(ax, bottom), kInk, 2.5, true, 10);
  VerticalLabel(p, QPointF(ax + 22, (top + bottom) / 2), "Hauteur", kInk, 22);
  return image;
}

QImage DrawBox() {
  QImage image = BlankPicture(kShapeSize, kShapeSize);
  QPainter p(&image);
  PreparePainter(p);
  // Front face and the depth offset of an oblique view.
  const QRectF front(18, 124, 132, 100);
  const QPointF depth(48, -42);
  const QPointF fl = front.bottomLeft(), fr = front.bottomRight(), tl = front.topLeft(), tr = front.topRight();

  QPolygonF top_face{tl, tl + depth, tr + depth, tr};
  QPolygonF side_face{tr, tr + depth, fr + depth, fr};
  p.setPen(Qt::NoPen);
  QLinearGradient front_shade(front.topLeft(), front.bottomRight());
  front_shade.setColorAt(0, kSteelBlue.lighter(125));
  front_shade.setColorAt(1, kSteelBlue);
  p.setBrush(front_shade);
  p.drawRect(front);
  p.setBrush(kSteelBlue.lighter(165));
  p.drawPolygon(top_face);
  p.setBrush(kSteelBlue.darker(135));
  p.drawPolygon(side_face);

  // Hidden edges meet at the back bottom left corner.
  p.setPen(DashedPen());
  const QPointF hidden = fl + depth;
  p.drawLine(hidden, fl);
  p.drawLine(hidden, tl + depth);
  p.drawLine(hidden, fr + depth);

  p.setPen(EdgePen());
  p.setBrush(Qt::NoBrush);
  p.drawRect(front);
  p.drawPolygon(top_face);
  p.drawPolygon(side_face);

  // h: the right vertical edge.
  const QPointF r_top = tr + depth, r_bottom = fr + depth;
  TwoLineLabel(p, r_top.x() + 42, (r_top.y() + r_bottom.y()) / 2 - 24, "h", "Hauteur", kInk, 19);
  // l: the depth edge, bottom right.
  TwoLineLabel(p, (fr.x() + r_bottom.x()) / 2 + 50, fr.y() - 4, "l", "Largeur", kInk, 19);
  // L: under the front edge.
  TwoLineLabel(p, front.center().x(), fl.y() + 6, "L", "Longueur", kInk, 19);
  return image;
}

QImage DrawSphere() {
  QImage image = BlankPicture(kShapeSize, kShapeSize);
  QPainter p(&image);
  PreparePainter(p);
  const QPointF c(128, 162);
  const qreal r = 100;
  QRadialGradient shade(c + QPointF(-38, -42), r * 1.45);
  const QColor grey_blue(120, 140, 175);
  shade.setColorAt(0, grey_blue.lighter(175));
  shade.setColorAt(0.55, grey_blue);
  shade.setColorAt(1, grey_blue.darker(200));
  p.setPen(EdgePen());
  p.setBrush(shade);
  p.drawEllipse(c, r, r);

  p.setBrush(Qt::NoBrush);
  p.setPen(DashedPen());
  p.drawEllipse(c, r * 0.36, r);  // meridian
  p.drawEllipse(c, r, r * 0.27);  // equator

  // Radius from the centre up to the right, named outside the sphere.
  const QPointF surface = c + QPointF(r * 0.7071, -r * 0.7071);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(c, 3.5, 3.5);
  Arrow(p, c, surface, kInk, 3, false, 12);
  TwoLineLabel(p, 245, 14, "R", "Rayon", kInk, 22);
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(surface + QPointF(4, -4), QPointF(222, 58));
  return image;
}

QImage DrawPyramid() {
  QImage image = BlankPicture(kShapeSize, kShapeSize);
  QPainter p(&image);
  PreparePainter(p);
  const QPointF fl(30, 222), fr(184, 222), br(244, 176), bl(90, 176), apex(140, 26);

  // Base in light blue, the two visible faces lightly shaded above it.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 215, 245));
  p.drawPolygon(QPolygonF{fl, fr, br, bl});
  QLinearGradient face(fl, apex);
  // The faces are drawn half see-through so the light blue base shows.
  face.setColorAt(0, QColor(225, 232, 242, 120));
  face.setColorAt(1, QColor(250, 250, 252, 200));
  p.setBrush(face);
  p.drawPolygon(QPolygonF{fl, fr, apex});
  p.setBrush(QColor(185, 198, 222, 200));
  p.drawPolygon(QPolygonF{fr, br, apex});

  p.setPen(DashedPen());
  p.drawLine(bl, apex);
  p.drawLine(bl, fl);
  p.drawLine(bl, br);
  p.setPen(EdgePen());
  p.drawLine(fl, fr);
  p.drawLine(fr, br);
  p.drawLine(fl, apex);
  p.drawLine(fr, apex);
  p.drawLine(br, apex);

  // Base edge length, under the front edge.
  const qreal y = fl.y() + 16;
  p.setPen(QPen(kLabelGreen, 1.5));
  p.drawLine(fl + QPointF(0, 4), QPointF(fl.x(), y + 6));
  p.drawLine(fr + QPointF(0, 4), QPointF(fr.x(), y + 6));
  Arrow(p, QPointF(fl.x(), y), QPointF(fr.x(), y), kLabelGreen, 2.5, true, 10);
  Label(p, QRectF(fl.x() - 10, y + 6, fr.x() - fl.x() + 20, 26), "LONGUEUR", kLabelGreen, 21);

  // Height of the front face: apex to the middle of its base edge.
  const QPointF foot = (fl + fr) / 2;
  Arrow(p, apex, foot, kLabelGreen, 2.5, true, 10);
  Label(p, QRectF(foot.x() + 2, 118, 100, 26), "Hauteur", kLabelGreen, 21, Qt::AlignLeft | Qt::AlignVCenter);
  return image;
}

}  // namespace anod::art
