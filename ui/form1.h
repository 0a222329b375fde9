// TForm1: the main window, built from its description.
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
// Building reads the description in creation order: the window's own
// properties, then the 72 controls, each with its properties; an `OnClick`
// names a handler of the table. Every failure while building is an
// `Exception` (an `EReadError` "Erreur lors de la lecture de ..." for a
// damaged description or an unknown handler, whose message names the
// control and property); nothing is shown: the caller reports it.
//
// After building, a failure raised by a handler (a calculation failing) or
// by painting (a picture that cannot be decoded) is caught where the event
// is dispatched and handed to the failure sink, inside that event; a sink
// that shows a modal box should do so through a queued call. Without a sink
// the message goes to Qt's warning output.
#pragma once

#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/failures.h"
#include "platform/canvas.h"
#include "ui/drawn_controls.h"
#include "ui/scaling.h"
#include "ui/windowed_controls.h"

namespace anod {

using HandlerTable = std::map<std::string, std::function<void()>, std::less<>>;

// One control as built, in creation order.
struct ControlEntry {
  std::string name;
  std::string class_name;
  std::string parent;          // "Form1" or the panel's name
  QWidget* widget = nullptr;   // windowed controls
  DrawnControl* drawn = nullptr;  // drawn controls
  PropertyTarget* target = nullptr;
  int tab_order = -1;          // -1 for drawn controls
  bool tab_stop = false;
  Rect Bounds() const;         // relative to the parent's client area
};

// The window's client area below the scroll bars: it paints the window's
// colour and the window's own drawn controls.
class FormSurface final : public QWidget, public DrawnHost {
  Q_OBJECT
 public:
  explicit FormSurface(QWidget* parent);
  void SetColor(TColor color);
  TColor Color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor color_ = clBtnFace;
};

class TForm1 final : public QWidget {
  Q_OBJECT
 public:
  // The classic frame the outer size is counted with: a 4-pixel sizing
  // border on every side and a 19-pixel title bar, so the outer 1081 x 963
  // leaves a client area of 1073 x 936.
  static constexpr int kFrameBorder = 4;
  static constexpr int kTitleBar = 19;

  TForm1();
  ~TForm1() override;

  // ---- Looking controls up ----
  const std::vector<ControlEntry>& Controls() const { return controls_; }
  const ControlEntry* Find(std::string_view name) const;
  QWidget* Windowed(std::string_view name) const;
  DrawnControl* Drawn(std::string_view name) const;
  template <class T>
  T* As(std::string_view name) const {
    const ControlEntry* entry = Find(name);
    if (entry == nullptr) return nullptr;
    if (entry->widget != nullptr) return dynamic_cast<T*>(entry->widget);
    return nullptr;
  }
  TLabel* Label(std::string_view name) const { return dynamic_cast<TLabel*>(Drawn(name)); }

  // Texts in Windows-1252. Unknown names or kinds: an empty text, no change.
  std::string EditText(std::string_view name) const;
  void SetEditText(std::string_view name, std::string_view text);
  std::string LabelCaption(std::string_view name) const;
  void SetLabelCaption(std::string_view name, std::string caption);

  // ---- Failures after building ----
  void SetFailureSink(FailureSink sink);
  void ReportFailure(const Exception& failure) const;
  // Wraps a handler so that a failure it raises goes to the sink.
  std::function<void()> Guarded(std::function<void()> handler);

  // ---- Geometry ----
  Size OuterSize() const { return outer_size_; }
  Size ClientSizeFor(Size outer) const {
    return {outer.cx - 2 * kFrameBorder, outer.cy - 2 * kFrameBorder - kTitleBar};
  }
  // The largest right and bottom edges of the window's direct children.
  Size ScrollRange() const;
  QScrollArea* ScrollArea() const { return scroll_; }
  FormSurface* Surface() const { return surface_; }
  // Moves the window per the centring rule on `screen`, kept inside
  // `available` and shrunk to it where needed (FirstPlacement).
  void PlaceCentred(const Rect& screen, const Rect& available);
  TColor Color() const { return surface_->Color(); }
  const FontSpec& WindowFont() const { return font_; }

  // ---- Focus ----
  // Windowed controls by TabOrder (creation order among equals).
  std::vector<QWidget*> TabList() const;
  // Tab (forward) and Shift+Tab: the next tab stop, wrapping.
  bool MoveFocusToNextTabStop(bool forward);
  // Arrow keys: the next windowed control in tab order, tab stop or not.
  bool MoveFocusInTabOrder(QWidget* from, bool forward);

  void setVisible(bool visible) override;

  // Keeps a property target that is not the control itself.
  PropertyTarget* AdoptTarget(std::unique_ptr<PropertyTarget> target) {
    owned_targets_.push_back(std::move(target));
    return owned_targets_.back().get();
  }

 protected:
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class FormBuilder;
  void AddEntry(ControlEntry entry);
  void FinishBuilding(const ScalePlan& plan);

  QScrollArea* scroll_ = nullptr;
  FormSurface* surface_ = nullptr;
  std::vector<ControlEntry> controls_;
  std::vector<std::unique_ptr<PropertyTarget>> owned_targets_;
  std::map<std::string, std::size_t, std::less<>> by_name_;
  FontSpec font_;
  Size outer_size_{1081, 963};
  Point stored_position_;
  bool centre_on_show_ = false;
  bool placed_ = false;
  FailureSink sink_;
};

// How the building measures the screen; tests inject their own.
struct BuildOptions {
  int pixels_per_inch = 0;  // 0: the primary screen's
  std::function<int(int font_height)> zero_height;  // empty: measure the mapped font
};

// Builds the main window from the description carried in the executable.
std::unique_ptr<TForm1> BuildForm1(const HandlerTable& handlers, const BuildOptions& options = {});
// Builds it from a given compiled description (tests hand damaged ones).
std::unique_ptr<TForm1> BuildFormFromDescription(std::span<const std::uint8_t> description,
                                                 const HandlerTable& handlers, const BuildOptions& options = {});
// The compiled description carried in the executable.
std::span<const std::uint8_t> Form1Description();

}  // namespace anod
