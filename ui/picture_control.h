// The image control as a drawn control of the window: the pictures module's
// TImage, given its bounds, its stored picture and its flags by the
// description, and painted by its parent.
#pragma once

#include "pictures/image_control.h"
#include "ui/drawn_controls.h"

namespace anod {

class ImageControl final : public DrawnControl {
 public:
  explicit ImageControl(std::string name);
  void Paint(Canvas& canvas) override;
  // Picture.Data (handed to the pictures module), Proportional, Stretch,
  // Center, Transparent.
  bool ApplyProperty(std::string_view path, const Value& value) override;
  TImage& Image() { return image_; }

 protected:
  void BoundsChanged() override;

 private:
  TImage image_;
};

}  // namespace anod
