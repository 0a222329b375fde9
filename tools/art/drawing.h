// Drawing helpers shared by the scenes: labels that stay readable after the
// window reduces the picture by dropping rows and columns (bold faces, no
// stroke thinner than two pixels), arrows, and the few materials the scenes
// share (glass, liquid, brushed aluminium).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace anod::art {

// The one face every label uses; the committed files were drawn with it.
inline constexpr const char* kLabelFamily = "Liberation Sans";

constexpr QColor kLabelRed{200, 0, 0};
constexpr QColor kLabelBlue{0, 50, 200};
constexpr QColor kLabelGreen{0, 140, 40};
constexpr QColor kInk{20, 20, 20};

// A white picture of the given size with an antialiasing painter's settings
// applied by the caller.
QImage BlankPicture(int width, int height, QColor background = Qt::white);
void PreparePainter(QPainter& p);

// Draws `text` in bold at `pixel_size`, shrunk until it fits `max_width`,
// aligned in `box` by `flags` (Qt::AlignmentFlag). Returns the text's rect.
QRectF Label(QPainter& p, const QRectF& box, const QString& text, QColor color, int pixel_size,
             int flags = Qt::AlignCenter, qreal max_width = 0);
// Two lines, one under the other, centred on `centre_x`, first baseline box at `top`.
QRectF TwoLineLabel(QPainter& p, qreal centre_x, qreal top, const QString& first, const QString& second,
                    QColor color, int pixel_size);
// The same turned 90 degrees counter-clockwise, centred on `centre`.
void VerticalLabel(QPainter& p, QPointF centre, const QString& text, QColor color, int pixel_size);

// A straight arrow from `from` to `to`, head at `to` (and at `from` when
// `both_ends`).
void Arrow(QPainter& p, QPointF from, QPointF to, QColor color, qreal width, bool both_ends = false,
           qreal head = 11);

// A thin vertical gradient along x for cylindrical surfaces: dark at the
// edges, a highlight a third of the way in.
QLinearGradient CylinderShade(qreal left, qreal right, QColor base);
QColor Mix(QColor a, QColor b, qreal t);

// Sprinkles faint noise over `rect` so shaded areas read as a photograph.
void Grain(QImage& image, const QRect& rect, int amplitude, unsigned seed);

}  // namespace anod::art
