// The image control: a non-windowed control its parent paints, showing one
// picture in the placement rectangle (pictures/placement.h).
//
// It is a model, not a widget: the window gives it its bounds, calls Paint
// with a canvas whose origin is the control's top-left corner, and installs
// the host callbacks through which the control asks to be repainted and
// reports whether it covers its whole area (an opaque control's parent does
// not paint its background under it).
//
// Reaction to a change (the picture read, replaced or changed; Center,
// Stretch, Proportional or Transparent given a new value):
//   1. AutoSize and a picture of non-zero size: the control takes its size.
//   2. With a picture object: the object's transparent flag follows the
//      control's (icons and metafiles excepted); the control is opaque when
//      the picture is not transparent and the placement rectangle covers the
//      control; then the palette step. Without one: not opaque.
//   3. Unless painting: invalidate.
// Setting a flag to the value it has does nothing at all.
#pragma once

#include <functional>

#include "pictures/graphic.h"
#include "pictures/picture.h"
#include "pictures/placement.h"
#include "platform/canvas.h"
#include "platform/geometry.h"

namespace anod {

class TImage {
 public:
  // What the control asks of the window it lives in. Every callback may be
  // left unset.
  struct Host {
    std::function<void(TImage&)> invalidate;   // repaint later
    std::function<void(TImage&)> repaint_now;  // repaint at once (progressive display)
    std::function<void(TImage&, bool opaque)> opacity_changed;
    // 8-bit displays: the form realizes its palette again. Unset where the
    // form is not active or has no window (and on this platform's
    // true-colour screens).
    std::function<void(TImage&, bool while_painting)> realize_palette;
  };

  TImage();
  TImage(const TImage&) = delete;
  TImage& operator=(const TImage&) = delete;

  void SetHost(Host host) { host_ = std::move(host); }

  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }

  // Bounds relative to the parent; 105 x 105 at (0, 0) by default.
  const Rect& BoundsRect() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }

  bool Center() const { return center_; }
  bool Stretch() const { return stretch_; }
  bool Proportional() const { return proportional_; }
  bool Transparent() const { return transparent_; }
  bool IncrementalDisplay() const { return incremental_display_; }
  bool AutoSize() const { return auto_size_; }
  void SetCenter(bool value);
  void SetStretch(bool value);
  void SetProportional(bool value);
  void SetTransparent(bool value);
  void SetIncrementalDisplay(bool value) { incremental_display_ = value; }
  void SetAutoSize(bool value) { auto_size_ = value; }

  // Visible and not being loaded: the palette step runs only then.
  void SetVisible(bool value) { visible_ = value; }
  void SetLoading(bool value) { loading_ = value; }

  TProgressEvent OnProgress;

  // In the control's own coordinates.
  Rect PlacementRect() const;
  bool Opaque() const { return opaque_; }
  bool Painting() const { return drawing_; }

  // Draws the picture into PlacementRect and nothing else (no background, no
  // border); nothing without a picture. The first paint of a JPEG picture
  // decodes it, and a decoding failure leaves here.
  void Paint(Canvas& canvas);

 private:
  void PictureChanged();
  bool PaletteStep();
  void PictureProgress(TGraphic& sender, TProgressStage stage, std::uint8_t percent, bool redraw_now,
                       const Rect& r, const std::string& msg);
  void SetFlag(bool& flag, bool value);

  TPicture picture_;
  Host host_;
  Rect bounds_ = Rect::FromBounds(0, 0, 105, 105);
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool incremental_display_ = false;
  bool auto_size_ = false;
  bool visible_ = true;
  bool loading_ = false;
  bool drawing_ = false;
  bool opaque_ = false;
};

}  // namespace anod
