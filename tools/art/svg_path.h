// A painter path as SVG path data, for the icon drawn as SVG.
#pragma once

#include <QPainterPath>
#include <string>

namespace anod::art {

// Each element becomes one command with absolute coordinates and up to three
// decimals:
//   moveTo(2, 3.5); lineTo(9.5, 3.5)  -> "M2 3.5L9.5 3.5"
//   cubicTo(1, 2, 3, 4, 5, 6)          -> "C1 2 3 4 5 6"
// Subpaths stay open as the path has them; filling closes them anyway.
std::string SvgPathData(const QPainterPath& path);

}  // namespace anod::art
