// Drawn controls: controls without a window of their own, painted by their
// parent (the window's surface or a panel) in creation order, each clipped to
// its own rectangle. They never take the focus.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "ui/control_looks.h"
#include "ui/description_stream.h"

namespace anod {

class DrawnControl {
 public:
  DrawnControl(std::string name, std::string class_name)
      : name_(std::move(name)), class_name_(std::move(class_name)) {}
  virtual ~DrawnControl() = default;
  DrawnControl(const DrawnControl&) = delete;
  DrawnControl& operator=(const DrawnControl&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& ClassName() const { return class_name_; }

  // Relative to the parent's client area.
  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);

  // Paints in the control's own coordinates; the parent has translated and
  // clipped the canvas to the control's rectangle.
  virtual void Paint(Canvas& canvas) = 0;

  // A property of the description other than Left, Top, Width and Height;
  // false when the kind has no such property. Raises EReadError on a bad value.
  virtual bool ApplyProperty(std::string_view path, const Value& value) = 0;

  // Called with the bounds whenever the control needs repainting.
  void SetInvalidate(std::function<void(const Rect&)> invalidate) { invalidate_ = std::move(invalidate); }
  void Invalidate() const {
    if (invalidate_) invalidate_(bounds_);
  }

  // Fonts of their own scale with the window (a ratio of measured / 13).
  virtual void ScaleFont(int /*num*/, int /*den*/) {}

 protected:
  virtual void BoundsChanged() {}

 private:
  std::string name_;
  std::string class_name_;
  Rect bounds_;
  std::function<void(const Rect&)> invalidate_;
};

class TLabel final : public DrawnControl {
 public:
  explicit TLabel(std::string name) : DrawnControl(std::move(name), "TLabel") {}
  void Paint(Canvas& canvas) override;
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;

  const std::string& Caption() const { return look_.caption; }
  // Repaints the label's rectangle (and whatever lies over it) when changed.
  void SetCaption(std::string caption);
  const LabelLook& Look() const { return look_; }

 private:
  LabelLook look_;
};

class TBevel final : public DrawnControl {
 public:
  explicit TBevel(std::string name) : DrawnControl(std::move(name), "TBevel") {}
  void Paint(Canvas& canvas) override;
  bool ApplyProperty(std::string_view path, const Value& value) override;

 private:
  bool raised_ = false;  // bsLowered by default
};

class TShape final : public DrawnControl {
 public:
  explicit TShape(std::string name) : DrawnControl(std::move(name), "TShape") {}
  void Paint(Canvas& canvas) override;
  bool ApplyProperty(std::string_view path, const Value& value) override;

 private:
  TColor pen_ = clBlack;
  int pen_width_ = 1;
  TColor brush_ = clWhite;
  bool brush_clear_ = false;
};

// Scales a font's size in points by num / den, rounding halves away from
// zero, at 96 pixels per inch: -16 (12 pt) by 16/13 -> 15 pt -> -20.
void ScaleFontSpec(FontSpec& font, int num, int den);

}  // namespace anod
