// Windowed controls: child widgets of their own, above every drawn control of
// their parent, a later sibling above an earlier one. They paint through the
// canvas with the looks of ui/control_looks.h.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/failures.h"
#include "platform/canvas.h"
#include "ui/control_looks.h"
#include "ui/description_stream.h"
#include "ui/drawn_controls.h"

namespace anod {

// Receives a failure raised while the window paints or runs a handler.
using FailureSink = std::function<void(const Exception&)>;

// What the description reader sets on every control besides its bounds.
class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;
  // False when the kind has no such property; EReadError on a bad value.
  virtual bool ApplyProperty(std::string_view path, const Value& value) = 0;
  virtual void ScaleFont(int /*num*/, int /*den*/) {}
  // Every property of the control has been read.
  virtual void Loaded() {}
};

// A widget that paints drawn controls: the window's surface and panels.
class DrawnHost {
 public:
  explicit DrawnHost(QWidget& widget) : widget_(widget) {}
  DrawnControl& AddDrawn(std::unique_ptr<DrawnControl> control);
  const std::vector<std::unique_ptr<DrawnControl>>& Drawn() const { return drawn_; }
  void SetFailureSink(FailureSink sink) { sink_ = std::move(sink); }

 protected:
  // Paints every drawn control that meets `dirty`, in creation order, each
  // translated to and clipped by its rectangle. A failure of one control is
  // reported and the others still paint.
  void PaintDrawn(Canvas& canvas, const Rect& dirty);

 private:
  QWidget& widget_;
  std::vector<std::unique_ptr<DrawnControl>> drawn_;
  FailureSink sink_;
};

class TEdit final : public QLineEdit, public PropertyTarget {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent);
  // Font and colour properties are stored as they are read; the look is
  // applied once, when the last of them has been read.
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void Loaded() override;
  void ScaleFont(int num, int den) override;
  const FontSpec& DescribedFont() const { return font_; }
  TColor Color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyLook();
  FontSpec font_;
  TColor color_ = clWindow;
};

class TButton final : public QAbstractButton, public PropertyTarget {
  Q_OBJECT
 public:
  explicit TButton(QWidget* parent);
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
  void SetOnClick(std::function<void()> handler) { on_click_ = std::move(handler); }
  const std::string& Caption() const { return look_.caption; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  PushButtonLook look_;
  std::function<void()> on_click_;
};

class TStaticText final : public QWidget, public PropertyTarget {
  Q_OBJECT
 public:
  explicit TStaticText(QWidget* parent);
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
  const std::string& Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string caption_;
  TColor color_ = clBtnFace;
  FontSpec font_;
};

class TPanel final : public QWidget, public DrawnHost, public PropertyTarget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent);
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
  // A panel without a font of its own follows the window font.
  void SetParentFont(const FontSpec& font);
  const PanelLook& Look() const { return look_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PanelLook look_;
  bool parent_font_ = true;
};

}  // namespace anod
