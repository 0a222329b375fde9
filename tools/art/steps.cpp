// The four process-step pictures. The window squeezes them to 233 x 193
// (about two thirds in each direction) by dropping rows and columns, so labels
// are bold and at least 16 pixels high, and strokes at least two pixels wide.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/drawing.h"
#include "tools/art/scenes.h"

namespace anod::art {
namespace {

const QColor kLiquid{160, 210, 240};
const QColor kGlass{90, 110, 130};
const QColor kAluminium{200, 205, 212};

// An open tank seen from the front: liquid up to `level`, glass walls.
void Tank(QPainter& p, const QRectF& tank, qreal level, QColor liquid = kLiquid) {
  p.save();
  QLinearGradient shade(tank.left(), 0, tank.right(), 0);
  shade.setColorAt(0, liquid.darker(112));
  shade.setColorAt(0.4, liquid.lighter(108));
  shade.setColorAt(1, liquid.darker(115));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawRect(QRectF(tank.left(), level, tank.width(), tank.bottom() - level));
  p.setPen(QPen(liquid.darker(150), 2));
  p.drawLine(QPointF(tank.left(), level), QPointF(tank.right(), level));
  QPainterPath walls;
  walls.moveTo(tank.topLeft());
  walls.lineTo(tank.bottomLeft());
  walls.lineTo(tank.bottomRight());
  walls.lineTo(tank.topRight());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGlass, 3.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(walls);
  p.restore();
}

// A horizontal aluminium rod of round section.
void Rod(QPainter& p, const QRectF& rod) {
  QLinearGradient g(0, rod.top(), 0, rod.bottom());
  g.setColorAt(0, kAluminium.darker(130));
  g.setColorAt(0.35, kAluminium.lighter(118));
  g.setColorAt(1, kAluminium.darker(160));
  p.setPen(QPen(QColor(110, 115, 125), 1.5));
  p.setBrush(g);
  p.drawRoundedRect(rod, rod.height() / 2, rod.height() / 2);
}

// A flat aluminium part: a plate with a hole for its wire.
void Part(QPainter& p, const QRectF& part) {
  QLinearGradient g(part.topLeft(), part.bottomRight());
  g.setColorAt(0, kAluminium.lighter(115));
  g.setColorAt(0.5, kAluminium.darker(108));
  g.setColorAt(1, kAluminium.darker(135));
  p.setPen(QPen(QColor(100, 105, 115), 2));
  p.setBrush(g);
  p.drawRoundedRect(part, 3, 3);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(part.center().x(), part.top() + 6), 2.5, 2.5);
}

void Wire(QPainter& p, const QPolygonF& path, QColor color, qreal width = 2.5) {
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(path);
}

// A display window of a bench supply showing `digits` in seven-segment style.
void Display(QPainter& p, const QRectF& box, const QString& digits, QColor lit) {
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(25, 30, 25));
  p.drawRoundedRect(box, 2, 2);
  Label(p, box.adjusted(2, 0, -2, 0), digits, lit, 20);
}

}  // namespace

QImage DrawDegreasing() {
  QImage image = BlankPicture(kStepWidth, kStepHeight);
  QPainter p(&image);
  PreparePainter(p);
  const QRectF tank(96, 136, 212, 108);
  Tank(p, tank, 152);
  // The support rests across the tank rim; the part hangs from it by a wire.
  const QRectF rod(78, 118, 250, 12);
  const QPointF hook(226, 130);
  const QRectF part(204, 178, 46, 52);
  Wire(p, QPolygonF{hook, QPointF(hook.x(), part.top() + 6)}, QColor(150, 155, 165), 2.5);
  Rod(p, rod);
  Part(p, part);

  TwoLineLabel(p, 150, 4, "Support et fil de liaison à", "la pièce aussi en aluminium", kLabelRed, 17);
  Arrow(p, QPointF(118, 48), QPointF(118, rod.top() - 2), kLabelRed, 2.5);
  Arrow(p, QPointF(226, 48), QPointF(hook.x() + 1, 150), kLabelRed, 2.5);

  TwoLineLabel(p, 46, 166, "Pièce en", "aluminium", kLabelRed, 17);
  Arrow(p, QPointF(88, 196), QPointF(part.left() - 3, 200), kLabelRed, 2.5);

  Label(p, QRectF(0, tank.bottom() + 8, kStepWidth, 28), "Solution de soude caustique NaOH", kInk, 18,
        Qt::AlignCenter, kStepWidth - 8);
  return image;
}

QImage DrawElectrolysis() {
  QImage image = BlankPicture(kStepWidth, kStepHeight);
  QPainter p(&image);
  PreparePainter(p);

  // The bench supply: two displays, their units, the two terminals.
  const QRectF supply(100, 6, 112, 104);
  QLinearGradient case_shade(supply.topLeft(), supply.bottomLeft());
  case_shade.setColorAt(0, QColor(235, 235, 230));
  case_shade.setColorAt(1, QColor(185, 185, 180));
  p.setPen(QPen(QColor(70, 70, 70), 2.5));
  p.setBrush(case_shade);
  p.drawRoundedRect(supply, 5, 5);
  Display(p, QRectF(106, 16, 49, 30), "24.0", QColor(255, 80, 60));
  Display(p, QRectF(158, 16, 49, 30), "0.00", QColor(90, 255, 110));
  Label(p, QRectF(106, 46, 49, 22), "V", kInk, 18);
  Label(p, QRectF(158, 46, 49, 22), "A", kInk, 18);
  const QPointF plus(128, 88), minus(186, 88);
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(QColor(210, 30, 30));
  p.drawEllipse(plus, 7, 7);
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(minus, 7, 7);
  Label(p, QRectF(plus.x() - 28, 76, 20, 24), "+", kLabelRed, 22);
  Label(p, QRectF(minus.x() + 9, 74, 18, 24), "-", kInk, 24);

  TwoLineLabel(p, 50, 30, "Alim 12", "ou 24V", kLabelBlue, 18);
  TwoLineLabel(p, 283, 30, "Courant de", "sortie réglable", kLabelBlue, 17);

  // The tank: the part on "+" in the middle, a lead plate on "-" each side.
  const QRectF tank(62, 150, 230, 96);
  Tank(p, tank, 164);
  const QRectF part(146, 182, 30, 48);
  const QRectF left_plate(74, 168, 12, 72), right_plate(268, 168, 12, 72);
  Wire(p, QPolygonF{minus + QPointF(0, 7), QPointF(minus.x(), 130), QPointF(80, 130), QPointF(80, 168)},
       QColor(30, 30, 30));
  Wire(p, QPolygonF{QPointF(minus.x(), 130), QPointF(274, 130), QPointF(274, 168)}, QColor(30, 30, 30));
  Wire(p, QPolygonF{plus + QPointF(0, 7), QPointF(plus.x(), 120), QPointF(161, 120), QPointF(161, part.top() + 6)},
       QColor(210, 30, 30));
  p.setPen(QPen(QColor(30, 30, 30), 1.5));
  p.setBrush(QColor(60, 62, 70));
  p.drawRect(left_plate);
  p.drawRect(right_plate);
  Part(p, part);

  TwoLineLabel(p, 222, 184, "Pièce", "aluminium", kLabelRed, 16);
  Label(p, QRectF(0, 190, 60, 24), "Plomb", kLabelRed, 16);
  Label(p, QRectF(294, 190, 60, 24), "Plomb", kLabelRed, 16);

  Label(p, QRectF(0, tank.bottom() + 8, kStepWidth, 28), QString::fromUtf8("Solution d’acide sulfurique"), kInk,
        19, Qt::AlignCenter, kStepWidth - 8);
  return image;
}

QImage DrawColouring() {
  QImage image = BlankPicture(kStepWidth, kStepHeight);
  {
    QPainter p(&image);
    PreparePainter(p);
    // Lab wall and bench, softly lit from the upper left.
    const QLinearGradient wall =
        Shade(QPointF(0, 0), QPointF(kStepWidth, 200), {{0, QColor(228, 226, 220)}, {1, QColor(170, 172, 170)}});
    p.fillRect(QRectF(0, 0, kStepWidth, 214), wall);
    const QLinearGradient bench =
        Shade(QPointF(0, 214), QPointF(0, kStepHeight), {{0, QColor(120, 112, 100)}, {1, QColor(70, 64, 58)}});
    p.fillRect(QRectF(0, 214, kStepWidth, kStepHeight - 214), bench);

    // Clamp stand: heavy base, rod at the back left, boss and clamp reaching
    // over the beaker, the temperature probe hanging from it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 45));
    p.drawRoundedRect(QRectF(20, 234, 96, 18), 3, 3);
    const QLinearGradient rod =
        Shade(QPointF(40, 0), QPointF(50, 0),
              {{0, QColor(120, 125, 130)}, {0.4, QColor(235, 238, 240)}, {1, QColor(100, 104, 110)}});
    p.setBrush(rod);
    p.drawRect(QRectF(40, 18, 10, 218));
    p.setBrush(QColor(50, 50, 55));
    p.drawRoundedRect(QRectF(34, 44, 22, 18), 3, 3);
    const QLinearGradient arm =
        Shade(QPointF(0, 48), QPointF(0, 58), {{0, QColor(220, 222, 225)}, {1, QColor(110, 112, 118)}});
    p.setBrush(arm);
    p.drawRect(QRectF(56, 48, 148, 9));
    p.setBrush(QColor(170, 40, 30));
    p.drawRoundedRect(QRectF(196, 42, 22, 22), 4, 4);
    // Probe: a thin steel tube down into the dye, its cable back to the controller.
    const QLinearGradient probe =
        Shade(QPointF(204, 0), QPointF(210, 0),
              {{0, QColor(130, 130, 135)}, {0.5, QColor(245, 245, 245)}, {1, QColor(120, 120, 125)}});
    p.setBrush(probe);
    p.drawRect(QRectF(204, 62, 6, 112));
    p.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable(QPointF(207, 44));
    cable.cubicTo(QPointF(250, 4), QPointF(345, 40), QPointF(312, 196));
    p.drawPath(cable);

    // Stirrer hot plate: white body, ceramic top, controller panel in front.
    const QRectF body(96, 186, 232, 62);
    const QLinearGradient body_shade = Shade(QPointF(0, body.top()), QPointF(0, body.bottom()),
                                             {{0, QColor(245, 245, 242)}, {1, QColor(190, 192, 190)}});
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.setBrush(body_shade);
    p.drawRoundedRect(body, 8, 8);
    const QLinearGradient plate =
        Shade(QPointF(0, 176), QPointF(0, 190), {{0, QColor(215, 218, 220)}, {1, QColor(150, 152, 156)}});
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(110, 176, 170, 14), 4, 4);
    p.setBrush(QColor(40, 44, 50));
    p.drawRoundedRect(QRectF(108, 200, 206, 40), 5, 5);
    p.setBrush(QColor(15, 20, 15));
    p.drawRect(QRectF(118, 208, 58, 24));
    // The colouring bath's temperature: inside the 55 to 65 degrees the step
    // text beside the picture asks for.
    Label(p, QRectF(118, 208, 58, 24), "60.0", QColor(255, 90, 60), 18);
    for (int i = 0; i < 2; ++i) {
      const QPointF knob(214 + 54 * i, 220);
      QRadialGradient k(knob + QPointF(-3, -3), 13);
      k.setColorAt(0, QColor(230, 230, 230));
      k.setColorAt(1, QColor(90, 90, 95));
      p.setBrush(k);
      p.setPen(QPen(QColor(20, 20, 20), 1.5));
      p.drawEllipse(knob, 12, 12);
      p.drawLine(knob, knob + QPointF(6 * std::cos(0.8 + i), -6 * std::sin(0.8 + i)));
    }

    // 400 ml beaker of dark blue dye on the plate.
    const QRectF beaker(150, 74, 104, 104);
    const QLinearGradient dye = Shade(
        QPointF(beaker.left(), 0), QPointF(beaker.right(), 0),
        {{0, QColor(8, 14, 70)}, {0.3, QColor(30, 50, 150)}, {0.55, QColor(18, 30, 110)}, {1, QColor(6, 10, 55)}});
    p.setPen(Qt::NoPen);
    p.setBrush(dye);
    p.drawRoundedRect(QRectF(beaker.left() + 3, 100, beaker.width() - 6, beaker.bottom() - 103), 6, 6);
    p.setBrush(QColor(60, 90, 190, 180));
    p.drawEllipse(QRectF(beaker.left() + 3, 95, beaker.width() - 6, 10));
    // Glass: walls with a highlight, the pouring lip, graduations.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 240, 245, 230), 2.5));
    QPainterPath glass;
    glass.moveTo(beaker.left() - 4, beaker.top());
    glass.lineTo(beaker.left(), beaker.top() + 4);
    glass.lineTo(beaker.left(), beaker.bottom() - 6);
    glass.quadTo(beaker.left(), beaker.bottom(), beaker.left() + 6, beaker.bottom());
    glass.lineTo(beaker.right() - 6, beaker.bottom());
    glass.quadTo(beaker.right(), beaker.bottom(), beaker.right(), beaker.bottom() - 6);
    glass.lineTo(beaker.right(), beaker.top());
    p.drawPath(glass);
    p.setPen(QPen(QColor(255, 255, 255, 150), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(beaker.left() + 12, beaker.top() + 12), QPointF(beaker.left() + 12, beaker.bottom() - 12));
    p.setPen(QPen(QColor(240, 240, 240), 1.5));
    for (int i = 0; i < 4; ++i) {
      const qreal y = beaker.bottom() - 18 - 20 * i;
      p.drawLine(QPointF(beaker.right() - 26, y), QPointF(beaker.right() - 10, y));
    }
    QFont small(kLabelFamily);
    small.setPixelSize(10);
    small.setBold(true);
    p.setFont(small);
    p.drawText(QRectF(beaker.right() - 48, beaker.top() + 4, 44, 14), Qt::AlignRight, "400ml");
    // Stirring bar just visible through the dye.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 210, 160));
    p.drawRoundedRect(QRectF(186, 166, 32, 6), 3, 3);
  }
  Grain(image, image.rect(), 3, 6);
  return image;
}

QImage DrawFixing() {
  QImage image = BlankPicture(kStepWidth, kStepHeight);
  QPainter p(&image);
  PreparePainter(p);
  const qreal cx = 177;

  // Tripod: three legs, the ring under the gauze.
  p.setPen(QPen(QColor(45, 45, 50), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx - 86, 150), QPointF(cx - 104, 276));
  p.drawLine(QPointF(cx + 86, 150), QPointF(cx + 104, 276));
  p.drawLine(QPointF(cx, 152), QPointF(cx + 6, 280));
  p.drawLine(QPointF(cx - 90, 148), QPointF(cx + 90, 148));
  // Gas burner: base, tube, collar, and its blue flame under the gauze.
  p.setPen(QPen(QColor(50, 50, 55), 2));
  QLinearGradient metal(cx - 12, 0, cx + 12, 0);
  metal.setColorAt(0, QColor(110, 110, 118));
  metal.setColorAt(0.4, QColor(225, 225, 230));
  metal.setColorAt(1, QColor(95, 95, 105));
  p.setBrush(QColor(70, 70, 78));
  p.drawRoundedRect(QRectF(cx - 38, 262, 76, 16), 4, 4);
  p.setBrush(metal);
  p.drawRect(QRectF(cx - 10, 196, 20, 68));
  p.drawRect(QRectF(cx - 14, 240, 28, 10));
  p.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx + 38, 270), QPointF(cx + 90, 270));  // gas hose
  QPainterPath flame;
  flame.moveTo(cx - 10, 196);
  flame.cubicTo(QPointF(cx - 16, 176), QPointF(cx - 4, 166), QPointF(cx, 154));
  flame.cubicTo(QPointF(cx + 4, 166), QPointF(cx + 16, 176), QPointF(cx + 10, 196));
  QLinearGradient blue(0, 154, 0, 196);
  blue.setColorAt(0, QColor(120, 170, 255, 160));
  blue.setColorAt(1, QColor(20, 60, 230));
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawPath(flame);

  // Wire gauze: a square of mesh on the ring, its ceramic centre.
  p.setPen(QPen(QColor(90, 90, 95), 1.5));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(cx - 80, 140, 160, 7));
  p.setBrush(QColor(235, 235, 228));
  p.drawRect(QRectF(cx - 40, 140, 80, 7));
  p.setPen(QPen(QColor(110, 110, 115), 1));
  for (qreal x = cx - 76; x < cx + 80; x += 6) p.drawLine(QPointF(x, 140), QPointF(x, 147));

  // Beaker of water on the gauze; the part hangs from a rod laid across it.
  const QRectF beaker(cx - 54, 36, 108, 104);
  QLinearGradient water(beaker.left(), 0, beaker.right(), 0);
  water.setColorAt(0, QColor(150, 200, 235));
  water.setColorAt(0.4, QColor(205, 232, 250));
  water.setColorAt(1, QColor(140, 190, 228));
  p.setPen(Qt::NoPen);
  p.setBrush(water);
  p.drawRect(QRectF(beaker.left() + 2, 62, beaker.width() - 4, beaker.bottom() - 64));
  p.setPen(QPen(QColor(90, 150, 200), 2));
  p.drawLine(QPointF(beaker.left() + 2, 62), QPointF(beaker.right() - 2, 62));
  // Steam over the hot water.
  p.setPen(QPen(QColor(170, 180, 190), 2));
  for (int i = 0; i < 3; ++i) {
    QPainterPath steam(QPointF(cx - 26 + 26 * i, 30));
    steam.cubicTo(QPointF(cx - 34 + 26 * i, 20), QPointF(cx - 18 + 26 * i, 14), QPointF(cx - 26 + 26 * i, 2));
    p.drawPath(steam);
  }
  const QRectF rod(cx - 80, 28, 160, 9);
  const QRectF part(cx - 16, 80, 32, 42);
  Wire(p, QPolygonF{QPointF(cx, 36), QPointF(cx, part.top() + 6)}, QColor(140, 145, 155), 2.5);
  Part(p, part);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGlass, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath glass;
  glass.moveTo(beaker.left() - 5, beaker.top());
  glass.lineTo(beaker.left(), beaker.top() + 5);
  glass.lineTo(beaker.left(), beaker.bottom());
  glass.lineTo(beaker.right(), beaker.bottom());
  glass.lineTo(beaker.right(), beaker.top());
  p.drawPath(glass);
  p.setPen(QPen(QColor(255, 255, 255, 170), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(beaker.left() + 10, beaker.top() + 34), QPointF(beaker.left() + 10, beaker.bottom() - 10));
  Rod(p, rod);
  return image;
}

}  // namespace anod::art
