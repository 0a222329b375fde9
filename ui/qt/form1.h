// TForm1 on Qt: the main window's shell around its model (ui/form_model.h).
// It creates the Qt widgets the model asks for, paints the client area's
// drawn controls through the canvas, and turns Qt's focus keys and first
// show into questions to the model.
//
// What start-up needs:
//
//   RegisterJPEGFormats();   // pictures/jpeg_module.h, before building:
//                            // without it the pictures stay empty
//   HandlerTable handlers = {
//     {"btn1Click", [&] { ... }}, {"btn2Click", ...},
//     {"Button1Click", ...}, {"Button2Click", ...}};
//   std::unique_ptr<TForm1> form = BuildForm1(handlers);   // may throw
//   form->Model().SetFailureSink([](const Exception& e) { ... report e ... });
//   form->show();            // centred on the primary screen the first time
//   form->Windowed("Edit1")  -> the edit box's QWidget
//
// Texts, captions and the controls' places are the model's
// (form->Model().EditText("Edit1")). A failure raised by painting (a
// picture that cannot be decoded) is caught where the event is dispatched
// and handed to the model's failure sink, inside that event; a sink that
// shows a modal box should do so through a queued call.
#pragma once

#include <QScrollArea>
#include <QWidget>
#include <memory>
#include <span>
#include <string_view>

#include "ui/form1_description.h"
#include "ui/form_model.h"
#include "ui/qt/windowed_controls.h"

namespace anod::qt {

// The window's client area below the scroll bars: it paints the window's
// colour and the window's own drawn controls.
class FormSurface final : public QWidget {
  Q_OBJECT
 public:
  explicit FormSurface(QWidget* parent);
  void SetColor(TColor color);
  TColor Color() const { return color_; }
  void SetHost(const DrawnHost* host) { host_ = host; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor color_ = clBtnFace;
  const DrawnHost* host_ = nullptr;
};

class TForm1 final : public QWidget, private WindowedControlFactory {
  Q_OBJECT
 public:
  TForm1();
  ~TForm1() override;

  FormModel& Model() { return *model_; }
  const FormModel& Model() const { return *model_; }

  // The Qt widget of a windowed control, by name; null for none.
  QWidget* Windowed(std::string_view name) const;
  template <class T>
  T* As(std::string_view name) const {
    return dynamic_cast<T*>(Windowed(name));
  }

  QScrollArea* ScrollArea() const { return scroll_; }
  FormSurface* Surface() const { return surface_; }

  // ---- Focus ----
  // Tab (forward) and Shift+Tab: the next tab stop, wrapping.
  bool MoveFocusToNextTabStop(bool forward);
  // Arrow keys: the next windowed control in tab order, tab stop or not.
  bool MoveFocusInTabOrder(QWidget* from, bool forward);

  void setVisible(bool visible) override;

 protected:
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend std::unique_ptr<TForm1> BuildFormFromDescription(std::span<const std::uint8_t>, const HandlerTable&,
                                                          const BuildOptions&);
  void Build(std::span<const std::uint8_t> description, const HandlerTable& handlers, BuildOptions options);
  QWidget* ParentWidget(WindowedControl* parent) const;
  template <class W>
  W& Adopt(W* widget);
  const FormControl* ControlOf(const QWidget* widget) const;

  // WindowedControlFactory
  void WindowRead(const WindowProperties& window) override;
  EditBoxControl& CreateEditBox(const EditBoxModel& model, WindowedControl* parent) override;
  WindowedControl& CreatePushButton(PushButtonModel& model, WindowedControl* parent) override;
  WindowedControl& CreateStaticText(const StaticTextModel& model, WindowedControl* parent) override;
  WindowedControl& CreatePanel(PanelModel& model, WindowedControl* parent) override;
  ColoredButtonControl& CreateColoredButton(WindowedControl* parent) override;

  QScrollArea* scroll_ = nullptr;
  FormSurface* surface_ = nullptr;
  std::unique_ptr<FormModel> model_;
  FontSpec surface_font_;  // the window font as the surface has it
};

// Builds the main window from the description carried in the program.
// BuildOptions left at their defaults take the primary screen's pixels per
// inch and measure the window font as Qt maps it.
std::unique_ptr<TForm1> BuildForm1(const HandlerTable& handlers, const BuildOptions& options = {});
// Builds it from a given compiled description (tests hand damaged ones).
std::unique_ptr<TForm1> BuildFormFromDescription(std::span<const std::uint8_t> description,
                                                 const HandlerTable& handlers, const BuildOptions& options = {});

}  // namespace anod::qt
