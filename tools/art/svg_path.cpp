#include "tools/art/svg_path.h"

#include <QString>

namespace anod::art {
namespace {

// Three decimals with the trailing zeros and point dropped, and never "-0".
// QString::number writes "." whatever the user's locale (printf would not
// once the application object has set it).
std::string Number(qreal value) {
  std::string out = QString::number(value, 'f', 3).toStdString();
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  if (out == "-0") out = "0";
  return out;
}

std::string Point(const QPainterPath::Element& e) { return Number(e.x) + " " + Number(e.y); }

}  // namespace

std::string SvgPathData(const QPainterPath& path) {
  std::string data;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element& e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement: data += "M" + Point(e); break;
      case QPainterPath::LineToElement: data += "L" + Point(e); break;
      case QPainterPath::CurveToElement:
        // A cubic curve is its control point here and two data elements after.
        data += "C" + Point(e) + " " + Point(path.elementAt(i + 1)) + " " + Point(path.elementAt(i + 2));
        i += 2;
        break;
      case QPainterPath::CurveToDataElement: break;
    }
  }
  return data;
}

}  // namespace anod::art
