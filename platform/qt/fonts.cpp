#include "platform/qt/fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace anod {

MappedFace MapFace(std::string_view requested) {
  if (requested == "MS Sans Serif" || requested == "Arial" || requested == "Microsoft Sans Serif" ||
      requested == "Tahoma") {
    return {"Liberation Sans", QFont::Normal};
  }
  if (requested == "Arial Black") return {"Lato", QFont::Black};
  return {std::string(requested), QFont::Normal};
}

QFont ToQFont(const FontSpec& requested) {
  const MappedFace face = MapFace(requested.name);
  QFont font(QString::fromStdString(face.family));
  font.setStyleStrategy(QFont::PreferAntialias);
  // Vertical hinting only: the advances stay the face's own, so Liberation
  // Sans keeps Arial's widths and the captions fit as they were laid out
  // (" pendant 5 à 10 minutes" is 238 pixels at 21 bold, 243 with full
  // hinting, in a 241-pixel step text).
  font.setHintingPreference(QFont::PreferVerticalHinting);
  int pixels = requested.height < 0 ? -requested.height : requested.height;
  if (pixels == 0) pixels = 11;
  font.setPixelSize(pixels);
  if (requested.height > 0) {
    // A positive height is the whole cell: shrink the em size until the cell fits.
    while (pixels > 1 && MeasureFont(font).height > requested.height) font.setPixelSize(--pixels);
  }
  int weight = face.weight;
  if (requested.bold && weight < QFont::Bold) weight = QFont::Bold;
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(requested.italic);
  font.setUnderline(requested.underline);
  font.setStrikeOut(requested.strike_out);
  font.setKerning(false);
  return font;
}

FontMetrics MeasureFont(const QFont& font) {
  const QFontMetricsF m(font);
  FontMetrics out;
  out.ascent = static_cast<int>(std::ceil(m.ascent()));
  out.descent = static_cast<int>(std::ceil(m.descent()));
  out.height = out.ascent + out.descent;
  out.internal_leading = out.height - font.pixelSize();
  if (out.internal_leading < 0) out.internal_leading = 0;
  out.average_char_width = static_cast<int>(std::lround(m.averageCharWidth()));
  out.underline_offset = static_cast<int>(std::lround(m.underlinePos()));
  out.underline_thickness = std::max(1, static_cast<int>(std::lround(m.lineWidth())));
  return out;
}

}  // namespace anod
