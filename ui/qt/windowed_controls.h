// The windowed controls on Qt: child widgets that show a model of
// ui/windowed_models.h, paint it through the canvas with the looks of
// ui/control_looks.h and hand their input to it.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

#include "ui/form_model.h"
#include "widgets/qt/vivid_button.h"

namespace anod::qt {

// A widget's rectangle (a paint event's, a geometry) in the model's terms:
// QRect(10, 20, 30, 40) -> Rect{10, 20, 40, 60}.
inline Rect ToRect(const QRect& r) { return Rect::FromBounds(r.x(), r.y(), r.width(), r.height()); }

class TEdit final : public QLineEdit, public EditBoxControl {
  Q_OBJECT
 public:
  TEdit(const EditBoxModel& model, QWidget* parent);
  void SetBounds(const Rect& bounds) override { setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height()); }
  // The font and colours, and the starting text the first time.
  void ApplyLook() override;
  std::string Text() const override;
  void SetText(std::string_view text) override;
  const FontSpec& DescribedFont() const { return model_.font; }
  TColor Color() const { return model_.color; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const EditBoxModel& model_;
  bool text_set_ = false;
};

class TButton final : public QAbstractButton, public WindowedControl {
  Q_OBJECT
 public:
  TButton(PushButtonModel& model, QWidget* parent);
  void SetBounds(const Rect& bounds) override { setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height()); }
  void ApplyLook() override;
  const std::string& Caption() const { return model_.look.caption; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  PushButtonModel& model_;
};

class TStaticText final : public QWidget, public WindowedControl {
  Q_OBJECT
 public:
  TStaticText(const StaticTextModel& model, QWidget* parent);
  void SetBounds(const Rect& bounds) override { setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height()); }
  void ApplyLook() override { update(); }
  const std::string& Caption() const { return model_.caption; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const StaticTextModel& model_;
};

class TPanel final : public QWidget, public WindowedControl {
  Q_OBJECT
 public:
  TPanel(PanelModel& model, QWidget* parent);
  void SetBounds(const Rect& bounds) override { setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height()); }
  void ApplyLook() override { update(); }
  const PanelLook& Look() const { return model_.look; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PanelModel& model_;
};

// The colored button as a control of the window: the button is its model.
class TWindowVividButton final : public TVividButton, public ColoredButtonControl {
  Q_OBJECT
 public:
  explicit TWindowVividButton(QWidget* parent) : TVividButton(parent) {}
  void SetBounds(const Rect& bounds) override { setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height()); }
  TVividButtonModel& Model() override { return *this; }
};

}  // namespace anod::qt
