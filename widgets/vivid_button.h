// TVividButton: a push button that paints itself in one of fourteen styles,
// with a caption in any colour and font, an optional glyph, caption effects
// and an optional drop-down menu.
//
// It stays a platform push button: it takes the focus, is pressed by the
// mouse or Space, holds the mouse while pressed and clicks on release over
// it; Enter clicks it while it is the active button. Every paint goes through
// DrawItem on a Canvas.
//
//   auto* b = new TVividButton(form);
//   b->SetButtonStyle(ubsExplorerColored);
//   b->SetColor(clBlack);                       // ParentColor becomes false
//   b->SetFont({"MS Sans Serif", -19, true, false, false, false, clLime});
//   b->ButtonLayout().SetSpacing(1);
//   b->SetCaption("Calculer la surface");
//   b->setGeometry(16, 200, 226, 24);
//   b->OnClick = [] { ... };
//
// Setters compare first and store only a change; then they repaint, or only
// store, as each one says.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "widgets/vivid_glyph.h"
#include "widgets/vivid_settings.h"
#include "widgets/vivid_timers.h"
#include "widgets/vivid_types.h"

namespace anod {

class TVividCustomButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TVividCustomButton(QWidget* parent = nullptr);
  ~TVividCustomButton() override;

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
  // ParentColor the parent's colour is used (its "anodColor" property, a
  // TColor, or clBtnFace).
  TColor Color() const { return parent_color_ ? ParentColorValue() : color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool on);

  // Font: any change makes ParentFont false. With ParentFont the parent's
  // font is used (its "anodFont" property, a FontSpec, or the default font).
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

  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool on) { setEnabled(on); }
  // Hiding clears MouseInside and stops the repeat timer first.
  void setVisible(bool visible) override;

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

  QMenu* DropDownMenu() const { return drop_down_menu_; }
  void SetDropDownMenu(QMenu* menu) { drop_down_menu_ = menu; }  // cleared when the menu is destroyed
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
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }

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

  // ----- Operations -----
  // The click: with a drop-down menu (not open), OnClick then DropDown();
  // otherwise the window's modal result := ModalResult, then OnClick.
  virtual void Click();
  // Opens DropDownMenu below the button (or at its right edge) and waits
  // until it closes.
  void DropDown();
  // Runs an action started by an event (a click, a key, a timer tick); a
  // failure it raises goes to TVividApplication::OnFailure instead of
  // unwinding through Qt's event delivery (rethrown when none is set).
  static void Guarded(const std::function<void()>& action);
  virtual bool SupportsThemes() const { return true; }
  // Invalidates unless the button is loading.
  void RepaintIfReady();
  virtual void RepeatTick();
  // The focus rule's answer (TVividApplication::ApplyFocusRule); repaints
  // at once when it changes.
  void SetIsActive(bool active);

  bool IsTransparentStyle() const;
  bool UseThemedDrawing() const;

  // The whole paint on `canvas`: `selected` is the pressed look, `focused`
  // whether the button has the keyboard focus. Stores DrawState.
  virtual void DrawItem(Canvas& canvas, bool selected, bool focused);
  // Glyph and caption inside `face`.
  virtual void DrawCaption(Canvas& canvas, const Rect& face, unsigned text_flags);

  // Loading from the window description: setters store without repainting;
  // EndLoading runs Loaded (rebuilds the glyph from an image list).
  void BeginLoading() { loading_ = true; }
  void EndLoading();
  bool Loading() const { return loading_; }

  QSize sizeHint() const override { return {75, 25}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

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
  void OnPlatformClicked();
  TColor ParentColorValue() const;
  FontSpec ParentFontValue() const;

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
  QPointer<QMenu> drop_down_menu_;
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

// The published form: no behaviour of its own.
class TVividButton : public TVividCustomButton {
  Q_OBJECT
 public:
  explicit TVividButton(QWidget* parent = nullptr) : TVividCustomButton(parent) {}
};

}  // namespace anod

Q_DECLARE_METATYPE(anod::FontSpec)
