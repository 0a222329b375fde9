#include "ui/qt/windowed_controls.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/fonts.h"
#include "platform/qt/handler_guard.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace anod::qt {
namespace {

Size SizeOf(const QWidget& w) { return {w.width(), w.height()}; }

}  // namespace

// --- TEdit ------------------------------------------------------------------

TEdit::TEdit(const EditBoxModel& model, QWidget* parent) : QLineEdit(parent), model_(model) {
  setFrame(false);
  // The sunken edge takes two pixels on every side; the text starts right
  // inside it (the line edit's own two-pixel margin is taken back).
  setContentsMargins(2, 2, 2, 2);
  setTextMargins(-2, 0, -2, 0);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
}

void TEdit::ApplyLook() {
  setFont(ToQFont(model_.font));
  QPalette p = palette();
  const QColor base = ToQColor(model_.color);
  const QColor text = ToQColor(model_.font.color);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, base);
    p.setColor(group, QPalette::Window, base);
    p.setColor(group, QPalette::Text, text);
  }
  p.setColor(QPalette::Active, QPalette::Highlight, ToQColor(clHighlight));
  p.setColor(QPalette::Active, QPalette::HighlightedText, ToQColor(clHighlightText));
  // Without the focus the selection is kept but not shown.
  p.setColor(QPalette::Inactive, QPalette::Highlight, base);
  p.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
  setPalette(p);
  if (!text_set_) {
    text_set_ = true;
    if (!model_.text.empty()) setText(FromCp1252(model_.text));
  }
}

std::string TEdit::Text() const { return ToCp1252(text()); }

void TEdit::SetText(std::string_view text) { setText(FromCp1252(text)); }

void TEdit::paintEvent(QPaintEvent* event) {
  GuardHandler(this, [&] {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    QtCanvas canvas(painter);
    PaintSunkenClientEdge(canvas, SizeOf(*this));
  });
}

// --- TButton ----------------------------------------------------------------

TButton::TButton(PushButtonModel& model, QWidget* parent) : QAbstractButton(parent), model_(model) {
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QAbstractButton::clicked, this, [this] { GuardHandler(this, [this] { model_.Click(); }); });
}

void TButton::ApplyLook() {
  setText(FromCp1252(model_.look.caption));
  update();
}

void TButton::paintEvent(QPaintEvent*) {
  GuardHandler(this, [&] {
    QPainter painter(this);
    QtCanvas canvas(painter);
    PushButtonLook look = model_.look;
    look.pressed = isDown();
    look.focused = hasFocus();
    PaintPushButton(canvas, SizeOf(*this), look);
  });
}

void TButton::keyPressEvent(QKeyEvent* event) {
  GuardHandler(this, [&] {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (PushButtonModel::KeyClicks(enter, event->isAutoRepeat())) {
      click();
      return;
    }
    QAbstractButton::keyPressEvent(event);
  });
}

// --- TStaticText ------------------------------------------------------------

TStaticText::TStaticText(const StaticTextModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setFocusPolicy(Qt::NoFocus);
}

void TStaticText::paintEvent(QPaintEvent*) {
  GuardHandler(this, [&] {
    QPainter painter(this);
    QtCanvas canvas(painter);
    PaintStaticText(canvas, SizeOf(*this), model_.caption, model_.color, model_.font);
  });
}

// --- TPanel -----------------------------------------------------------------

TPanel::TPanel(PanelModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setFocusPolicy(Qt::NoFocus);
  model_.host.SetInvalidate([this](const Rect& r) { update(r.left, r.top, r.Width(), r.Height()); });
}

void TPanel::paintEvent(QPaintEvent* event) {
  GuardHandler(this, [&] {
    QPainter painter(this);
    QtCanvas canvas(painter);
    PaintPanel(canvas, SizeOf(*this), model_.look);
    model_.host.PaintDrawn(canvas, ToRect(event->rect()));
  });
}

}  // namespace anod::qt
