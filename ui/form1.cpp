#include "ui/form1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/codepage.h"
#include "platform/qt/qt_text.h"
#include "pictures/stored_value.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_canvas.h"
#include "ui/control_kinds.h"
#include "ui/description_reader.h"
#include "ui/property_values.h"
#include "ui/read_messages.h"
#include "widgets/vivid_button.h"

namespace anod {

Rect ControlEntry::Bounds() const {
  if (drawn != nullptr) return drawn->Bounds();
  if (widget != nullptr) {
    const QRect g = widget->geometry();
    return Rect::FromBounds(g.x(), g.y(), g.width(), g.height());
  }
  return {};
}

// --- FormSurface --------------------------------------------------------------

FormSurface::FormSurface(QWidget* parent) : QWidget(parent), DrawnHost(static_cast<QWidget&>(*this)) {
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
  QPainter painter(this);
  QtCanvas canvas(painter);
  const QRect r = event->rect();
  const Rect dirty = Rect::FromBounds(r.x(), r.y(), r.width(), r.height());
  canvas.FillRect(dirty, color_);
  PaintDrawn(canvas, dirty);
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
  surface_->SetFailureSink([this](const Exception& failure) { ReportFailure(failure); });
}

TForm1::~TForm1() = default;

const ControlEntry* TForm1::Find(std::string_view name) const {
  const auto it = by_name_.find(name);
  return it == by_name_.end() ? nullptr : &controls_[it->second];
}

QWidget* TForm1::Windowed(std::string_view name) const {
  const ControlEntry* entry = Find(name);
  return entry != nullptr ? entry->widget : nullptr;
}

DrawnControl* TForm1::Drawn(std::string_view name) const {
  const ControlEntry* entry = Find(name);
  return entry != nullptr ? entry->drawn : nullptr;
}

std::string TForm1::EditText(std::string_view name) const {
  const auto* edit = As<QLineEdit>(name);
  return edit != nullptr ? ToCp1252(edit->text()) : std::string();
}

void TForm1::SetEditText(std::string_view name, std::string_view text) {
  if (auto* edit = As<QLineEdit>(name)) edit->setText(FromCp1252(text));
}

std::string TForm1::LabelCaption(std::string_view name) const {
  const TLabel* label = Label(name);
  return label != nullptr ? label->Caption() : std::string();
}

void TForm1::SetLabelCaption(std::string_view name, std::string caption) {
  if (TLabel* label = Label(name)) label->SetCaption(std::move(caption));
}

void TForm1::SetFailureSink(FailureSink sink) { sink_ = std::move(sink); }

void TForm1::ReportFailure(const Exception& failure) const {
  if (sink_) {
    sink_(failure);
  } else {
    qWarning("%s", Cp1252ToUtf8(failure.Message()).c_str());
  }
}

std::function<void()> TForm1::Guarded(std::function<void()> handler) {
  return [this, handler = std::move(handler)] {
    try {
      handler();
    } catch (const Exception& failure) {
      ReportFailure(failure);
    }
  };
}

Size TForm1::ScrollRange() const {
  Size range;
  for (const ControlEntry& entry : controls_) {
    if (entry.parent != objectName().toStdString()) continue;
    const Rect b = entry.Bounds();
    range.cx = std::max(range.cx, b.right);
    range.cy = std::max(range.cy, b.bottom);
  }
  return range;
}

void TForm1::PlaceCentred(Size screen) {
  const Point p = CenteredPosition(screen, outer_size_);
  move(p.x, p.y);
}

void TForm1::setVisible(bool visible) {
  if (visible && !placed_) {
    placed_ = true;
    if (centre_on_show_) {
      if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        PlaceCentred({screen->geometry().width(), screen->geometry().height()});
      }
    }
    // First activation: the first tab stop takes the focus.
    if (focusWidget() == nullptr) MoveFocusToNextTabStop(true);
  }
  QWidget::setVisible(visible);
}

std::vector<QWidget*> TForm1::TabList() const {
  std::vector<const ControlEntry*> windowed;
  for (const ControlEntry& entry : controls_) {
    if (entry.widget != nullptr && entry.parent == objectName().toStdString()) windowed.push_back(&entry);
  }
  std::stable_sort(windowed.begin(), windowed.end(),
                   [](const ControlEntry* a, const ControlEntry* b) { return a->tab_order < b->tab_order; });
  std::vector<QWidget*> out;
  for (const ControlEntry* entry : windowed) out.push_back(entry->widget);
  return out;
}

namespace {

bool CanTakeFocus(const QWidget* w) { return w->isEnabled() && !w->isHidden(); }

}  // namespace

bool TForm1::MoveFocusToNextTabStop(bool forward) {
  const std::vector<QWidget*> list = TabList();
  if (list.empty()) return false;
  const auto n = static_cast<std::ptrdiff_t>(list.size());
  const auto found = std::find(list.begin(), list.end(), focusWidget());
  std::ptrdiff_t i = found == list.end() ? (forward ? -1 : n) : found - list.begin();
  for (std::ptrdiff_t step = 0; step < n; ++step) {
    i = ((forward ? i + 1 : i - 1) % n + n) % n;
    QWidget* w = list[static_cast<std::size_t>(i)];
    const ControlEntry* entry = Find(w->objectName().toStdString());
    if (entry != nullptr && entry->tab_stop && CanTakeFocus(w)) {
      w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

bool TForm1::MoveFocusInTabOrder(QWidget* from, bool forward) {
  const std::vector<QWidget*> list = TabList();
  const auto found = std::find(list.begin(), list.end(), from);
  if (found == list.end()) return false;
  const auto n = static_cast<std::ptrdiff_t>(list.size());
  std::ptrdiff_t i = found - list.begin();
  for (std::ptrdiff_t step = 1; step < n; ++step) {
    i = ((forward ? i + 1 : i - 1) % n + n) % n;
    QWidget* w = list[static_cast<std::size_t>(i)];
    if (CanTakeFocus(w)) {
      w->setFocus(Qt::OtherFocusReason);
      return true;
    }
  }
  return false;
}

bool TForm1::focusNextPrevChild(bool next) { return MoveFocusToNextTabStop(next); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
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
}

void TForm1::AddEntry(ControlEntry entry) {
  by_name_[entry.name] = controls_.size();
  if (entry.widget != nullptr) {
    entry.widget->setObjectName(QString::fromStdString(entry.name));
    // Controls that do not use the arrow keys themselves pass them on as
    // focus moves; edit boxes move their caret with them.
    if (qobject_cast<QLineEdit*>(entry.widget) == nullptr) entry.widget->installEventFilter(this);
  }
  controls_.push_back(std::move(entry));
}

void TForm1::FinishBuilding(const ScalePlan& plan) {
  if (plan.window_font_height != font_.height) font_.height = plan.window_font_height;
  for (ControlEntry& entry : controls_) {
    if (auto* panel = dynamic_cast<TPanel*>(entry.widget)) panel->SetParentFont(font_);
  }
  if (plan.Scales()) {
    for (ControlEntry& entry : controls_) {
      const Rect scaled = ScaleRect(entry.Bounds(), plan.num, plan.den);
      if (entry.drawn != nullptr) entry.drawn->SetBounds(scaled);
      if (entry.widget != nullptr) entry.widget->setGeometry(scaled.left, scaled.top, scaled.Width(), scaled.Height());
      if (entry.target != nullptr) entry.target->ScaleFont(plan.num, plan.den);
    }
  }
  // Colored buttons that keep their parent's font read it from here.
  surface_->setProperty("anodFont", QVariant::fromValue(font_));
  const Size range = ScrollRange();
  surface_->resize(range.cx, range.cy);
  const Size client = ClientSizeFor(outer_size_);
  resize(client.cx, client.cy);
}

// --- Building -------------------------------------------------------------------

class FormBuilder final : public DescriptionSink {
 public:
  FormBuilder(const HandlerTable& handlers, const BuildOptions& options)
      : handlers_(handlers), options_(options) {}

  std::unique_ptr<TForm1> Take() { return std::move(form_); }

  void BeginObject(std::string_view class_name, std::string_view name) override {
    if (!form_) {
      if (class_name != "TForm1" || done_) throw EReadError(UnknownClassMessage(class_name));
      form_ = std::make_unique<TForm1>();
      form_->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
      stack_.push_back({form_->Surface(), form_->Surface(), std::string(name)});
      current_ = nullptr;
      return;
    }
    if (form_->Find(name) != nullptr || name.empty()) {
      throw EReadError("Un composant nomm\xE9 " + std::string(name) + " existe d\xE9j\xE0");
    }
    const Container& parent = stack_.back();
    if (parent.host == nullptr) throw EReadError(kStreamReadError);
    ControlEntry entry = CreateControlKind(class_name, std::string(name), *parent.widget, *parent.host, *form_);
    entry.parent = parent.name;
    if (entry.target == nullptr) throw EReadError(UnknownClassMessage(class_name));
    form_->AddEntry(entry);
    current_ = &form_->controls_.back();
    pending_ = entry.Bounds();
    auto* panel = dynamic_cast<TPanel*>(entry.widget);
    stack_.push_back({entry.widget, panel, std::string(name)});
  }

  void SetProperty(std::string_view path, const Value& value) override {
    if (current_ == nullptr) {
      SetFormProperty(path, value);
      return;
    }
    ControlEntry& entry = *current_;
    if (path == "Left" || path == "Top" || path == "Width" || path == "Height") {
      const int v = IntValue(value);
      if (path == "Left") pending_ = Rect::FromBounds(v, pending_.top, pending_.Width(), pending_.Height());
      if (path == "Top") pending_ = Rect::FromBounds(pending_.left, v, pending_.Width(), pending_.Height());
      if (path == "Width") {
        if (v < 0) throw EReadError(kInvalidPropertyValue);
        pending_.right = pending_.left + v;
      }
      if (path == "Height") {
        if (v < 0) throw EReadError(kInvalidPropertyValue);
        pending_.bottom = pending_.top + v;
      }
      if (entry.drawn != nullptr) entry.drawn->SetBounds(pending_);
      if (entry.widget != nullptr) entry.widget->setGeometry(pending_.left, pending_.top, pending_.Width(), pending_.Height());
      return;
    }
    if (path == "TabOrder" && entry.widget != nullptr) {
      entry.tab_order = IntValue(value);
      if (entry.tab_order < 0) throw EReadError(kInvalidPropertyValue);
      return;
    }
    if (path == "OnClick") {
      const std::string& handler = IdentValue(value);
      const auto it = handlers_.find(handler);
      if (it == handlers_.end()) throw EReadError(UnknownHandlerMessage(handler));
      if (!BindClick(entry, form_->Guarded(it->second))) throw EReadError(UnknownPropertyMessage(path));
      return;
    }
    if (!entry.target->ApplyProperty(path, value)) throw EReadError(UnknownPropertyMessage(path));
  }

  void EndProperties() override {
    if (current_ != nullptr) current_->target->Loaded();
  }

  void EndObject() override {
    stack_.pop_back();
    if (stack_.empty()) {
      done_ = true;
      Finish();
      return;
    }
    current_ = nullptr;  // no more properties until the next object begins
  }

 private:
  struct Container {
    QWidget* widget;
    DrawnHost* host;
    std::string name;
  };

  void SetFormProperty(std::string_view path, const Value& value) {
    TForm1& form = *form_;
    if (ApplyFontProperty(form.font_, path, value)) return;
    if (path == "Caption") {
      form.setWindowTitle(FromCp1252(TextValue(value)));
    } else if (path == "Left") {
      form.stored_position_.x = IntValue(value);
      form.move(form.stored_position_.x, form.stored_position_.y);
    } else if (path == "Top") {
      form.stored_position_.y = IntValue(value);
      form.move(form.stored_position_.x, form.stored_position_.y);
    } else if (path == "Width" || path == "Height") {
      const int v = IntValue(value);
      if (v <= 0) throw EReadError(kInvalidPropertyValue);
      (path == "Width" ? form.outer_size_.cx : form.outer_size_.cy) = v;
    } else if (path == "Color") {
      form.surface_->SetColor(ColorValue(value));
      QPalette p = form.scroll_->viewport()->palette();
      p.setColor(QPalette::Window, ToQColor(form.surface_->Color()));
      form.scroll_->viewport()->setPalette(p);
      form.scroll_->viewport()->setAutoFillBackground(true);
    } else if (path == "PixelsPerInch") {
      design_.pixels_per_inch = IntValue(value);
      if (design_.pixels_per_inch <= 0) throw EReadError(kInvalidPropertyValue);
    } else if (path == "TextHeight") {
      design_.text_height = IntValue(value);
      if (design_.text_height <= 0) throw EReadError(kInvalidPropertyValue);
    } else if (path == "BorderStyle") {
      EnumValue(value, {"bsSizeable"});
    } else if (path == "BorderIcons") {
      if (value.type != ValueType::Set) throw EReadError(kInvalidPropertyValue);
      Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
      for (const std::string& icon : value.set) {
        if (icon == "biSystemMenu") flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        else if (icon == "biMinimize") flags |= Qt::WindowMinimizeButtonHint;
        else if (icon == "biMaximize") flags |= Qt::WindowMaximizeButtonHint;
        else throw EReadError(kInvalidPropertyValue);
      }
      form.setWindowFlags(flags);
    } else if (path == "WindowState") {
      EnumValue(value, {"wsNormal"});
    } else if (path == "Position") {
      form.centre_on_show_ = EnumValue(value, {"poDesigned", "poScreenCenter"}) == 1;
    } else if (path == "AutoScroll") {
      const Qt::ScrollBarPolicy policy = BoolValue(value) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
      form.scroll_->setHorizontalScrollBarPolicy(policy);
      form.scroll_->setVerticalScrollBarPolicy(policy);
    } else if (path == "Icon.Data") {
      const std::string& bytes = BytesValue(value);
      const IconImage icon = DecodeIconFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
      QImage image(icon.width, icon.height, QImage::Format_ARGB32);
      for (int y = 0; y < icon.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < icon.width; ++x) row[x] = icon.argb[static_cast<std::size_t>(y * icon.width + x)];
      }
      form.setWindowIcon(QIcon(QPixmap::fromImage(image)));
    } else {
      throw EReadError(UnknownPropertyMessage(path));
    }
  }

  void Finish() {
    const int ppi = options_.pixels_per_inch > 0 ? options_.pixels_per_inch
                    : QGuiApplication::primaryScreen() != nullptr
                        ? static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInch())
                        : 96;
    design_.font_height = form_->font_.height;
    const FontSpec window_font = form_->font_;
    auto measure = options_.zero_height ? options_.zero_height : [&window_font](int height) {
      FontSpec f = window_font;
      f.height = height;
      return MeasureFont(ToQFont(f)).height;
    };
    form_->FinishBuilding(MakeScalePlan(ppi, measure, design_));
  }

  const HandlerTable& handlers_;
  const BuildOptions& options_;
  std::unique_ptr<TForm1> form_;
  std::vector<Container> stack_;
  ControlEntry* current_ = nullptr;
  Rect pending_;
  DesignMetrics design_;
  bool done_ = false;
};

std::unique_ptr<TForm1> BuildFormFromDescription(std::span<const std::uint8_t> description,
                                                 const HandlerTable& handlers, const BuildOptions& options) {
  FormBuilder builder(handlers, options);
  ReadDescription(description, builder);
  std::unique_ptr<TForm1> form = builder.Take();
  if (!form) throw EReadError(kStreamReadError);
  return form;
}

std::unique_ptr<TForm1> BuildForm1(const HandlerTable& handlers, const BuildOptions& options) {
  return BuildFormFromDescription(Form1Description(), handlers, options);
}

}  // namespace anod
