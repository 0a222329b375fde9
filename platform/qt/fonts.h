// The one mapping from the faces the window description asks for to the
// faces installed here.
//
// "MS Sans Serif" and "Arial" become Liberation Sans, the metric twin of
// Arial: at -11 its "0" is 13 pixels high (ceil(ascent) + ceil(descent)), the
// height the layout was drawn for, so nothing scales; at -19 bold
// " 244.92 Cm² " is 111 pixels wide and fits its 129-pixel result label.
// Glyphs are hinted vertically only, so advances keep the face's metrics.
// "Arial Black" becomes Lato in its Black weight, the heaviest sans face
// installed. Any other name is asked for as it stands.
#pragma once

#include <QFont>
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace anod {

struct MappedFace {
  std::string family;
  int weight;  // QFont::Weight value for a regular font; bold raises it
};

MappedFace MapFace(std::string_view requested);

// The Qt font of a description font: mapped family, pixel size |height|
// (a positive cell height is turned into the em size), weight, style.
QFont ToQFont(const FontSpec& requested);

// Whole-pixel metrics as the home platform reports them.
FontMetrics MeasureFont(const QFont& font);

}  // namespace anod
