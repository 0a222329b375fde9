#include "widgets/vivid_settings.h"

#include <algorithm>

namespace anod {

void TVividObject::Changed() {
  if (!updating_ && OnChange) OnChange(*this);
}

void TVividObject::EndUpdate(bool notify) {
  updating_ = false;
  if (notify) Changed();
}

void TVividGlyphTextLayout::Assign(const TVividGlyphTextLayout& source) {
  if (&source == this) return;
  const bool was_updating = Updating();
  const bool differs = alignment_ != source.alignment_ || align_text_2_glyph_ != source.align_text_2_glyph_ ||
                       offset_x_ != source.offset_x_ || offset_y_ != source.offset_y_ ||
                       spacing_ != source.spacing_;
  BeginUpdate();
  alignment_ = source.alignment_;
  align_text_2_glyph_ = source.align_text_2_glyph_;
  offset_x_ = source.offset_x_;
  offset_y_ = source.offset_y_;
  spacing_ = source.spacing_;
  if (!was_updating) EndUpdate(differs);
}

void TVividButtonLayout::SetArrowSize(int v) { Store(arrow_size_, std::clamp(v, 2, 10)); }

void TVividButtonLayout::Assign(const TVividGlyphTextLayout& source) {
  if (&source == this) return;
  const bool was_updating = Updating();
  BeginUpdate();
  bool differs = false;
  if (const auto* layout = dynamic_cast<const TVividButtonLayout*>(&source)) {
    differs = arrow_ != layout->arrow_ || arrow_color_ != layout->arrow_color_ ||
              arrow_indent_ != layout->arrow_indent_ || arrow_position_ != layout->arrow_position_ ||
              arrow_size_ != layout->arrow_size_;
    arrow_ = layout->arrow_;
    arrow_color_ = layout->arrow_color_;
    arrow_indent_ = layout->arrow_indent_;
    arrow_position_ = layout->arrow_position_;
    arrow_size_ = layout->arrow_size_;
  }
  const TVividAlignment a = Alignment();
  const TVividTextArrange t = AlignText2Glyph();
  const int ox = OffsetX(), oy = OffsetY(), sp = Spacing();
  TVividGlyphTextLayout::Assign(source);
  differs = differs || a != Alignment() || t != AlignText2Glyph() || ox != OffsetX() || oy != OffsetY() ||
            sp != Spacing();
  if (!was_updating) EndUpdate(differs);
}

void TVivid3DCaption::Assign(const TVivid3DCaption& source) {
  if (&source == this) return;
  const bool was_updating = Updating();
  const bool differs = style_ != source.style_ || disabled_style_ != source.disabled_style_ ||
                       light_depth_ != source.light_depth_ || shadow_depth_ != source.shadow_depth_ ||
                       light_color_ != source.light_color_ || shadow_color_ != source.shadow_color_;
  BeginUpdate();
  style_ = source.style_;
  disabled_style_ = source.disabled_style_;
  light_depth_ = source.light_depth_;
  shadow_depth_ = source.shadow_depth_;
  light_color_ = source.light_color_;
  shadow_color_ = source.shadow_color_;
  // Orientation stays: it belongs to this caption.
  if (!was_updating) EndUpdate(differs);
}

int TVivid3DCaption::EffectMargin() const {
  switch (style_) {
    case tdNone:
      return 0;
    case tdSunken:
    case tdRaised:
      return light_depth_;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised:
      return light_depth_ + shadow_depth_;
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh:
      return shadow_depth_;
  }
  return 0;
}

void TVividFxCaption::SetAngle(int v) {
  v %= 360;
  if (v < 0) v += 360;
  Store(angle_, v);
}

void TVividFxCaption::Assign(const TVivid3DCaption& source) {
  if (&source == this) return;
  const bool was_updating = Updating();
  BeginUpdate();
  bool differs = false;
  if (const auto* fx = dynamic_cast<const TVividFxCaption*>(&source)) {
    differs = tracing_ != fx->tracing_ || angle_ != fx->angle_ || pos_x_ != fx->pos_x_ || pos_y_ != fx->pos_y_;
    tracing_ = fx->tracing_;
    angle_ = fx->angle_;
    pos_x_ = fx->pos_x_;
    pos_y_ = fx->pos_y_;
  }
  const bool base_differs = Style() != source.Style() || DisabledStyle() != source.DisabledStyle() ||
                            LightDepth() != source.LightDepth() || ShadowDepth() != source.ShadowDepth() ||
                            LightColor() != source.LightColor() || ShadowColor() != source.ShadowColor();
  TVivid3DCaption::Assign(source);
  if (!was_updating) EndUpdate(differs || base_differs);
}

}  // namespace anod
