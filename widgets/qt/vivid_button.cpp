#include "widgets/qt/vivid_button.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/qt/fonts.h"
#include "platform/qt/handler_guard.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"
#include "widgets/qt/qt_button_events.h"

namespace anod {

TVividCustomButton::TVividCustomButton(QWidget* parent) : QPushButton(parent) {
  InstallQtButtonEvents();
  setAutoDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  resize(75, 25);
  connect(this, &QAbstractButton::clicked, this, [this] { GuardHandler(this, [this] { PlatformClicked(); }); });
}

// ----- What the model asks of Qt -----

void TVividCustomButton::TakeFocus() { setFocus(Qt::MouseFocusReason); }

bool TVividCustomButton::WindowIsActive() const { return window()->isActiveWindow(); }

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

// A face that is not installed as an outline face counts as a bitmap face.
bool TVividCustomButton::IsOutlineFace(const FontSpec& font) const {
  const MappedFace face = MapFace(font.name);
  return QFontDatabase::isSmoothlyScalable(QString::fromStdString(face.family));
}

// The platform text carries the accelerator ("&x") for Alt+x.
void TVividCustomButton::CaptionChanged() { setText(FromCp1252(Caption())); }

void TVividCustomButton::HideHintNow() { QToolTip::hideText(); }

void TVividCustomButton::DefaultChanged() {
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->window() == window()) ApplyFocusRule(window(), focus);
}

void TVividCustomButton::SetWindowModalResult(int result) {
  QWidget* form = window();
  form->setProperty("ModalResult", result);
  if (auto* dialog = qobject_cast<QDialog*>(form); dialog != nullptr && result != 0) dialog->done(result);
}

bool TVividCustomButton::ShowDropDownMenu(Point corner) {
  const QPointer<TVividCustomButton> self(this);
  drop_down_menu_->exec(mapToGlobal(QPoint(corner.x, corner.y)));
  return self != nullptr;
}

void TVividCustomButton::ReleasePointer() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

void TVividCustomButton::setVisible(bool visible) {
  if (!visible) Hiding();
  QPushButton::setVisible(visible);
}

// ----- Qt's events, as the model's -----

void TVividCustomButton::enterEvent(QEnterEvent* event) {
  GuardHandler(this, [&] {
    QPushButton::enterEvent(event);
    PointerEntered();
  });
}

void TVividCustomButton::leaveEvent(QEvent* event) {
  GuardHandler(this, [&] {
    QPushButton::leaveEvent(event);
    PointerLeft();
  });
}

void TVividCustomButton::mousePressEvent(QMouseEvent* event) {
  GuardHandler(this, [&] { Press(event); });
}

void TVividCustomButton::Press(QMouseEvent* event) {
  const bool left = event->button() == Qt::LeftButton;
  if (left && !PressStarting((focusPolicy() & Qt::ClickFocus) != 0)) {
    event->accept();
    return;
  }
  QPushButton::mousePressEvent(event);
  if (left) Pressed();
}

void TVividCustomButton::mouseReleaseEvent(QMouseEvent* event) {
  GuardHandler(this, [&] {
    QPushButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) Released();
  });
}

void TVividCustomButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // A second press: two quick clicks make two clicks.
  GuardHandler(this, [&] { Press(event); });
}

void TVividCustomButton::mouseMoveEvent(QMouseEvent* event) {
  GuardHandler(this, [&] {
    if ((event->buttons() & Qt::LeftButton) != 0) PointerMoved(rect().contains(event->position().toPoint()));
    QPushButton::mouseMoveEvent(event);
  });
}

void TVividCustomButton::keyPressEvent(QKeyEvent* event) {
  GuardHandler(this, [&] {
    const int key = event->key();
    const Key model_key = key == Qt::Key_Return || key == Qt::Key_Enter ? Key::Enter : Key::Other;
    if (KeyPressed(model_key, event->isAutoRepeat())) {
      event->accept();
      return;
    }
    QPushButton::keyPressEvent(event);
  });
}

void TVividCustomButton::changeEvent(QEvent* event) {
  GuardHandler(this, [&] {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) EnabledChanged();
    if (event->type() == QEvent::ParentChange) ParentChanged();
  });
}

bool TVividCustomButton::event(QEvent* event) {
  return GuardHandler(this, false, [&] {
    if (event->type() != QEvent::ThemeChange) return QPushButton::event(event);
    QPushButton::event(event);
    ThemeChanged();
    return true;
  });
}

void TVividCustomButton::paintEvent(QPaintEvent*) {
  GuardHandler(this, [&] {
    QPainter painter(this);
    QtCanvas canvas(painter, 32);
    DrawItem(canvas, isDown(), hasFocus());
  });
}

}  // namespace anod
