// The eight pictures of the window and its icon, each drawn at the size it is
// stored in: 289 x 289 for the shapes, 354 x 289 for the process steps,
// 32 x 32 for the icon.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <cstdint>
#include <string>
#include <vector>

namespace anod::art {

inline constexpr int kShapeSize = 289;
inline constexpr int kStepWidth = 354;
inline constexpr int kStepHeight = 289;

QImage DrawCylinder();
QImage DrawBox();
QImage DrawSphere();
QImage DrawPyramid();

QImage DrawDegreasing();
QImage DrawElectrolysis();
QImage DrawColouring();
QImage DrawFixing();

// The icon's white shapes on a square of `units` (y down), each path filled
// by its own fill rule. The window's icon uses 32 units, the size it is shown.
struct IconShapes {
  QPainterPath hammer;
  QPainterPath spanner;
};
IconShapes DrawIconShapes(qreal units);

// 32 x 32, premultiplied-free ARGB: a white hammer and a white spanner on a
// black square with softened corners; outside the corners is transparent.
QImage DrawIcon();
// The desktop's copies of the same icon, size x size, from shapes built on a
// finer square (their curves stay round at 256), and as an SVG document of
// 256 x 256 units.
QImage DrawDesktopIcon(int size);
std::string DrawDesktopIconSvg();
// One-image icon file: directory, 40-byte header, 32-bit rows bottom-up,
// 1-bit mask (set where the pixel is transparent). 4,286 bytes for 32 x 32.
std::vector<std::uint8_t> EncodeIcon(const QImage& argb32x32);

}  // namespace anod::art
