#include "app/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "core/calculators.h"
#include "platform/qt/qt_text.h"
#include "app/accessible_names.h"
#include "ui/qt/form1.h"

namespace anod {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// One drawn label or picture, a child of the window's surface; `host` is the
// widget it is drawn on (the surface, or the panel framing a step picture).
class DrawnControlInterface final : public QAccessibleInterface {
 public:
  DrawnControlInterface(QWidget* surface, QWidget* host, const DrawnControl* control)
      : surface_(surface), host_(host), control_(control), label_(dynamic_cast<const TLabel*>(control)) {}

  bool isValid() const override { return !surface_.isNull() && !host_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return surface_ ? surface_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(surface_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return label_ != nullptr ? QAccessible::StaticText : QAccessible::Graphic; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (label_ == nullptr) return t == QAccessible::Name ? Utf8(PictureDescription(control_->Name())) : QString();
    switch (t) {
      // A step text's line breaks read as spaces.
      case QAccessible::Name: return FromCp1252(label_->Caption()).simplified();
      case QAccessible::Value: return FromCp1252(label_->Caption());
      case QAccessible::Description: return Utf8(LabelRole(label_->Name()));
      default: return {};
    }
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const Rect& b = control_->Bounds();
    return {host_->mapToGlobal(QPoint(b.left, b.top)), QSize(b.Width(), b.Height())};
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    if (!isValid() || !host_->isVisible()) s.invisible = true;
    return s;
  }

  const DrawnControl* Control() const { return control_; }

 private:
  QPointer<QWidget> surface_;
  QPointer<QWidget> host_;
  const DrawnControl* control_;
  const TLabel* label_;
};

// The window's surface: its child widgets, then its drawn labels, then the
// eight pictures (the step pictures' panels hold nothing else).
class FormSurfaceInterface final : public QAccessibleWidget {
 public:
  explicit FormSurfaceInterface(QWidget* surface) : QAccessibleWidget(surface, QAccessible::Client) {
    auto* form = qobject_cast<qt::TForm1*>(surface->window());
    if (form == nullptr) return;
    for (const FormControl& entry : form->Model().Controls()) {
      const auto* label = dynamic_cast<const TLabel*>(entry.drawn);
      if (label == nullptr || entry.parent != "Form1") continue;
      Add(new DrawnControlInterface(surface, surface, label));
    }
    for (const FormControl& entry : form->Model().Controls()) {
      if (entry.drawn == nullptr || PictureDescription(entry.name).empty()) continue;
      QWidget* host = entry.parent == "Form1" ? surface : form->Windowed(entry.parent);
      if (host != nullptr) Add(new DrawnControlInterface(surface, host, entry.drawn));
    }
  }
  ~FormSurfaceInterface() override {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(drawn_.size()); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const auto i = static_cast<std::size_t>(index - widgets);
    return i < drawn_.size() ? drawn_[i] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
      if (drawn_[i] == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
    }
    return QAccessibleWidget::indexOfChild(child);
  }

  DrawnControlInterface* DrawnNamed(std::string_view name) const {
    for (DrawnControlInterface* label : drawn_) {
      if (label->Control()->Name() == name) return label;
    }
    return nullptr;
  }

 private:
  void Add(DrawnControlInterface* child) {
    ids_.push_back(QAccessible::registerAccessibleInterface(child));
    drawn_.push_back(child);
  }

  std::vector<DrawnControlInterface*> drawn_;
  std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* SurfaceFactory(const QString& class_name, QObject* object) {
  if (!object->isWidgetType()) return nullptr;
  if (class_name == QLatin1String(qt::FormSurface::staticMetaObject.className())) {
    return new FormSurfaceInterface(static_cast<QWidget*>(object));
  }
  // The main window is a plain widget, which would read as a mere filler:
  // a screen reader announces it as the application's frame, by its title.
  if (class_name == QLatin1String(qt::TForm1::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

// Tells assistive technology that the caption of the drawn label `name` of
// `form` changed (nothing happens when none is listening).
void AnnounceCaptionChange(qt::TForm1& form, std::string_view name) {
  if (!QAccessible::isActive()) return;
  auto* surface = dynamic_cast<FormSurfaceInterface*>(QAccessible::queryAccessibleInterface(form.Surface()));
  if (surface == nullptr) return;
  if (DrawnControlInterface* label = surface->DrawnNamed(name)) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace

void ExposeToAssistiveTechnology(qt::TForm1& form) {
  static const bool installed = [] {
    QAccessible::installFactory(&SurfaceFactory);
    return true;
  }();
  (void)installed;

  // The heading bars read as their caption. A picture's panel keeps no name:
  // its caption ("Panel2") lies hidden under the picture, which has its own.
  const std::vector<FormControl>& all = form.Model().Controls();
  for (const FormControl& entry : all) {
    auto* panel = dynamic_cast<qt::TPanel*>(entry.windowed);
    if (panel == nullptr || panel->Look().caption.empty()) continue;
    const bool frames_a_picture = std::any_of(all.begin(), all.end(), [&](const FormControl& inner) {
      return inner.parent == entry.name && !PictureDescription(inner.name).empty();
    });
    if (!frames_a_picture) panel->setAccessibleName(FromCp1252(panel->Look().caption).trimmed());
  }

  for (const CalculatorInfo& calculator : Calculators()) {
    for (const FieldInfo& field : calculator.fields) {
      if (QWidget* edit = form.Windowed(field.edit_box)) edit->setAccessibleName(Utf8(EditBoxName(calculator, field)));
    }
    const ComputeButtons& buttons = ButtonsOf(calculator);
    for (const char* name : {buttons.standard, buttons.colored}) {
      if (QWidget* button = form.Windowed(name)) button->setAccessibleName(Utf8(ComputeButtonName(calculator)));
    }
    if (QWidget* standard = form.Windowed(buttons.standard)) {
      standard->setAccessibleDescription(Utf8(CoveredButtonDescription(calculator)));
    }
  }
  form.Model().SetCaptionListener([&form](std::string_view name) { AnnounceCaptionChange(form, name); });
}

}  // namespace anod
