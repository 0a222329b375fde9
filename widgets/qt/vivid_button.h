// TVividButton on Qt: a QPushButton that hands its input to the colored
// button's model (widgets/vivid_button_model.h) and paints it through a
// canvas on QPainter. It holds the toolkit's part only: the drop-down menu,
// the focus policy, the platform text with its accelerator, and the hooks
// the model asks of its toolkit.
//
//   auto* b = new TVividButton(form);
//   b->SetButtonStyle(ubsExplorerColored);
//   b->SetColor(clBlack);                       // ParentColor becomes false
//   b->SetFont({"MS Sans Serif", -19, true, false, false, false, clLime});
//   b->ButtonLayout().SetSpacing(1);
//   b->SetCaption("Calculer la surface");
//   b->setGeometry(16, 200, 226, 24);
//   b->OnClick = [] { ... };
//
// The parent's colour and font (ParentColor, ParentFont) are its "anodColor"
// property (a TColor) and "anodFont" property (a FontSpec).
#pragma once

#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include "widgets/vivid_button_model.h"

namespace anod {

class TVividCustomButton : public QPushButton, public TVividButtonModel {
  Q_OBJECT
 public:
  explicit TVividCustomButton(QWidget* parent = nullptr);

  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool on) { setEnabled(on); }
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }
  // Hiding clears MouseInside and stops the repeat timer first.
  void setVisible(bool visible) override;

  QMenu* DropDownMenu() const { return drop_down_menu_; }
  void SetDropDownMenu(QMenu* menu) { drop_down_menu_ = menu; }  // cleared when the menu is destroyed

  QSize sizeHint() const override { return {75, 25}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

  Size ClientSize() const override { return {width(), height()}; }
  bool IsEnabled() const override { return isEnabled(); }
  bool HasFocus() const override { return hasFocus(); }
  void TakeFocus() override;
  bool WindowIsActive() const override;
  bool RightToLeft() const override { return layoutDirection() == Qt::RightToLeft; }
  void Invalidate() override { update(); }
  void RepaintNow() override { repaint(); }
  TColor ParentColorValue() const override;
  FontSpec ParentFontValue() const override;
  bool IsOutlineFace(const FontSpec& font) const override;
  void CaptionChanged() override;
  void HideHintNow() override;
  void DefaultChanged() override;
  void SetWindowModalResult(int result) override;
  bool HasDropDownMenu() const override { return drop_down_menu_ != nullptr; }
  bool ShowDropDownMenu(Point corner) override;
  void SetPressedLook(bool down) override { setDown(down); }
  void ReleasePointer() override;

 private:
  // A press or the second press of a double click.
  void Press(QMouseEvent* event);

  QPointer<QMenu> drop_down_menu_;
};

// The published form: no behaviour of its own.
class TVividButton : public TVividCustomButton {
  Q_OBJECT
 public:
  explicit TVividButton(QWidget* parent = nullptr) : TVividCustomButton(parent) {}
};

}  // namespace anod

Q_DECLARE_METATYPE(anod::FontSpec)
