#include "widgets/vivid_button.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cstdlib>

#include "core/failures.h"
#include "platform/draw_text.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_canvas.h"
#include "widgets/vivid_application.h"
#include "widgets/vivid_paint.h"

namespace anod {
namespace {

// Rotated captions need an outline font; a face that is not installed as one
// counts as a bitmap face.
bool IsTrueTypeFace(const FontSpec& font) {
  const MappedFace face = MapFace(font.name);
  return QFontDatabase::isSmoothlyScalable(QString::fromStdString(face.family));
}

}  // namespace

TVividCustomButton::TVividCustomButton(QWidget* parent)
    : QPushButton(parent), layout_(this), font_fx_(this), glyph_(this) {
  setAutoDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  resize(75, 25);
  auto content = [this](TVividObject& sender) { ContentChanged(&sender); };
  glyph_.OnChange = content;
  layout_.OnChange = content;
  font_fx_.OnChange = content;
  image_change_link_.OnChange = [this] { RebuildGlyphFromList(); };
  image_change_link_.OnDestroy = [this] { image_list_ = nullptr; };
  connect(this, &QAbstractButton::clicked, this, &TVividCustomButton::OnPlatformClicked);
  TVividApplication::Instance().AddButton(this);
}

TVividCustomButton::~TVividCustomButton() {
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

void TVividCustomButton::RequestRepaint(Repaint how) {
  if (loading_) return;
  if (how == Repaint::Now) {
    repaint();
  } else {
    update();
  }
}

void TVividCustomButton::RepaintIfReady() { RequestRepaint(Repaint::Invalidate); }

void TVividCustomButton::SetButtonStyle(TVividUserButtonStyle style) {
  if (style == button_style_) return;
  button_style_ = style;
  glyph_.SetUncoloured(IsUncolouredGlyphStyle(style));
  RequestRepaint(Repaint::Invalidate);
}

TColor TVividCustomButton::ParentColorValue() const {
  if (const QWidget* p = parentWidget()) {
    const QVariant v = p->property("anodColor");
    if (v.isValid()) return static_cast<TColor>(v.toInt());
  }
  return clBtnFace;
}

FontSpec TVividCustomButton::ParentFontValue() const {
  if (const QWidget* p = parentWidget()) {
    const QVariant v = p->property("anodFont");
    if (v.canConvert<FontSpec>()) return v.value<FontSpec>();
  }
  return FontSpec{};
}

void TVividCustomButton::SetColor(TColor color) {
  if (!parent_color_ && color == color_) return;
  color_ = color;
  parent_color_ = false;
  RequestRepaint(Repaint::Invalidate);
}

void TVividCustomButton::SetParentColor(bool on) {
  if (on == parent_color_) return;
  if (!on) color_ = ParentColorValue();  // keeps the colour it shows
  parent_color_ = on;
  RequestRepaint(Repaint::Invalidate);
}

void TVividCustomButton::SetFont(const FontSpec& font) {
  if (font == Font()) return;
  font_ = font;
  ContentChanged(&font_);
}

void TVividCustomButton::SetParentFont(bool on) {
  if (on == parent_font_) return;
  if (!on) font_ = ParentFontValue();
  parent_font_ = on;
  RequestRepaint(Repaint::Invalidate);
}

void TVividCustomButton::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  // The platform text carries the accelerator ("&x") for Alt+x.
  setText(FromCp1252(caption_));
  RequestRepaint(Repaint::Invalidate);
}

void TVividCustomButton::SetGlyph(const GlyphBitmap& bitmap) {
  glyph_.Assign(bitmap);
  if (!loading_ && image_list_ != nullptr) {
    image_list_->UnRegisterChanges(image_change_link_);
    image_list_ = nullptr;
  }
}

void TVividCustomButton::SetImageList(TCustomImageList* list) {
  if (list == image_list_) return;
  if (image_list_ != nullptr) image_list_->UnRegisterChanges(image_change_link_);
  image_list_ = list;
  if (image_list_ != nullptr) image_list_->RegisterChanges(image_change_link_);
  RebuildGlyphFromList();
}

void TVividCustomButton::SetImageIndex(int index) {
  if (index < 0 || index == image_index_) return;
  image_index_ = index;
  RebuildGlyphFromList();
}

void TVividCustomButton::SetListIndex(int index) {
  if (index < 0 || index == list_index_) return;
  list_index_ = index;
  RebuildGlyphFromList();
}

void TVividCustomButton::RebuildGlyphFromList() {
  if (image_list_ == nullptr || loading_) return;
  if (std::optional<GlyphBitmap> image = image_list_->Image(image_index_, list_index_)) {
    glyph_.Assign(*image);
  } else {
    glyph_.Clear();
  }
}

void TVividCustomButton::SetUseCaption(bool on) {
  if (on == use_caption_) return;
  use_caption_ = on;
  ContentChanged(this);
}

void TVividCustomButton::SetMultiLine(bool on) {
  if (on == multi_line_) return;
  multi_line_ = on;
  ContentChanged(this);
}

void TVividCustomButton::SetCtlXP(bool on) {
  if (on == ctl_xp_) return;
  ctl_xp_ = on;
  RepaintIfReady();
}

void TVividCustomButton::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->window() == window()) TVividApplication::ApplyFocusRule(window(), focus);
}

void TVividCustomButton::setVisible(bool visible) {
  if (!visible) {
    mouse_inside_ = false;
    pointer_over_ = false;
    StopRepeatTimer();
  }
  QPushButton::setVisible(visible);
}

void TVividCustomButton::ContentChanged(const void* sender) {
  if (loading_) return;
  if (sender == &font_ || sender == &font_fx_) {
    parent_font_ = false;
    if (font_fx_.Angle() != 0 && !IsTrueTypeFace(font_)) {
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

void TVividCustomButton::EndLoading() {
  if (!loading_) return;
  loading_ = false;
  if (image_list_ != nullptr) RebuildGlyphFromList();
  update();
}

// ----- State -----

bool TVividCustomButton::UseThemedDrawing() const {
  return SupportsThemes() && ctl_xp_ && TVividApplication::Instance().ThemesUsable();
}

bool TVividCustomButton::IsTransparentStyle() const {
  return IsTransparentButtonStyle(button_style_) || UseThemedDrawing();
}

void TVividCustomButton::SetIsActive(bool active) {
  if (active == is_active_) return;
  is_active_ = active;
  RequestRepaint(Repaint::Now);
}

void TVividCustomButton::RepaintForPointer() {
  RequestRepaint(IsTransparentStyle() ? Repaint::Invalidate : Repaint::Now);
}

void TVividCustomButton::PointerOver(bool inside) {
  if (inside == pointer_over_) return;
  pointer_over_ = inside;
  if (inside) {
    MouseEntered();
  } else {
    MouseLeft();
  }
}

void TVividCustomButton::MouseEntered() {
  if (draw_state_ == ButtonDrawState::Normal && OnMouseEnter) OnMouseEnter();
  if (mouse_inside_) return;
  mouse_inside_ = true;
  RepaintForPointer();
}

void TVividCustomButton::MouseLeft() {
  if (OnMouseExit) OnMouseExit();
  if (mouse_inside_) {
    mouse_inside_ = false;
    draw_state_ = ButtonDrawState::Normal;
    RepaintForPointer();
  }
  if (hide_hint_) QToolTip::hideText();
}

// ----- Clicks -----

void TVividCustomButton::OnPlatformClicked() {
  if (taking_focus_) return;
  Guarded([this] { Click(); });
}

void TVividCustomButton::Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& failure) {
    TVividApplication& app = TVividApplication::Instance();
    if (!app.OnFailure) throw;
    app.OnFailure(failure);
  }
}

void TVividCustomButton::Click() {
  if (drop_down_menu_ != nullptr && !dropping_down_) {
    if (OnClick) OnClick();
    DropDown();
    return;
  }
  QWidget* form = window();
  form->setProperty("ModalResult", modal_result_);
  if (auto* dialog = qobject_cast<QDialog*>(form); dialog != nullptr && modal_result_ != 0) {
    dialog->done(modal_result_);
  }
  if (OnClick) OnClick();
}

void TVividCustomButton::DropDown() {
  if (drop_down_menu_ == nullptr || dropping_down_) return;
  if (!is_active_) setFocus(Qt::OtherFocusReason);
  setDown(true);
  RequestRepaint(Repaint::Now);
  dropping_down_ = true;
  if (OnDropDown) OnDropDown();
  const QPoint corner = drop_down_right_ ? QPoint(width(), drop_down_indent_) : QPoint(drop_down_indent_, height());
  const QPointer<TVividCustomButton> self(this);
  if (drop_down_menu_ != nullptr) drop_down_menu_->exec(mapToGlobal(corner));
  if (self == nullptr) return;
  // The click that closed the menu must not press the button again.
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  dropping_down_ = false;
  draw_state_ = ButtonDrawState::Normal;
  setDown(false);
}

void TVividCustomButton::StartRepeatTimer() {
  TVividApplication& app = TVividApplication::Instance();
  repeat_timer_ = use_global_timer_ ? app.TimerPool().Add(repeating_delay_)
                                    : MakeOwnTimer(app.Timers(), repeating_delay_);
  repeat_timer_->OnTimer = [this] {
    if (mouse_inside_) Guarded([this] { RepeatTick(); });
  };
}

void TVividCustomButton::StopRepeatTimer() {
  if (repeat_timer_ == nullptr) return;
  repeat_timer_->OnTimer = nullptr;
  repeat_timer_.reset();
}

void TVividCustomButton::RepeatTick() {
  if (repeat_timer_ != nullptr) repeat_timer_->SetInterval(repeating_interval_);
  Click();
}

// ----- Input -----

void TVividCustomButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  PointerOver(true);
}

void TVividCustomButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  PointerOver(false);
}

void TVividCustomButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !hasFocus() && (focusPolicy() & Qt::ClickFocus) != 0) {
    taking_focus_ = true;
    setFocus(Qt::MouseFocusReason);
    taking_focus_ = false;
    // A window that keeps the focus elsewhere drops the press.
    if (!hasFocus() && window()->isActiveWindow()) {
      event->accept();
      return;
    }
  }
  QPushButton::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && repeated_click_ && repeat_timer_ == nullptr) {
    // The press has happened; a timer the platform refuses is reported on its
    // own.
    Guarded([this] { StartRepeatTimer(); });
  }
}

void TVividCustomButton::mouseReleaseEvent(QMouseEvent* event) {
  QPushButton::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && repeated_click_) StopRepeatTimer();
}

void TVividCustomButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // A second press: two quick clicks make two clicks.
  mousePressEvent(event);
}

void TVividCustomButton::mouseMoveEvent(QMouseEvent* event) {
  // While the button holds the mouse it alone hears of the pointer leaving
  // and coming back.
  if ((event->buttons() & Qt::LeftButton) != 0) PointerOver(rect().contains(event->position().toPoint()));
  QPushButton::mouseMoveEvent(event);
}

void TVividCustomButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && is_active_ && !event->isAutoRepeat()) {
    Guarded([this] { Click(); });
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void TVividCustomButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      RequestRepaint(Repaint::Invalidate);
      break;
    case QEvent::ParentChange:
      if (parent_color_ || parent_font_) RequestRepaint(Repaint::Invalidate);
      break;
    default:
      break;
  }
}

bool TVividCustomButton::event(QEvent* event) {
  if (event->type() == QEvent::ThemeChange) {
    TVividApplication::Instance().ThemeManager().CloseAll();
    QPushButton::event(event);
    RepaintIfReady();
    return true;
  }
  return QPushButton::event(event);
}

// ----- Painting -----

void TVividCustomButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas canvas(painter, 32);
  DrawItem(canvas, isDown(), hasFocus());
}

void TVividCustomButton::DrawItem(Canvas& canvas, bool selected, bool focused) {
  CanvasStateSaver saver(canvas);
  Rect r{0, 0, width(), height()};
  const bool enabled = isEnabled();
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
    const ThemeHandle handle = app.ThemeManager().Handle(ThemeClassOfStyle(button_style_));
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
  DrawCaption(canvas, r, layoutDirection() == Qt::RightToLeft ? TextFormat::RtlReading : 0u);
}

void TVividCustomButton::DrawCaption(Canvas& canvas, const Rect& face, unsigned text_flags) {
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
  DrawEffectText(canvas, text, place.text, place.draw_flags, font_fx_, isEnabled(), Font().color, Color());
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
