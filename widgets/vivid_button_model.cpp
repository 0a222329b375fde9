#include "widgets/vivid_button_model.h"

#include <cstdlib>

#include "core/failures.h"
#include "platform/draw_text.h"
#include "widgets/vivid_paint.h"

namespace anod {

TVividButtonModel::TVividButtonModel() : layout_(this), font_fx_(this), glyph_(this) {
  auto content = [this](TVividObject& sender) { ContentChanged(&sender); };
  glyph_.OnChange = content;
  layout_.OnChange = content;
  font_fx_.OnChange = content;
  image_change_link_.OnChange = [this] { RebuildGlyphFromList(); };
  image_change_link_.OnDestroy = [this] { image_list_ = nullptr; };
  TVividApplication::Instance().AddButton(this);
}

TVividButtonModel::~TVividButtonModel() {
  StopRepeatTimer();
  glyph_.OnChange = nullptr;
  layout_.OnChange = nullptr;
  font_fx_.OnChange = nullptr;
  image_change_link_.OnChange = nullptr;
  image_change_link_.OnDestroy = nullptr;
  if (image_list_ != nullptr) image_list_->UnRegisterChanges(image_change_link_);
  TVividApplication::Instance().RemoveButton(this);
}

// ----- Setters -----

void TVividButtonModel::RequestRepaint(Repaint how) {
  if (loading_) return;
  if (how == Repaint::Now) {
    RepaintNow();
  } else {
    Invalidate();
  }
}

void TVividButtonModel::RepaintIfReady() { RequestRepaint(Repaint::Invalidate); }

void TVividButtonModel::SetButtonStyle(TVividUserButtonStyle style) {
  if (style == button_style_) return;
  button_style_ = style;
  glyph_.SetUncoloured(IsUncolouredGlyphStyle(style));
  RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::SetColor(TColor color) {
  if (!parent_color_ && color == color_) return;
  color_ = color;
  parent_color_ = false;
  RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::SetParentColor(bool on) {
  if (on == parent_color_) return;
  if (!on) color_ = ParentColorValue();  // keeps the colour it shows
  parent_color_ = on;
  RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::SetFont(const FontSpec& font) {
  if (font == Font()) return;
  font_ = font;
  ContentChanged(&font_);
}

void TVividButtonModel::SetParentFont(bool on) {
  if (on == parent_font_) return;
  if (!on) font_ = ParentFontValue();
  parent_font_ = on;
  RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  CaptionChanged();
  RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::SetGlyph(const GlyphBitmap& bitmap) {
  glyph_.Assign(bitmap);
  if (!loading_ && image_list_ != nullptr) {
    image_list_->UnRegisterChanges(image_change_link_);
    image_list_ = nullptr;
  }
}

void TVividButtonModel::SetImageList(TCustomImageList* list) {
  if (list == image_list_) return;
  if (image_list_ != nullptr) image_list_->UnRegisterChanges(image_change_link_);
  image_list_ = list;
  if (image_list_ != nullptr) image_list_->RegisterChanges(image_change_link_);
  RebuildGlyphFromList();
}

void TVividButtonModel::SetImageIndex(int index) {
  if (index < 0 || index == image_index_) return;
  image_index_ = index;
  RebuildGlyphFromList();
}

void TVividButtonModel::SetListIndex(int index) {
  if (index < 0 || index == list_index_) return;
  list_index_ = index;
  RebuildGlyphFromList();
}

void TVividButtonModel::RebuildGlyphFromList() {
  if (image_list_ == nullptr || loading_) return;
  if (std::optional<GlyphBitmap> image = image_list_->Image(image_index_, list_index_)) {
    glyph_.Assign(*image);
  } else {
    glyph_.Clear();
  }
}

void TVividButtonModel::SetUseCaption(bool on) {
  if (on == use_caption_) return;
  use_caption_ = on;
  ContentChanged(this);
}

void TVividButtonModel::SetMultiLine(bool on) {
  if (on == multi_line_) return;
  multi_line_ = on;
  ContentChanged(this);
}

void TVividButtonModel::SetCtlXP(bool on) {
  if (on == ctl_xp_) return;
  ctl_xp_ = on;
  RepaintIfReady();
}

void TVividButtonModel::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  DefaultChanged();
}

void TVividButtonModel::ContentChanged(const void* sender) {
  if (loading_) return;
  if (sender == &font_ || sender == &font_fx_) {
    parent_font_ = false;
    if (font_fx_.Angle() != 0 && !IsOutlineFace(font_)) {
      if (sender == &font_) {
        font_fx_.BeginUpdate();
        font_fx_.SetAngle(0);
        font_fx_.EndUpdate(false);
      } else {
        FontSpec arial = font_;
        arial.name = "Arial";
        SetFont(arial);  // a new font change, which repaints
        return;
      }
    }
  }
  RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::EndLoading() {
  if (!loading_) return;
  loading_ = false;
  if (image_list_ != nullptr) RebuildGlyphFromList();
  Invalidate();
}

// ----- State -----

bool TVividButtonModel::UseThemedDrawing() const {
  return SupportsThemes() && ctl_xp_ && TVividApplication::Instance().ThemesUsable();
}

bool TVividButtonModel::IsTransparentStyle() const {
  return IsTransparentButtonStyle(button_style_) || UseThemedDrawing();
}

void TVividButtonModel::SetIsActive(bool active) {
  if (active == is_active_) return;
  is_active_ = active;
  RequestRepaint(Repaint::Now);
}

void TVividButtonModel::RepaintForPointer() {
  RequestRepaint(IsTransparentStyle() ? Repaint::Invalidate : Repaint::Now);
}

void TVividButtonModel::PointerOver(bool inside) {
  if (inside == pointer_over_) return;
  pointer_over_ = inside;
  if (inside) {
    MouseEntered();
  } else {
    MouseLeft();
  }
}

void TVividButtonModel::MouseEntered() {
  if (draw_state_ == ButtonDrawState::Normal && OnMouseEnter) OnMouseEnter();
  if (mouse_inside_) return;
  mouse_inside_ = true;
  RepaintForPointer();
}

void TVividButtonModel::MouseLeft() {
  if (OnMouseExit) OnMouseExit();
  if (mouse_inside_) {
    mouse_inside_ = false;
    draw_state_ = ButtonDrawState::Normal;
    RepaintForPointer();
  }
  if (hide_hint_) HideHintNow();
}

void TVividButtonModel::Hiding() {
  mouse_inside_ = false;
  pointer_over_ = false;
  StopRepeatTimer();
}

void TVividButtonModel::ParentChanged() {
  if (parent_color_ || parent_font_) RequestRepaint(Repaint::Invalidate);
}

void TVividButtonModel::ThemeChanged() {
  TVividApplication::Instance().ThemeManager().CloseAll();
  RepaintIfReady();
}

// ----- Input -----

bool TVividButtonModel::PressStarting(bool takes_click_focus) {
  if (HasFocus() || !takes_click_focus) return true;
  // Taking the focus may click a button through the platform; that is not
  // this press's click.
  taking_focus_ = true;
  TakeFocus();
  taking_focus_ = false;
  // A window that keeps the focus elsewhere drops the press.
  return HasFocus() || !WindowIsActive();
}

void TVividButtonModel::Pressed() {
  // The press has happened; a timer the platform refuses is reported on its
  // own.
  if (repeated_click_ && repeat_timer_ == nullptr) Guarded([this] { StartRepeatTimer(); });
}

void TVividButtonModel::Released() {
  if (repeated_click_) StopRepeatTimer();
}

bool TVividButtonModel::KeyPressed(Key key, bool auto_repeat) {
  if (key != Key::Enter || !is_active_ || auto_repeat) return false;
  Guarded([this] { Click(); });
  return true;
}

void TVividButtonModel::PlatformClicked() {
  if (taking_focus_) return;
  Guarded([this] { Click(); });
}

// ----- Clicks -----

void TVividButtonModel::Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& failure) {
    TVividApplication& app = TVividApplication::Instance();
    if (!app.OnFailure) throw;
    app.OnFailure(failure);
  }
}

void TVividButtonModel::Click() {
  if (HasDropDownMenu() && !dropping_down_) {
    if (OnClick) OnClick();
    DropDown();
    return;
  }
  SetWindowModalResult(modal_result_);
  if (OnClick) OnClick();
}

void TVividButtonModel::DropDown() {
  if (!HasDropDownMenu() || dropping_down_) return;
  if (!is_active_) TakeFocus();
  SetPressedLook(true);
  RequestRepaint(Repaint::Now);
  dropping_down_ = true;
  if (OnDropDown) OnDropDown();
  const Size size = ClientSize();
  const Point corner = drop_down_right_ ? Point{size.cx, drop_down_indent_} : Point{drop_down_indent_, size.cy};
  if (HasDropDownMenu() && !ShowDropDownMenu(corner)) return;
  // The click that closed the menu must not press the button again.
  ReleasePointer();
  dropping_down_ = false;
  draw_state_ = ButtonDrawState::Normal;
  SetPressedLook(false);
}

void TVividButtonModel::StartRepeatTimer() {
  TVividApplication& app = TVividApplication::Instance();
  repeat_timer_ = use_global_timer_ ? app.TimerPool().Add(repeating_delay_)
                                    : MakeOwnTimer(app.Timers(), repeating_delay_);
  repeat_timer_->OnTimer = [this] {
    if (mouse_inside_) Guarded([this] { RepeatTick(); });
  };
}

void TVividButtonModel::StopRepeatTimer() {
  if (repeat_timer_ == nullptr) return;
  repeat_timer_->OnTimer = nullptr;
  repeat_timer_.reset();
}

void TVividButtonModel::RepeatTick() {
  if (repeat_timer_ != nullptr) repeat_timer_->SetInterval(repeating_interval_);
  Click();
}

// ----- Painting -----

void TVividButtonModel::DrawItem(Canvas& canvas, bool selected, bool focused) {
  CanvasStateSaver saver(canvas);
  const Size size = ClientSize();
  Rect r{0, 0, size.cx, size.cy};
  const bool enabled = IsEnabled();
  draw_state_ = ComputeDrawState(enabled, selected, mouse_inside_);
  FrameFlags flags;
  flags.active = is_active_ && enabled;
  flags.focused = focused;
  flags.hover = mouse_inside_;
  flags.themed = UseThemedDrawing();
  const TColor color = Color();

  // No component here offers a background bitmap: the face colour fills.
  if (IsTransparentStyle()) canvas.FillRect(r, color);

  bool themed = false;
  if (flags.themed) {
    TVividApplication& app = TVividApplication::Instance();
    const ThemeHandle handle = app.ThemeManager().Handle(ThemeClassOfStyle(button_style_), app.UsableThemes());
    if (handle != 0 && app.Themes() != nullptr) {
      themed = DrawThemedFrame(canvas, *app.Themes(), handle, mouse_inside_, r, color, flags, draw_state_,
                               button_style_);
    }
  }
  if (!themed) DrawClassicFrame(canvas, mouse_inside_, r, color, flags, draw_state_, button_style_);

  const FontSpec font = Font();
  if (button_style_ == ubsCombo) {
    DrawDropDownArrow(canvas, r, layout_.ArrowSize() + 1, enabled ? font.color : clGrayText);
    return;
  }
  canvas.SetFont(font);
  DrawCaption(canvas, r, RightToLeft() ? TextFormat::RtlReading : 0u);
}

void TVividButtonModel::DrawCaption(Canvas& canvas, const Rect& face, unsigned text_flags) {
  const std::string text = PaintedCaption();
  const GlyphBitmap* image = glyph_.ImageFor(draw_state_);
  const Size glyph_size = image != nullptr ? Size{image->width, image->height} : Size{};
  const int spacing = text.empty() == (image == nullptr) ? layout_.Spacing() : 0;
  Size text_size;
  if (!text.empty()) {
    const int available = std::abs(std::abs(face.Width()) - spacing - glyph_size.cx);
    text_size = MeasureEffectText(canvas, text, available, font_fx_, {text_flags, true, multi_line_});
  }
  const CaptionPlacement place =
      PlaceCaption(face, text_size, glyph_size, spacing, layout_, multi_line_, text_flags);
  DrawEffectText(canvas, text, place.text, place.draw_flags, font_fx_, IsEnabled(), Font().color, Color());
  if (image != nullptr) {
    const Rgb key = image->TransparentColor();
    canvas.DrawBitmap(image->View(), {place.glyph.left, place.glyph.top}, &key);
  }
  if (layout_.Arrow()) {
    const int size = layout_.ArrowSize();
    const int indent = layout_.ArrowIndent();
    const Rect& next = (layout_.ArrowPosition() == apRightText || layout_.ArrowPosition() == apLeftText) ? place.text
                                                                                                      : place.glyph;
    const bool right = layout_.ArrowPosition() == apRightText || layout_.ArrowPosition() == apRightGlyph;
    const int x = right ? next.right + indent : next.left - indent - 2 * size;
    DrawDropDownArrow(canvas, {x, next.top, x + 2 * size, next.bottom}, size, layout_.ArrowColor());
  }
}

}  // namespace anod
