// The reader's sink that builds the window: the window's own properties,
// then each control in creation order, created by kind.
#include <memory>

#include "pictures/stored_value.h"
#include "ui/description_reader.h"
#include "ui/form_model.h"
#include "ui/picture_control.h"
#include "ui/property_values.h"
#include "ui/read_messages.h"
#include "ui/vivid_control.h"

namespace anod {
namespace {

// Drawn controls take their properties themselves.
class DrawnTarget final : public PropertyTarget {
 public:
  explicit DrawnTarget(DrawnControl& control) : control_(control) {}
  bool ApplyProperty(std::string_view path, const Value& value) override {
    return control_.ApplyProperty(path, value);
  }
  void ScaleFont(int num, int den) override { control_.ScaleFont(num, den); }

 private:
  DrawnControl& control_;
};

template <class T>
void MakeDrawn(FormControl& entry, DrawnHost& host) {
  DrawnControl& control = host.AddDrawn(std::make_unique<T>(entry.name));
  entry.drawn = &control;
  entry.properties = std::make_unique<DrawnTarget>(control);
}

template <class Model, class Create>
void MakeWindowed(FormControl& entry, bool tab_stop, Create create) {
  auto model = std::make_unique<Model>();
  entry.windowed = &create(*model);
  entry.properties = std::move(model);
  entry.tab_stop = tab_stop;
}

}  // namespace

class FormBuilder final : public DescriptionSink {
 public:
  FormBuilder(const HandlerTable& handlers, WindowedControlFactory& factory, const BuildOptions& options)
      : handlers_(handlers), factory_(factory), options_(options) {}

  std::unique_ptr<FormModel> Take() { return std::move(form_); }

  void BeginObject(std::string_view class_name, std::string_view name) override {
    if (!form_) {
      if (class_name != "TForm1" || done_) throw EReadError(UnknownClassMessage(class_name));
      form_ = std::make_unique<FormModel>();
      form_->window_.name = std::string(name);
      stack_.push_back({nullptr, &form_->surface_, form_->window_.name});
      current_.reset();
      return;
    }
    if (form_->Find(name) != nullptr || name.empty()) {
      throw EReadError("Un composant nomm\xE9 " + std::string(name) + " existe d\xE9j\xE0");
    }
    const Container parent = stack_.back();
    if (parent.host == nullptr) throw EReadError(kStreamReadError);
    FormControl entry;
    entry.name = std::string(name);
    entry.class_name = std::string(class_name);
    entry.parent = parent.name;
    DrawnHost* host = nullptr;
    if (class_name == "TLabel") MakeDrawn<TLabel>(entry, *parent.host);
    else if (class_name == "TBevel") MakeDrawn<TBevel>(entry, *parent.host);
    else if (class_name == "TShape") MakeDrawn<TShape>(entry, *parent.host);
    else if (class_name == "TImage") MakeDrawn<ImageControl>(entry, *parent.host);
    else if (class_name == "TEdit") {
      MakeWindowed<EditBoxModel>(entry, true, [&](EditBoxModel& m) -> WindowedControl& {
        return factory_.CreateEditBox(m, parent.control);
      });
    } else if (class_name == "TButton") {
      MakeWindowed<PushButtonModel>(entry, true, [&](PushButtonModel& m) -> WindowedControl& {
        return factory_.CreatePushButton(m, parent.control);
      });
    } else if (class_name == "TStaticText") {
      MakeWindowed<StaticTextModel>(entry, false, [&](StaticTextModel& m) -> WindowedControl& {
        return factory_.CreateStaticText(m, parent.control);
      });
    } else if (class_name == "TPanel") {
      MakeWindowed<PanelModel>(entry, false, [&](PanelModel& m) -> WindowedControl& {
        m.look.font = form_->window_.font;  // until it has a font of its own
        m.host.SetFailureSink([form = form_.get()](const Exception& failure) { form->ReportFailure(failure); });
        host = &m.host;
        return factory_.CreatePanel(m, parent.control);
      });
    } else if (class_name == "TVividButton") {
      ColoredButtonControl& button = factory_.CreateColoredButton(parent.control);
      entry.windowed = &button;
      entry.properties = std::make_unique<VividButtonTarget>(button.Model());
      entry.tab_stop = true;
    } else {
      throw EReadError(UnknownClassMessage(class_name));
    }
    form_->by_name_[entry.name] = form_->controls_.size();
    stack_.push_back({entry.windowed, host, entry.name});
    form_->controls_.push_back(std::move(entry));
    current_ = form_->controls_.size() - 1;
  }

  void SetProperty(std::string_view path, const Value& value) override {
    if (!current_) {
      SetWindowProperty(path, value);
      return;
    }
    FormControl& entry = form_->controls_[*current_];
    Rect& b = entry.bounds;
    if (path == "Left" || path == "Top") {
      const int v = IntValue(value);
      b = path == "Left" ? Rect::FromBounds(v, b.top, b.Width(), b.Height())
                         : Rect::FromBounds(b.left, v, b.Width(), b.Height());
    } else if (path == "Width" || path == "Height") {
      const int v = IntValue(value);
      if (v < 0) throw EReadError(kInvalidPropertyValue);
      (path == "Width" ? b.right : b.bottom) = (path == "Width" ? b.left : b.top) + v;
    } else if (path == "TabOrder" && entry.windowed != nullptr) {
      entry.tab_order = IntValue(value);
      if (entry.tab_order < 0) throw EReadError(kInvalidPropertyValue);
      return;
    } else if (path == "OnClick") {
      BindClick(entry, path, IdentValue(value));
      return;
    } else {
      if (!entry.properties->ApplyProperty(path, value)) throw EReadError(UnknownPropertyMessage(path));
      return;
    }
    if (entry.drawn != nullptr) entry.drawn->SetBounds(b);
  }

  void EndProperties() override {
    if (current_) {
      FormControl& entry = form_->controls_[*current_];
      entry.properties->Loaded();
      if (entry.windowed != nullptr) {
        entry.windowed->SetBounds(entry.bounds);
        entry.windowed->ApplyLook();
      }
    } else if (form_ && stack_.size() == 1) {
      factory_.WindowRead(form_->window_);
    }
  }

  void EndObject() override {
    stack_.pop_back();
    if (stack_.empty()) {
      done_ = true;
      Finish();
      return;
    }
    current_.reset();  // no more properties until the next object begins
  }

 private:
  struct Container {
    WindowedControl* control;  // null: the window's client area
    DrawnHost* host;           // null: holds no drawn controls
    std::string name;
  };

  void BindClick(FormControl& entry, std::string_view path, const std::string& handler) {
    const auto it = handlers_.find(handler);
    if (it == handlers_.end()) throw EReadError(UnknownHandlerMessage(handler));
    if (auto* button = entry.As<PushButtonModel>()) {
      button->on_click = it->second;
    } else if (auto* colored = dynamic_cast<ColoredButtonControl*>(entry.windowed)) {
      colored->Model().OnClick = it->second;
    } else {
      throw EReadError(UnknownPropertyMessage(path));
    }
  }

  void SetWindowProperty(std::string_view path, const Value& value) {
    WindowProperties& window = form_->window_;
    if (ApplyFontProperty(window.font, path, value)) return;
    if (path == "Caption") {
      window.caption = TextValue(value);
    } else if (path == "Left") {
      window.stored_position.x = IntValue(value);
    } else if (path == "Top") {
      window.stored_position.y = IntValue(value);
    } else if (path == "Width" || path == "Height") {
      const int v = IntValue(value);
      if (v <= 0) throw EReadError(kInvalidPropertyValue);
      (path == "Width" ? window.outer_size.cx : window.outer_size.cy) = v;
    } else if (path == "Color") {
      window.color = ColorValue(value);
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
      window.system_menu = window.minimize_box = window.maximize_box = false;
      for (const std::string& icon : value.set) {
        if (icon == "biSystemMenu") window.system_menu = true;
        else if (icon == "biMinimize") window.minimize_box = true;
        else if (icon == "biMaximize") window.maximize_box = true;
        else throw EReadError(kInvalidPropertyValue);
      }
    } else if (path == "WindowState") {
      EnumValue(value, {"wsNormal"});
    } else if (path == "Position") {
      window.centre_on_show = EnumValue(value, {"poDesigned", "poScreenCenter"}) == 1;
    } else if (path == "AutoScroll") {
      window.auto_scroll = BoolValue(value);
    } else if (path == "Icon.Data") {
      window.icon = DecodeIconFile(BytesValue(value));
    } else {
      throw EReadError(UnknownPropertyMessage(path));
    }
  }

  void Finish() {
    design_.font_height = form_->window_.font.height;
    const int ppi = options_.pixels_per_inch > 0 ? options_.pixels_per_inch : 96;
    const DesignMetrics design = design_;
    auto measure = options_.zero_height ? options_.zero_height : [design](int) { return design.text_height; };
    form_->Finish(MakeScalePlan(ppi, measure, design_));
  }

  const HandlerTable& handlers_;
  WindowedControlFactory& factory_;
  const BuildOptions& options_;
  std::unique_ptr<FormModel> form_;
  std::vector<Container> stack_;
  std::optional<std::size_t> current_;
  DesignMetrics design_;
  bool done_ = false;
};

std::unique_ptr<FormModel> BuildFormModel(std::span<const std::uint8_t> description, const HandlerTable& handlers,
                                          WindowedControlFactory& factory, const BuildOptions& options) {
  FormBuilder builder(handlers, factory, options);
  ReadDescription(description, builder);
  std::unique_ptr<FormModel> form = builder.Take();
  if (!form) throw EReadError(kStreamReadError);
  return form;
}

}  // namespace anod
