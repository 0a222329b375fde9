#include "ui/qt/form1.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/qt/fonts.h"
#include "platform/qt/handler_guard.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace anod::qt {
namespace {

bool CanTakeFocus(const FormControl& control) {
  const auto* w = dynamic_cast<const QWidget*>(control.windowed);
  return w != nullptr && w->isEnabled() && !w->isHidden();
}

QWidget* WidgetOf(const FormControl* control) {
  return control != nullptr ? dynamic_cast<QWidget*>(control->windowed) : nullptr;
}

bool IsScrollKey(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

// --- FormSurface --------------------------------------------------------------

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  SetColor(clBtnFace);
}

void FormSurface::SetColor(TColor color) {
  color_ = color;
  // The colored buttons take their parent's colour from this property.
  setProperty("anodColor", QVariant::fromValue(static_cast<int>(color)));
  update();
}

void FormSurface::paintEvent(QPaintEvent* event) {
  GuardHandler(this, [&] {
    QPainter painter(this);
    QtCanvas canvas(painter);
    const Rect dirty = ToRect(event->rect());
    canvas.FillRect(dirty, color_);
    if (host_ != nullptr) host_->PaintDrawn(canvas, dirty);
  });
}

// --- TForm1 -------------------------------------------------------------------

TForm1::TForm1() {
  setObjectName("Form1");
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(false);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll_->setFocusPolicy(Qt::NoFocus);
  surface_ = new FormSurface(nullptr);
  surface_->setObjectName("Form1.surface");
  scroll_->setWidget(surface_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll_);
  surface_->installEventFilter(this);
}

// The widgets show the model's controls: they go first.
TForm1::~TForm1() { delete scroll_; }

void TForm1::Build(std::span<const std::uint8_t> description, const HandlerTable& handlers, BuildOptions options) {
  if (options.pixels_per_inch <= 0) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    options.pixels_per_inch = screen != nullptr ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
  }
  if (!options.zero_height) {
    options.zero_height = [this](int height) {
      FontSpec f = surface_font_;
      f.height = height;
      return MeasureFont(ToQFont(f)).height;
    };
  }
  model_ = BuildFormModel(description, handlers, *this, options);
  FormModel& model = *model_;
  model.Surface().SetInvalidate([this](const Rect& r) { surface_->update(r.left, r.top, r.Width(), r.Height()); });
  surface_->SetHost(&model.Surface());

  const FontSpec& font = model.Window().font;
  if (font != surface_font_) surface_->setFont(ToQFont(font));
  // Colored buttons that keep their parent's font read it from here.
  surface_->setProperty("anodFont", QVariant::fromValue(font));

  for (const FormControl& control : model.Controls()) {
    if (QWidget* widget = WidgetOf(&control)) {
      widget->setObjectName(QString::fromStdString(control.name));
      // Controls that do not use the arrow keys themselves pass them on as
      // focus moves; edit boxes move their caret with them.
      if (!FormModel::UsesArrowKeys(control)) widget->installEventFilter(this);
    }
  }
  const Size range = model.ScrollRange();
  surface_->resize(range.cx, range.cy);
  const Size client = FormModel::ClientSizeFor(model.Window().outer_size);
  resize(client.cx, client.cy);
}

void TForm1::WindowRead(const WindowProperties& window) {
  setObjectName(QString::fromStdString(window.name));
  setWindowTitle(FromCp1252(window.caption));
  move(window.stored_position.x, window.stored_position.y);
  Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
  if (window.system_menu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window.minimize_box) flags |= Qt::WindowMinimizeButtonHint;
  if (window.maximize_box) flags |= Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);
  surface_->SetColor(window.color);
  QPalette p = scroll_->viewport()->palette();
  p.setColor(QPalette::Window, ToQColor(window.color));
  scroll_->viewport()->setPalette(p);
  scroll_->viewport()->setAutoFillBackground(true);
  const Qt::ScrollBarPolicy policy = window.auto_scroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  scroll_->setHorizontalScrollBarPolicy(policy);
  scroll_->setVerticalScrollBarPolicy(policy);
  if (window.icon.width > 0 && window.icon.height > 0) {
    QImage image(window.icon.width, window.icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < window.icon.height; ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < window.icon.width; ++x) {
        row[x] = window.icon.argb[static_cast<std::size_t>(y * window.icon.width + x)];
      }
    }
    setWindowIcon(QIcon(QPixmap::fromImage(image)));
  }
  // The surface takes the window's font before any child exists, so no
  // child ever resolves (and loads) the toolkit's default face.
  surface_font_ = window.font;
  surface_->setFont(ToQFont(window.font));
}

QWidget* TForm1::ParentWidget(WindowedControl* parent) const {
  QWidget* widget = dynamic_cast<QWidget*>(parent);
  return widget != nullptr ? widget : surface_;
}

template <class W>
W& TForm1::Adopt(W* widget) {
  widget->show();
  return *widget;
}

EditBoxControl& TForm1::CreateEditBox(const EditBoxModel& model, WindowedControl* parent) {
  return Adopt(new TEdit(model, ParentWidget(parent)));
}

WindowedControl& TForm1::CreatePushButton(PushButtonModel& model, WindowedControl* parent) {
  return Adopt(new TButton(model, ParentWidget(parent)));
}

WindowedControl& TForm1::CreateStaticText(const StaticTextModel& model, WindowedControl* parent) {
  return Adopt(new TStaticText(model, ParentWidget(parent)));
}

WindowedControl& TForm1::CreatePanel(PanelModel& model, WindowedControl* parent) {
  return Adopt(new TPanel(model, ParentWidget(parent)));
}

ColoredButtonControl& TForm1::CreateColoredButton(WindowedControl* parent) {
  return Adopt(new TWindowVividButton(ParentWidget(parent)));
}

QWidget* TForm1::Windowed(std::string_view name) const { return WidgetOf(model_->Find(name)); }

void TForm1::setVisible(bool visible) {
  if (visible) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const std::optional<Rect> first =
        screen != nullptr ? model_->FirstShow(ToRect(screen->geometry()), ToRect(screen->availableGeometry()))
                          : std::nullopt;
    if (first) {
      const Size outer = model_->Window().outer_size;
      // Smaller than designed only where the screen is: the scroll bars show the rest.
      if (first->Width() != outer.cx || first->Height() != outer.cy) {
        const Size client = FormModel::ClientSizeFor({first->Width(), first->Height()});
        resize(client.cx, client.cy);
      }
      move(first->left, first->top);
      // First activation: the first tab stop takes the focus.
      if (focusWidget() == nullptr) MoveFocusToNextTabStop(true);
    }
  }
  QWidget::setVisible(visible);
}

const FormControl* TForm1::ControlOf(const QWidget* widget) const {
  return model_->FindWindowed(dynamic_cast<const WindowedControl*>(widget));
}

bool TForm1::MoveFocusToNextTabStop(bool forward) {
  QWidget* next = WidgetOf(model_->NextTabStop(ControlOf(focusWidget()), forward, CanTakeFocus));
  if (next == nullptr) return false;
  next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

bool TForm1::MoveFocusInTabOrder(QWidget* from, bool forward) {
  const FormControl* control = ControlOf(from);
  QWidget* next = control != nullptr ? WidgetOf(model_->NextInTabOrder(*control, forward, CanTakeFocus)) : nullptr;
  if (next == nullptr) return false;
  next->setFocus(Qt::OtherFocusReason);
  return true;
}

bool TForm1::focusNextPrevChild(bool next) { return MoveFocusToNextTabStop(next); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  return GuardHandler(watched, true, [&] {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      // The scroll keys an edit box keeps stop at the surface on their way up:
      // past it the scroll area would take them and scroll the whole window.
      if (watched == surface_) {
        return IsScrollKey(key->key()) && FormModel::KeepsScrollKeys(ControlOf(focusWidget()));
      }
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        switch (key->key()) {
          case Qt::Key_Left:
          case Qt::Key_Up:
            return MoveFocusInTabOrder(widget, false);
          case Qt::Key_Right:
          case Qt::Key_Down:
            return MoveFocusInTabOrder(widget, true);
          default:
            break;
        }
      }
    }
    return QWidget::eventFilter(watched, event);
  });
}

std::unique_ptr<TForm1> BuildFormFromDescription(std::span<const std::uint8_t> description,
                                                 const HandlerTable& handlers, const BuildOptions& options) {
  auto form = std::make_unique<TForm1>();
  form->Build(description, handlers, options);
  return form;
}

std::unique_ptr<TForm1> BuildForm1(const HandlerTable& handlers, const BuildOptions& options) {
  return BuildFormFromDescription(Form1Description(), handlers, options);
}

}  // namespace anod::qt
