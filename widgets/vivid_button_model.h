// The colored button without its toolkit: every property, the run-time state
// and the rules that change it, and the whole paint through a Canvas.
//
// Input arrives as plain events (the pointer entering, leaving or moving, a
// press and a release, a key, the platform's click, a timer tick) and the
// model answers with state changes, repaint requests and clicks. What only a
// toolkit can do (repaint, take the focus, show the menu, tell the window its
// modal result) the model asks of the toolkit's button through the hooks at
// the end of the class; a toolkit's button derives from the model and fills
// them in. The platform's own push-button mechanics (pressed look while the
// mouse is held over it, click on release, Space) stay with that button,
// which reports the click to PlatformClicked().
//
//   button.PointerEntered();    // MouseInside, one OnMouseEnter, a repaint
//   button.PointerMoved(false); // held and dragged off: as a leave
//   button.PlatformClicked();   // the window's ModalResult, then OnClick
//
// Setters compare first and store only a change; then they repaint, or only
// store, as each one says. While loading nothing repaints.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "widgets/vivid_application.h"
#include "widgets/vivid_glyph.h"
#include "widgets/vivid_settings.h"
#include "widgets/vivid_timers.h"
#include "widgets/vivid_types.h"

namespace anod {

class TVividButtonModel : public ThemedButton {
 public:
  TVividButtonModel();
  virtual ~TVividButtonModel();
  TVividButtonModel(const TVividButtonModel&) = delete;
  TVividButtonModel& operator=(const TVividButtonModel&) = delete;

  // ----- Appearance (repaint on change) -----
  TVividUserButtonStyle ButtonStyle() const { return button_style_; }
  // Also switches the glyph's uncoloured mode (ubsFlatUnColored,
  // ubsNavigator, ubsExplorer).
  void SetButtonStyle(TVividUserButtonStyle style);

  // The settings objects are the button's own; changing them repaints.
  TVividButtonLayout& ButtonLayout() { return layout_; }
  const TVividButtonLayout& ButtonLayout() const { return layout_; }
  void SetButtonLayout(const TVividButtonLayout& layout) { layout_.Assign(layout); }
  TVividFxCaption& FontFX() { return font_fx_; }
  const TVividFxCaption& FontFX() const { return font_fx_; }
  void SetFontFX(const TVividFxCaption& fx) { font_fx_.Assign(fx); }

  // Color: default clWindow; setting it makes ParentColor false. With
  // ParentColor the parent's colour is used (clBtnFace without a parent).
  TColor Color() const { return parent_color_ ? ParentColorValue() : color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool on);

  // Font: any change makes ParentFont false. With ParentFont the parent's
  // font is used (the default font without a parent).
  FontSpec Font() const { return parent_font_ ? ParentFontValue() : font_; }
  void SetFont(const FontSpec& font);
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool on);

  // Windows-1252 text; "&x" marks x as the accelerator.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The text painted: Caption when UseCaption, else empty.
  std::string PaintedCaption() const { return use_caption_ ? caption_ : std::string(); }

  TVividGlyph& Glyph() { return glyph_; }
  // Copies the bitmap; outside loading it also drops ImageList.
  void SetGlyph(const GlyphBitmap& bitmap);
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int n) { glyph_.SetNumGlyphs(n); }

  TCustomImageList* ImageList() const { return image_list_; }
  void SetImageList(TCustomImageList* list);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);  // negative: ignored
  int ListIndex() const { return list_index_; }
  void SetListIndex(int index);  // negative: ignored

  bool UseCaption() const { return use_caption_; }
  void SetUseCaption(bool on);
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool on);
  bool CtlXP() const { return ctl_xp_; }
  void SetCtlXP(bool on);

  // ----- Behaviour (only stored) -----
  bool HideHint() const { return hide_hint_; }
  void SetHideHint(bool on) { hide_hint_ = on; }
  bool RepeatedClick() const { return repeated_click_; }
  void SetRepeatedClick(bool on) { repeated_click_ = on; }
  std::uint16_t RepeatingDelay() const { return repeating_delay_; }
  void SetRepeatingDelay(std::uint16_t ms) { repeating_delay_ = ms; }
  std::uint16_t RepeatingInterval() const { return repeating_interval_; }
  void SetRepeatingInterval(std::uint16_t ms) { repeating_interval_ = ms; }
  bool UseGlobalTimer() const { return use_global_timer_; }
  void SetUseGlobalTimer(bool on) { use_global_timer_ = on; }
  int DropDownIndent() const { return drop_down_indent_; }
  void SetDropDownIndent(int pixels) { drop_down_indent_ = pixels; }
  bool DropDownRight() const { return drop_down_right_; }
  void SetDropDownRight(bool on) { drop_down_right_ = on; }

  // The push-button properties.
  bool Default() const { return default_; }
  // A change re-runs the focus rule of the button's window.
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }

  // ----- Events -----
  // A failure raised by OnClick during a click that came from input (mouse,
  // Space, Enter, repeat) goes to TVividApplication::OnFailure when set.
  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseExit;
  std::function<void()> OnDropDown;

  // ----- Run-time state -----
  bool MouseInside() const { return mouse_inside_; }
  ButtonDrawState PaintState() const { return draw_state_; }
  bool IsActive() const { return is_active_; }
  bool DroppingDown() const { return dropping_down_; }
  TVividTimer* RepeatTimer() const { return repeat_timer_.get(); }

  // ----- Input, as plain events -----
  // The pointer came over the button, or went away.
  void PointerEntered() { PointerOver(true); }
  void PointerLeft() { PointerOver(false); }
  // The pointer moved while the left button is held: while the button holds
  // the mouse it alone hears of the pointer leaving and coming back.
  void PointerMoved(bool inside) { PointerOver(inside); }
  // A left press (or the second press of a double click) is about to reach
  // the platform's button. A button that can take the focus takes it first;
  // false when the window kept the focus elsewhere, and the press is dropped.
  bool PressStarting(bool takes_click_focus);
  // The platform's button has been pressed / released with the left button.
  void Pressed();
  void Released();
  // A key went down; true when the model took it (Enter while active clicks).
  enum class Key { Enter, Other };
  bool KeyPressed(Key key, bool auto_repeat);
  // The platform's button clicked (released over it, Space).
  void PlatformClicked();
  // The button is being hidden: MouseInside clears and the repeat stops.
  void Hiding();
  void EnabledChanged() { RequestRepaint(Repaint::Invalidate); }
  void ParentChanged();
  // The desktop's theme changed.
  void ThemeChanged();

  // ----- Operations -----
  // The click: with a drop-down menu (not open), OnClick then DropDown();
  // otherwise the window's modal result := ModalResult, then OnClick.
  virtual void Click();
  // Opens the drop-down menu below the button (or at its right edge) and
  // waits until it closes.
  void DropDown();
  // Runs an action started by an event (a click, a key, a timer tick); a
  // failure it raises goes to TVividApplication::OnFailure instead of
  // unwinding through the toolkit's event delivery (rethrown when none is
  // set).
  static void Guarded(const std::function<void()>& action);
  virtual bool SupportsThemes() const { return true; }
  // Invalidates unless the button is loading.
  void RepaintIfReady();
  void ThemesSwitched() override { RepaintIfReady(); }
  virtual void RepeatTick();
  // The focus rule's answer (FocusRuleAnswer); repaints at once when it
  // changes.
  void SetIsActive(bool active);

  bool IsTransparentStyle() const;
  bool UseThemedDrawing() const;

  // The whole paint on `canvas`: `selected` is the pressed look, `focused`
  // whether the button has the keyboard focus. Stores PaintState.
  virtual void DrawItem(Canvas& canvas, bool selected, bool focused);
  // Glyph and caption inside `face`.
  virtual void DrawCaption(Canvas& canvas, const Rect& face, unsigned text_flags);

  // Loading from the window description: setters store without repainting;
  // EndLoading runs Loaded (rebuilds the glyph from an image list).
  void BeginLoading() { loading_ = true; }
  void EndLoading();
  bool Loading() const { return loading_; }

 protected:
  // ----- What the toolkit's button does for the model -----
  virtual Size ClientSize() const = 0;
  virtual bool IsEnabled() const = 0;
  virtual bool HasFocus() const = 0;
  // Takes the keyboard focus (the window may refuse).
  virtual void TakeFocus() = 0;
  virtual bool WindowIsActive() const = 0;
  virtual bool RightToLeft() const = 0;
  // Paint later / now.
  virtual void Invalidate() = 0;
  virtual void RepaintNow() = 0;
  // The parent's colour and font; clBtnFace and the default font without one.
  virtual TColor ParentColorValue() const = 0;
  virtual FontSpec ParentFontValue() const = 0;
  // Whether `font` maps to an outline face (rotated captions need one).
  virtual bool IsOutlineFace(const FontSpec& font) const = 0;
  // The caption changed (the platform's text carries the accelerator).
  virtual void CaptionChanged() = 0;
  virtual void HideHintNow() = 0;
  // Default changed: the window's focus rule runs again.
  virtual void DefaultChanged() = 0;
  // The window's modal result (a dialog closes on a non-zero one).
  virtual void SetWindowModalResult(int result) = 0;
  virtual bool HasDropDownMenu() const = 0;
  // Shows the menu with its corner at `corner` (button coordinates) and
  // returns when it closed; false when the button went away meanwhile.
  virtual bool ShowDropDownMenu(Point corner) = 0;
  // The platform button's pressed look, and its hold on the mouse.
  virtual void SetPressedLook(bool down) = 0;
  virtual void ReleasePointer() = 0;

 private:
  enum class Repaint { Invalidate, Now };
  void RequestRepaint(Repaint how);
  void RepaintForPointer();
  void PointerOver(bool inside);
  void MouseEntered();
  void MouseLeft();
  void ContentChanged(const void* sender);
  void StartRepeatTimer();
  void StopRepeatTimer();
  void RebuildGlyphFromList();

  TVividUserButtonStyle button_style_ = ubsWin40;
  TVividButtonLayout layout_;
  TVividFxCaption font_fx_;
  TVividGlyph glyph_;
  TChangeLink image_change_link_;
  TColor color_ = clWindow;
  bool parent_color_ = true;
  FontSpec font_;
  bool parent_font_ = true;
  std::string caption_;
  TCustomImageList* image_list_ = nullptr;
  int image_index_ = 0;
  int list_index_ = 0;
  bool use_caption_ = true;
  bool multi_line_ = false;
  bool hide_hint_ = true;
  bool repeated_click_ = false;
  std::uint16_t repeating_delay_ = 500;
  std::uint16_t repeating_interval_ = 100;
  bool use_global_timer_ = false;
  bool ctl_xp_ = true;
  int drop_down_indent_ = 0;
  bool drop_down_right_ = false;
  bool default_ = false;
  bool cancel_ = false;
  int modal_result_ = 0;

  bool mouse_inside_ = false;
  bool pointer_over_ = false;  // the last enter/leave notification was an enter
  ButtonDrawState draw_state_ = ButtonDrawState::Normal;
  bool is_active_ = false;
  bool dropping_down_ = false;
  bool taking_focus_ = false;
  bool loading_ = false;
  std::unique_ptr<TVividTimer> repeat_timer_;
};

}  // namespace anod
