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
  // Copies a group of values for Assign; true when anything differed.
  template <typename T>
  static bool CopyValues(T& mine, const T& theirs) {
    if (mine == theirs) return false;
    mine = theirs;
    return true;
  }

 private:
  void* owner_;
  bool updating_ = false;
};

class TVividGlyphTextLayout : public TVividObject {
 public:
  using TVividObject::TVividObject;

  TVividAlignment Alignment() const { return v_.alignment; }
  TVividTextArrange AlignText2Glyph() const { return v_.align_text_2_glyph; }
  int OffsetX() const { return v_.offset_x; }
  int OffsetY() const { return v_.offset_y; }
  int Spacing() const { return v_.spacing; }

  void SetAlignment(TVividAlignment v) { Store(v_.alignment, v); }
  void SetAlignText2Glyph(TVividTextArrange v) { Store(v_.align_text_2_glyph, v); }
  void SetOffsetX(int v) { Store(v_.offset_x, v); }
  void SetOffsetY(int v) { Store(v_.offset_y, v); }
  void SetSpacing(int v) { Store(v_.spacing, v); }

  // Copies every value, with one change notification at most.
  virtual void Assign(const TVividGlyphTextLayout& source);

 protected:
  struct Values {
    TVividAlignment alignment = agTopLeft;
    TVividTextArrange align_text_2_glyph = taRight;
    int offset_x = 0;
    int offset_y = 0;
    int spacing = 2;
    friend bool operator==(const Values&, const Values&) = default;
  };
  bool CopyLayoutValues(const TVividGlyphTextLayout& source) { return CopyValues(v_, source.v_); }
  Values v_;
};

class TVividButtonLayout : public TVividGlyphTextLayout {
 public:
  explicit TVividButtonLayout(void* owner = nullptr) : TVividGlyphTextLayout(owner) { v_.alignment = agCenter; }

  bool Arrow() const { return arrow_.arrow; }
  TColor ArrowColor() const { return arrow_.color; }
  int ArrowIndent() const { return arrow_.indent; }
  TVividArrowPosition ArrowPosition() const { return arrow_.position; }
  int ArrowSize() const { return arrow_.size; }

  void SetArrow(bool v) { Store(arrow_.arrow, v); }
  void SetArrowColor(TColor v) { Store(arrow_.color, v); }
  void SetArrowIndent(int v) { Store(arrow_.indent, v); }
  void SetArrowPosition(TVividArrowPosition v) { Store(arrow_.position, v); }
  // 2 .. 10; other values are clamped into the range.
  void SetArrowSize(int v);

  void Assign(const TVividGlyphTextLayout& source) override;

 private:
  struct ArrowValues {
    bool arrow = false;
    TColor color = clBlack;
    int indent = 3;
    TVividArrowPosition position = apRightText;
    int size = 3;
    friend bool operator==(const ArrowValues&, const ArrowValues&) = default;
  };
  ArrowValues arrow_;
};

class TVivid3DCaption : public TVividObject {
 public:
  using TVividObject::TVividObject;

  TVividThreeDStyle Style() const { return v_.style; }
  TVividDisabledStyle DisabledStyle() const { return v_.disabled_style; }
  int LightDepth() const { return v_.light_depth; }
  int ShadowDepth() const { return v_.shadow_depth; }
  TColor LightColor() const { return v_.light_color; }
  TColor ShadowColor() const { return v_.shadow_color; }
  TVividThreeDOrientation Orientation() const { return orientation_; }

  void SetStyle(TVividThreeDStyle v) { Store(v_.style, v); }
  void SetDisabledStyle(TVividDisabledStyle v) { Store(v_.disabled_style, v); }
  void SetLightDepth(std::uint8_t v) { Store(v_.light_depth, static_cast<int>(v)); }
  void SetShadowDepth(std::uint8_t v) { Store(v_.shadow_depth, static_cast<int>(v)); }
  void SetLightColor(TColor v) { Store(v_.light_color, v); }
  void SetShadowColor(TColor v) { Store(v_.shadow_color, v); }
  void SetOrientation(TVividThreeDOrientation v) { Store(orientation_, v); }

  // Copies every value except Orientation, which stays as it is.
  virtual void Assign(const TVivid3DCaption& source);

  // Pixels the effect adds to a caption's width and height:
  // tdNone 0; tdSunken, tdRaised L; the four combined styles L + S;
  // tdShadow, tdOutline, tdExtrude, tdExtrudeEnh S.
  int EffectMargin() const;

 protected:
  // What Assign copies: everything but Orientation.
  struct Values {
    TVividThreeDStyle style = tdNone;
    TVividDisabledStyle disabled_style = dsAuto;
    int light_depth = 1;
    int shadow_depth = 1;
    TColor light_color = clBtnHighlight;
    TColor shadow_color = clBtnShadow;
    friend bool operator==(const Values&, const Values&) = default;
  };
  bool CopyCaptionValues(const TVivid3DCaption& source) { return CopyValues(v_, source.v_); }
  Values v_;

 private:
  TVividThreeDOrientation orientation_ = toTopLeft;
};

class TVividFxCaption : public TVivid3DCaption {
 public:
  using TVivid3DCaption::TVivid3DCaption;

  int Tracing() const { return fx_.tracing; }
  int Angle() const { return fx_.angle; }
  int PosX() const { return fx_.pos_x; }
  int PosY() const { return fx_.pos_y; }

  void SetTracing(int v) { Store(fx_.tracing, v); }
  // 0 .. 360 degrees; 360 is stored as 0, values outside are taken modulo 360.
  void SetAngle(int v);
  void SetPosX(std::uint16_t v) { Store(fx_.pos_x, static_cast<int>(v)); }
  void SetPosY(std::uint16_t v) { Store(fx_.pos_y, static_cast<int>(v)); }
  // The start point the caption measuring computes: stored without a change
  // notification.
  void SetMeasuredPos(int x, int y) {
    fx_.pos_x = x;
    fx_.pos_y = y;
  }

  void Assign(const TVivid3DCaption& source) override;

 private:
  struct FxValues {
    int tracing = 0;
    int angle = 0;
    int pos_x = 0;
    int pos_y = 0;
    friend bool operator==(const FxValues&, const FxValues&) = default;
  };
  FxValues fx_;
};

}  // namespace anod
