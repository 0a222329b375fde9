#include "ui/windowed_controls.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/qt_text.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_canvas.h"
#include "ui/property_values.h"
#include "ui/read_messages.h"

namespace anod {
namespace {

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

Size SizeOf(const QWidget& w) { return {w.width(), w.height()}; }

// Properties every windowed control of the window accepts and none needs.
bool IsFixedDefault(std::string_view path, const Value& value) {
  if (path == "AutoSize") return value.type == ValueType::False;
  if (path == "ParentFont" || path == "ParentColor") return value.type == ValueType::False;
  return false;
}

TextAlignment AlignmentValue(const Value& value) {
  return static_cast<TextAlignment>(EnumValue(value, {"taLeftJustify", "taRightJustify", "taCenter"}));
}

}  // namespace

DrawnControl& DrawnHost::AddDrawn(std::unique_ptr<DrawnControl> control) {
  control->SetInvalidate([this](const Rect& r) { widget_.update(r.left, r.top, r.Width(), r.Height()); });
  drawn_.push_back(std::move(control));
  return *drawn_.back();
}

void DrawnHost::PaintDrawn(Canvas& canvas, const Rect& dirty) {
  for (const auto& control : drawn_) {
    const Rect& b = control->Bounds();
    if (b.IsEmpty() || b.right <= dirty.left || b.left >= dirty.right || b.bottom <= dirty.top ||
        b.top >= dirty.bottom) {
      continue;
    }
    CanvasStateSaver saver(canvas);
    canvas.Translate(b.left, b.top);
    canvas.IntersectClip({0, 0, b.Width(), b.Height()});
    try {
      control->Paint(canvas);
    } catch (const Exception& failure) {
      if (sink_) sink_(failure);
    }
  }
}

// --- TEdit ------------------------------------------------------------------

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  // The sunken edge takes two pixels on every side; the text starts right
  // inside it (the line edit's own two-pixel margin is taken back).
  setContentsMargins(2, 2, 2, 2);
  setTextMargins(-2, 0, -2, 0);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  ApplyLook();
}

void TEdit::ApplyLook() {
  setFont(ToQFont(font_));
  QPalette p = palette();
  const QColor base = ToQColor(color_);
  const QColor text = ToQColor(font_.color);
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
}

bool TEdit::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(font_, path, value)) {
    ApplyLook();
  } else if (path == "Color") {
    color_ = ColorValue(value);
    ApplyLook();
  } else if (path == "Text") {
    setText(FromCp1252(TextValue(value)));
  } else if (path == "BorderStyle") {
    EnumValue(value, {"bsSingle"});
  } else if (!IsFixedDefault(path, value)) {
    return false;
  }
  return true;
}

void TEdit::ScaleFont(int num, int den) {
  ScaleFontSpec(font_, num, den);
  ApplyLook();
}

void TEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  QtCanvas canvas(painter);
  PaintSunkenClientEdge(canvas, SizeOf(*this));
}

// --- TButton ----------------------------------------------------------------

TButton::TButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (on_click_) on_click_();
  });
}

bool TButton::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(look_.font, path, value)) {
    update();
  } else if (path == "Caption") {
    look_.caption = TextValue(value);
    setText(FromCp1252(look_.caption));
  } else if (path == "Default" || path == "Cancel") {
    // The window has no default or cancel button: Enter and Escape typed in
    // an edit box click nothing.
    if (BoolValue(value)) throw EReadError(kInvalidPropertyValue);
  } else if (!IsFixedDefault(path, value)) {
    return false;
  }
  return true;
}

void TButton::ScaleFont(int num, int den) { ScaleFontSpec(look_.font, num, den); }

void TButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas canvas(painter);
  PushButtonLook look = look_;
  look.pressed = isDown();
  look.focused = hasFocus();
  PaintPushButton(canvas, SizeOf(*this), look);
}

void TButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

// --- TStaticText ------------------------------------------------------------

TStaticText::TStaticText(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

bool TStaticText::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(font_, path, value)) {
  } else if (path == "Caption") {
    caption_ = TextValue(value);
  } else if (path == "Color") {
    color_ = ColorValue(value);
  } else if (path == "Alignment") {
    if (AlignmentValue(value) != TextAlignment::Center) throw EReadError(kInvalidPropertyValue);
  } else if (path == "BorderStyle") {
    EnumValue(value, {"sbsSunken"});
  } else if (!IsFixedDefault(path, value)) {
    return false;
  }
  update();
  return true;
}

void TStaticText::ScaleFont(int num, int den) { ScaleFontSpec(font_, num, den); }

void TStaticText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas canvas(painter);
  PaintStaticText(canvas, SizeOf(*this), caption_, color_, font_);
}

// --- TPanel -----------------------------------------------------------------

TPanel::TPanel(QWidget* parent) : QWidget(parent), DrawnHost(static_cast<QWidget&>(*this)) {
  setFocusPolicy(Qt::NoFocus);
  look_.has_outer = true;
  look_.has_inner = false;
}

bool TPanel::ApplyProperty(std::string_view path, const Value& value) {
  if (ApplyFontProperty(look_.font, path, value)) {
    parent_font_ = false;
  } else if (path == "ParentFont") {
    parent_font_ = BoolValue(value);
  } else if (path == "Caption") {
    look_.caption = TextValue(value);
  } else if (path == "Color") {
    look_.color = ColorValue(value);
  } else if (path == "Alignment") {
    look_.alignment = AlignmentValue(value);
  } else if (path == "BevelOuter" || path == "BevelInner") {
    const int kind = EnumValue(value, {"bvNone", "bvLowered", "bvRaised"});
    if (path == "BevelOuter") {
      look_.has_outer = kind != 0;
      look_.outer_raised = kind == 2;
    } else {
      look_.has_inner = kind != 0;
      look_.inner_lowered = kind == 1;
    }
  } else if (path == "BevelWidth") {
    look_.bevel_width = IntValue(value);
    if (look_.bevel_width < 1) throw EReadError(kInvalidPropertyValue);
  } else if (path == "BorderWidth") {
    if (IntValue(value) != 0) throw EReadError(kInvalidPropertyValue);
  } else {
    return false;
  }
  update();
  return true;
}

void TPanel::SetParentFont(const FontSpec& font) {
  if (!parent_font_) return;
  look_.font = font;
  update();
}

void TPanel::ScaleFont(int num, int den) {
  if (!parent_font_) ScaleFontSpec(look_.font, num, den);
}

void TPanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QtCanvas canvas(painter);
  PaintPanel(canvas, SizeOf(*this), look_);
  PaintDrawn(canvas, ToRect(event->rect()));
}

}  // namespace anod
