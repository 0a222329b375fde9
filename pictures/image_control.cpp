#include "pictures/image_control.h"

#include "pictures/graphic.h"

namespace anod {

TImage::TImage() {
  picture_.OnChange = [this](TPicture&) { PictureChanged(); };
  picture_.OnProgress = [this](TGraphic& sender, TProgressStage stage, std::uint8_t percent, bool redraw,
                               const Rect& r, const std::string& msg) {
    PictureProgress(sender, stage, percent, redraw, r, msg);
  };
}

void TImage::SetBounds(int left, int top, int width, int height) {
  bounds_ = Rect::FromBounds(left, top, width, height);
}

void TImage::SetFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  PictureChanged();
}

void TImage::SetCenter(bool value) { SetFlag(center_, value); }
void TImage::SetStretch(bool value) { SetFlag(stretch_, value); }
void TImage::SetProportional(bool value) { SetFlag(proportional_, value); }
void TImage::SetTransparent(bool value) { SetFlag(transparent_, value); }

Rect TImage::PlacementRect() const {
  return anod::PlacementRect(picture_.Width(), picture_.Height(), Width(), Height(),
                             {center_, stretch_, proportional_});
}

void TImage::Paint(Canvas& canvas) {
  struct DrawingFlag {
    bool& flag;
    explicit DrawingFlag(bool& f) : flag(f) { flag = true; }
    ~DrawingFlag() { flag = false; }
  } drawing(drawing_);
  if (TGraphic* graphic = picture_.Graphic()) graphic->DrawScaled(canvas, PlacementRect());
}

void TImage::PictureChanged() {
  if (auto_size_ && picture_.Width() > 0 && picture_.Height() > 0) {
    SetBounds(bounds_.left, bounds_.top, picture_.Width(), picture_.Height());
  }
  bool opaque = false;
  if (TGraphic* graphic = picture_.Graphic()) {
    graphic->SetTransparent(transparent_);  // only bitmaps and JPEG pictures exist here
    const Rect r = PlacementRect();
    opaque = !graphic->Transparent() && r.left <= 0 && r.top <= 0 && r.right >= Width() && r.bottom >= Height();
    if (PaletteStep() && drawing_ && host_.repaint_now) host_.repaint_now(*this);
  }
  if (opaque != opaque_) {
    opaque_ = opaque;
    if (host_.opacity_changed) host_.opacity_changed(*this, opaque_);
  }
  if (!drawing_ && host_.invalidate) host_.invalidate(*this);
}

bool TImage::PaletteStep() {
  TGraphic* graphic = picture_.Graphic();
  if (graphic == nullptr || !visible_ || loading_ || !graphic->PaletteModified()) return false;
  if (graphic->Palette().empty()) {
    graphic->SetPaletteModified(false);
    return false;
  }
  if (!host_.realize_palette) return false;
  host_.realize_palette(*this, drawing_);
  graphic->SetPaletteModified(false);
  return true;
}

void TImage::PictureProgress(TGraphic& sender, TProgressStage stage, std::uint8_t percent, bool redraw_now,
                             const Rect& r, const std::string& msg) {
  if (redraw_now && incremental_display_ && !PaletteStep() && host_.repaint_now) host_.repaint_now(*this);
  if (OnProgress) OnProgress(sender, stage, percent, redraw_now, r, msg);
}

}  // namespace anod
