// The settings objects a colored button owns: the glyph-and-caption layout
// and the caption effects.
//
// Every setter compares first, stores only a different value, then calls
// Changed(), which calls OnChange unless an update is in progress:
//
//   TVividButtonLayout layout;            // Alignment agCenter, Spacing 2
//   layout.OnChange = [&](TVividObject&) { ++changes; };
//   layout.SetSpacing(2);                 // same value: no call
//   layout.SetSpacing(1);                 // one call
//   layout.BeginUpdate();
//   layout.SetOffsetX(4);                 // stored, no call
//   layout.EndUpdate(true);               // one call
//
// Assign copies values into an existing object (the button never swaps its
// objects); TVividFxCaption::Assign keeps its own Orientation.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/colors.h"
#include "widgets/vivid_types.h"

namespace anod {

class TVividObject {
 public:
  explicit TVividObject(void* owner = nullptr) : owner_(owner) {}
  virtual ~TVividObject() = default;
  TVividObject(const TVividObject&) = delete;
  TVividObject& operator=(const TVividObject&) = delete;

  void* Owner() const { return owner_; }
  bool Updating() const { return updating_; }

  // Calls OnChange unless an update is in progress.
  void Changed();
  void BeginUpdate() { updating_ = true; }
  // Ends the update; with `notify`, calls Changed() once.
  void EndUpdate(bool notify);

  std::function<void(TVividObject&)> OnChange;

 protected:
  // The compare-then-store rule of every setter.
  template <typename T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }

 private:
  void* owner_;
  bool updating_ = false;
};

class TVividGlyphTextLayout : public TVividObject {
 public:
  using TVividObject::TVividObject;

  TVividAlignment Alignment() const { return alignment_; }
  TVividTextArrange AlignText2Glyph() const { return align_text_2_glyph_; }
  int OffsetX() const { return offset_x_; }
  int OffsetY() const { return offset_y_; }
  int Spacing() const { return spacing_; }

  void SetAlignment(TVividAlignment v) { Store(alignment_, v); }
  void SetAlignText2Glyph(TVividTextArrange v) { Store(align_text_2_glyph_, v); }
  void SetOffsetX(int v) { Store(offset_x_, v); }
  void SetOffsetY(int v) { Store(offset_y_, v); }
  void SetSpacing(int v) { Store(spacing_, v); }

  // Copies every value, with one change notification at most.
  virtual void Assign(const TVividGlyphTextLayout& source);

 protected:
  TVividAlignment alignment_ = agTopLeft;

 private:
  TVividTextArrange align_text_2_glyph_ = taRight;
  int offset_x_ = 0;
  int offset_y_ = 0;
  int spacing_ = 2;
};

class TVividButtonLayout : public TVividGlyphTextLayout {
 public:
  explicit TVividButtonLayout(void* owner = nullptr) : TVividGlyphTextLayout(owner) { alignment_ = agCenter; }

  bool Arrow() const { return arrow_; }
  TColor ArrowColor() const { return arrow_color_; }
  int ArrowIndent() const { return arrow_indent_; }
  TVividArrowPosition ArrowPosition() const { return arrow_position_; }
  int ArrowSize() const { return arrow_size_; }

  void SetArrow(bool v) { Store(arrow_, v); }
  void SetArrowColor(TColor v) { Store(arrow_color_, v); }
  void SetArrowIndent(int v) { Store(arrow_indent_, v); }
  void SetArrowPosition(TVividArrowPosition v) { Store(arrow_position_, v); }
  // 2 .. 10; other values are clamped into the range.
  void SetArrowSize(int v);

  void Assign(const TVividGlyphTextLayout& source) override;

 private:
  bool arrow_ = false;
  TColor arrow_color_ = clBlack;
  int arrow_indent_ = 3;
  TVividArrowPosition arrow_position_ = apRightText;
  int arrow_size_ = 3;
};

class TVivid3DCaption : public TVividObject {
 public:
  using TVividObject::TVividObject;

  TVividThreeDStyle Style() const { return style_; }
  TVividDisabledStyle DisabledStyle() const { return disabled_style_; }
  int LightDepth() const { return light_depth_; }
  int ShadowDepth() const { return shadow_depth_; }
  TColor LightColor() const { return light_color_; }
  TColor ShadowColor() const { return shadow_color_; }
  TVividThreeDOrientation Orientation() const { return orientation_; }

  void SetStyle(TVividThreeDStyle v) { Store(style_, v); }
  void SetDisabledStyle(TVividDisabledStyle v) { Store(disabled_style_, v); }
  void SetLightDepth(std::uint8_t v) { Store(light_depth_, static_cast<int>(v)); }
  void SetShadowDepth(std::uint8_t v) { Store(shadow_depth_, static_cast<int>(v)); }
  void SetLightColor(TColor v) { Store(light_color_, v); }
  void SetShadowColor(TColor v) { Store(shadow_color_, v); }
  void SetOrientation(TVividThreeDOrientation v) { Store(orientation_, v); }

  // Copies every value except Orientation, which stays as it is.
  virtual void Assign(const TVivid3DCaption& source);

  // Pixels the effect adds to a caption's width and height:
  // tdNone 0; tdSunken, tdRaised L; the four combined styles L + S;
  // tdShadow, tdOutline, tdExtrude, tdExtrudeEnh S.
  int EffectMargin() const;

 private:
  TVividThreeDStyle style_ = tdNone;
  TVividDisabledStyle disabled_style_ = dsAuto;
  int light_depth_ = 1;
  int shadow_depth_ = 1;
  TColor light_color_ = clBtnHighlight;
  TColor shadow_color_ = clBtnShadow;
  TVividThreeDOrientation orientation_ = toTopLeft;
};

class TVividFxCaption : public TVivid3DCaption {
 public:
  using TVivid3DCaption::TVivid3DCaption;

  int Tracing() const { return tracing_; }
  int Angle() const { return angle_; }
  int PosX() const { return pos_x_; }
  int PosY() const { return pos_y_; }

  void SetTracing(int v) { Store(tracing_, v); }
  // 0 .. 360 degrees; 360 is stored as 0, values outside are taken modulo 360.
  void SetAngle(int v);
  void SetPosX(std::uint16_t v) { Store(pos_x_, static_cast<int>(v)); }
  void SetPosY(std::uint16_t v) { Store(pos_y_, static_cast<int>(v)); }
  // The start point the caption measuring computes: stored without a change
  // notification.
  void SetMeasuredPos(int x, int y) {
    pos_x_ = x;
    pos_y_ = y;
  }

  void Assign(const TVivid3DCaption& source) override;

 private:
  int tracing_ = 0;
  int angle_ = 0;
  int pos_x_ = 0;
  int pos_y_ = 0;
};

}  // namespace anod
