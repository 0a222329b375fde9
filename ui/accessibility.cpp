#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <vector>

#include "core/calculators.h"
#include "platform/qt/qt_text.h"
#include "ui/form1.h"

namespace anod {
namespace {

// The two compute buttons of each calculator, by its operation.
struct ButtonPair {
  const char* operation;
  const char* standard;
  const char* colored;
};
constexpr ButtonPair kComputeButtons[] = {
    {"btn1Click", "btn1", "VividButton1"},
    {"btn2Click", "btn2", "VividButton2"},
    {"Button1Click", "Button1", "VividButton3"},
    {"Button2Click", "Button2", "VividButton4"},
};

// What a label shows, for the labels whose caption alone does not say it.
QString LabelRole(std::string_view name) {
  if (name == kCurrentLabel) return QString::fromUtf8("Courant d'électrolyse");
  for (const CalculatorInfo& calculator : Calculators()) {
    if (name == calculator.surface_label) {
      return QStringLiteral("Surface (%1)").arg(FromCp1252(calculator.title));
    }
  }
  return {};
}

// One drawn label of the window's surface.
class DrawnLabelInterface final : public QAccessibleInterface {
 public:
  DrawnLabelInterface(QWidget* surface, const TLabel* label) : surface_(surface), label_(label) {}

  bool isValid() const override { return !surface_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return surface_ ? surface_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(surface_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!surface_) return {};
    switch (t) {
      case QAccessible::Name: return FromCp1252(label_->Caption()).trimmed();
      case QAccessible::Value: return FromCp1252(label_->Caption());
      case QAccessible::Description: return LabelRole(label_->Name());
      default: return {};
    }
  }

  QRect rect() const override {
    if (!surface_) return {};
    const Rect& b = label_->Bounds();
    return {surface_->mapToGlobal(QPoint(b.left, b.top)), QSize(b.Width(), b.Height())};
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    if (!surface_ || !surface_->isVisible()) s.invisible = true;
    return s;
  }

  const TLabel* Label() const { return label_; }

 private:
  QPointer<QWidget> surface_;
  const TLabel* label_;
};

// The window's surface: its child widgets, then its drawn labels.
class FormSurfaceInterface final : public QAccessibleWidget {
 public:
  explicit FormSurfaceInterface(QWidget* surface) : QAccessibleWidget(surface, QAccessible::Client) {
    const auto* form = qobject_cast<const TForm1*>(surface->window());
    if (form == nullptr) return;
    for (const ControlEntry& entry : form->Controls()) {
      const auto* label = dynamic_cast<const TLabel*>(entry.drawn);
      if (label == nullptr || entry.parent != "Form1") continue;
      auto* child = new DrawnLabelInterface(surface, label);
      ids_.push_back(QAccessible::registerAccessibleInterface(child));
      labels_.push_back(child);
    }
  }
  ~FormSurfaceInterface() override {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(labels_.size()); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const auto i = static_cast<std::size_t>(index - widgets);
    return i < labels_.size() ? labels_[i] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
      if (labels_[i] == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
    }
    return QAccessibleWidget::indexOfChild(child);
  }

  DrawnLabelInterface* LabelNamed(std::string_view name) const {
    for (DrawnLabelInterface* label : labels_) {
      if (label->Label()->Name() == name) return label;
    }
    return nullptr;
  }

 private:
  std::vector<DrawnLabelInterface*> labels_;
  std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* SurfaceFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(FormSurface::staticMetaObject.className()) && object->isWidgetType()) {
    return new FormSurfaceInterface(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void ExposeToAssistiveTechnology(TForm1& form) {
  static const bool installed = [] {
    QAccessible::installFactory(&SurfaceFactory);
    return true;
  }();
  (void)installed;

  for (const CalculatorInfo& calculator : Calculators()) {
    const QString column = FromCp1252(calculator.title);
    for (const FieldInfo& field : calculator.fields) {
      if (QWidget* edit = form.Windowed(field.edit_box)) {
        edit->setAccessibleName(QStringLiteral("%1 (%2)").arg(FromCp1252(field.word), column));
      }
    }
    for (const ButtonPair& pair : kComputeButtons) {
      if (std::string_view(pair.operation) != calculator.operation) continue;
      for (const char* name : {pair.standard, pair.colored}) {
        if (QWidget* button = form.Windowed(name)) {
          button->setAccessibleName(QStringLiteral("Calculer la surface (%1)").arg(column));
        }
      }
    }
  }
}

void AnnounceCaptionChange(TForm1& form, std::string_view name) {
  if (!QAccessible::isActive()) return;
  auto* surface = dynamic_cast<FormSurfaceInterface*>(QAccessible::queryAccessibleInterface(form.Surface()));
  if (surface == nullptr) return;
  if (DrawnLabelInterface* label = surface->LabelNamed(name)) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace anod
