#include "pictures/graphic.h"

#include "core/failures.h"

namespace anod {

const GraphicClass kGraphicClass{"TGraphic", nullptr, nullptr};
const GraphicClass kMetafileClass{"TMetafile", &kGraphicClass, nullptr};
const GraphicClass kIconClass{"TIcon", &kGraphicClass, nullptr};

bool GraphicClass::InheritsFrom(const GraphicClass& base) const {
  for (const GraphicClass* c = this; c != nullptr; c = c->parent) {
    if (c == &base) return true;
  }
  return false;
}

void TGraphic::ReadData(ByteReader&) { throw EInvalidGraphic("Format d'image non pris en charge"); }

void TGraphic::WriteData(std::vector<std::uint8_t>&) const {
  throw EInvalidGraphic("Format d'image non pris en charge");
}

void TGraphic::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

void TGraphic::Changed() {
  modified_ = true;
  if (OnChange) OnChange(*this);
}

void TGraphic::Progress(TProgressStage stage, std::uint8_t percent_done, bool redraw_now, const Rect& r) {
  if (OnProgress) OnProgress(*this, stage, percent_done, redraw_now, r, std::string());
}

}  // namespace anod
