#include "ui/picture_control.h"

#include "pictures/stored_value.h"
#include "ui/property_values.h"

namespace anod {

ImageControl::ImageControl(std::string name) : DrawnControl(std::move(name), "TImage") {
  TImage::Host host;
  host.invalidate = [this](TImage&) { Invalidate(); };
  host.repaint_now = [this](TImage&) { Invalidate(); };
  image_.SetHost(std::move(host));
}

void ImageControl::Paint(Canvas& canvas) { image_.Paint(canvas); }

void ImageControl::BoundsChanged() {
  const Rect& b = Bounds();
  image_.SetBounds(b.left, b.top, b.Width(), b.Height());
}

bool ImageControl::ApplyProperty(std::string_view path, const Value& value) {
  if (path == "Picture.Data") {
    ReadPictureValue(image_.Picture(), BytesValue(value));
  } else if (path == "Proportional") {
    image_.SetProportional(BoolValue(value));
  } else if (path == "Stretch") {
    image_.SetStretch(BoolValue(value));
  } else if (path == "Center") {
    image_.SetCenter(BoolValue(value));
  } else if (path == "Transparent") {
    image_.SetTransparent(BoolValue(value));
  } else {
    return false;
  }
  return true;
}

}  // namespace anod
