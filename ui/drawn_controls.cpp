#include "ui/drawn_controls.h"

#include "core/failures.h"
#include "ui/property_values.h"
#include "ui/read_messages.h"
#include "ui/scaling.h"

namespace anod {

void DrawnControl::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  Invalidate();
  bounds_ = bounds;
  BoundsChanged();
  Invalidate();
}

void ScaleFontSpec(FontSpec& font, int num, int den) {
  if (font.height >= 0) {
    font.height = ScaleValue(font.height, num, den);
    return;
  }
  const int points = ScaleValue(PixelsToPoints(-font.height), num, den);
  font.height = -PointsToPixels(points);
}

void TLabel::Paint(Canvas& canvas) { PaintLabel(canvas, {Bounds().Width(), Bounds().Height()}, look_); }

void TLabel::SetCaption(std::string caption) {
  if (caption == look_.caption) return;
  look_.caption = std::move(caption);
  Invalidate();
}

void TLabel::ScaleFont(int num, int den) { ScaleFontSpec(look_.font, num, den); }

bool TLabel::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(look_.font, path, value)) return true;
  if (path == "Caption") {
    SetCaption(TextValue(value));
  } else if (path == "Color") {
    look_.color = ColorValue(value);
  } else if (path == "Alignment") {
    look_.alignment = static_cast<TextAlignment>(EnumValue(value, {"taLeftJustify", "taRightJustify", "taCenter"}));
  } else if (path == "Layout") {
    look_.layout = static_cast<TextLayout>(EnumValue(value, {"tlTop", "tlCenter", "tlBottom"}));
  } else if (path == "WordWrap") {
    look_.word_wrap = BoolValue(value);
  } else if (path == "ShowAccelChar") {
    look_.show_accel_char = BoolValue(value);
  } else if (path == "Transparent") {
    look_.transparent = BoolValue(value);
  } else if (path == "AutoSize") {
    // Every label of the window keeps its size; an automatic size is refused
    // rather than silently ignored.
    if (BoolValue(value)) throw EReadError(kInvalidPropertyValue);
  } else {
    return false;
  }
  return true;
}

void TBevel::Paint(Canvas& canvas) { PaintBoxBevel(canvas, {Bounds().Width(), Bounds().Height()}, raised_); }

bool TBevel::ApplyProperty(std::string_view path, const Value& value) {
  if (path == "Shape") {
    EnumValue(value, {"bsBox"});
  } else if (path == "Style") {
    raised_ = EnumValue(value, {"bsLowered", "bsRaised"}) == 1;
  } else {
    return false;
  }
  return true;
}

void TShape::Paint(Canvas& canvas) {
  PaintRectangleShape(canvas, {Bounds().Width(), Bounds().Height()}, pen_, pen_width_, brush_, brush_clear_);
}

bool TShape::ApplyProperty(std::string_view path, const Value& value) {
  if (path == "Shape") {
    EnumValue(value, {"stRectangle"});
  } else if (path == "Pen.Color") {
    pen_ = ColorValue(value);
  } else if (path == "Pen.Width") {
    pen_width_ = IntValue(value);
    if (pen_width_ < 1) pen_width_ = 1;
  } else if (path == "Pen.Style") {
    EnumValue(value, {"psSolid"});
  } else if (path == "Brush.Color") {
    brush_ = ColorValue(value);
  } else if (path == "Brush.Style") {
    brush_clear_ = EnumValue(value, {"bsSolid", "bsClear"}) == 1;
  } else {
    return false;
  }
  return true;
}

}  // namespace anod
