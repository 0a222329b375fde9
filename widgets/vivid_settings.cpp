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
  if (CopyLayoutValues(source)) Changed();
}

void TVividButtonLayout::SetArrowSize(int v) { Store(arrow_.size, std::clamp(v, 2, 10)); }

void TVividButtonLayout::Assign(const TVividGlyphTextLayout& source) {
  bool changed = CopyLayoutValues(source);
  if (const auto* layout = dynamic_cast<const TVividButtonLayout*>(&source)) {
    changed = CopyValues(arrow_, layout->arrow_) || changed;
  }
  if (changed) Changed();
}

void TVivid3DCaption::Assign(const TVivid3DCaption& source) {
  if (CopyCaptionValues(source)) Changed();
}

int TVivid3DCaption::EffectMargin() const {
  switch (v_.style) {
    case tdNone:
      return 0;
    case tdSunken:
    case tdRaised:
      return v_.light_depth;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised:
      return v_.light_depth + v_.shadow_depth;
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh:
      return v_.shadow_depth;
  }
  return 0;
}

void TVividFxCaption::SetAngle(int v) {
  v %= 360;
  if (v < 0) v += 360;
  Store(fx_.angle, v);
}

void TVividFxCaption::Assign(const TVivid3DCaption& source) {
  bool changed = CopyCaptionValues(source);
  if (const auto* fx = dynamic_cast<const TVividFxCaption*>(&source)) {
    changed = CopyValues(fx_, fx->fx_) || changed;
  }
  if (changed) Changed();
}

}  // namespace anod
