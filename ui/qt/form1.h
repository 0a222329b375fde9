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
//   form->SetFailureSink([](const Exception& e) { ... report e ... });
//   form->show();            // centred on the primary screen the first time
//
//   form->EditText("Edit1")              -> the field's text, Windows-1252
//   form->SetLabelCaption("lbl4", " 244.92 Cm\xB2 ")   repaints the label
//   form->LabelCaption("Label19")        -> "0 mA"
//
// A failure raised by a handler (a calculation failing) or by painting (a
// picture that cannot be decoded) is caught where the event is dispatched
// and handed to the failure sink, inside that event; a sink that shows a
// modal box should do so through a queued call. Without a sink the message
// goes to Qt's warning output.
#pragma once

#include <QScrollArea>
#include <QWidget>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form1_description.h"
#include "ui/form_model.h"
#include "ui/qt/windowed_controls.h"

namespace anod {

// One control as built, in creation order, with its Qt widget.
struct ControlEntry {
  std::string name;
  std::string class_name;
  std::string parent;             // "Form1" or the panel's name
  QWidget* widget = nullptr;      // windowed controls
  DrawnControl* drawn = nullptr;  // drawn controls
  int tab_order = -1;             // -1 for drawn controls
  bool tab_stop = false;
  Rect Bounds() const;            // relative to the parent's client area
};

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

  // ---- Looking controls up ----
  const std::vector<ControlEntry>& Controls() const { return controls_; }
  const ControlEntry* Find(std::string_view name) const;
  QWidget* Windowed(std::string_view name) const;
  DrawnControl* Drawn(std::string_view name) const;
  template <class T>
  T* As(std::string_view name) const {
    return dynamic_cast<T*>(Windowed(name));
  }
  TLabel* Label(std::string_view name) const { return model_->Label(name); }

  // Texts in Windows-1252. Unknown names or kinds: an empty text, no change.
  std::string EditText(std::string_view name) const { return model_->EditText(name); }
  void SetEditText(std::string_view name, std::string_view text) { model_->SetEditText(name, text); }
  std::string LabelCaption(std::string_view name) const { return model_->LabelCaption(name); }
  void SetLabelCaption(std::string_view name, std::string caption) {
    model_->SetLabelCaption(name, std::move(caption));
  }

  // ---- Failures after building ----
  void SetFailureSink(FailureSink sink) { sink_ = std::move(sink); }
  void ReportFailure(const Exception& failure) const;

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
  std::vector<ControlEntry> controls_;
  std::map<std::string, std::size_t, std::less<>> by_name_;
  FontSpec surface_font_;  // the window font as the surface has it
  FailureSink sink_;
};

// Builds the main window from the description carried in the program.
// BuildOptions left at their defaults take the primary screen's pixels per
// inch and measure the window font as Qt maps it.
std::unique_ptr<TForm1> BuildForm1(const HandlerTable& handlers, const BuildOptions& options = {});
// Builds it from a given compiled description (tests hand damaged ones).
std::unique_ptr<TForm1> BuildFormFromDescription(std::span<const std::uint8_t> description,
                                                 const HandlerTable& handlers, const BuildOptions& options = {});

}  // namespace anod
