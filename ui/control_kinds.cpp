#include "ui/control_kinds.h"

#include <memory>

#include "ui/picture_control.h"
#include "ui/vivid_control.h"

namespace anod {
namespace {

template <class T>
ControlEntry Drawn(std::string name, DrawnHost& host) {
  auto control = std::make_unique<T>(name);
  T* raw = control.get();
  host.AddDrawn(std::move(control));
  ControlEntry entry;
  entry.name = std::move(name);
  entry.class_name = raw->ClassName();
  entry.drawn = raw;
  entry.target = nullptr;
  return entry;
}

template <class T>
ControlEntry Windowed(std::string name, std::string class_name, QWidget& parent, bool tab_stop) {
  auto* widget = new T(&parent);
  ControlEntry entry;
  entry.name = std::move(name);
  entry.class_name = std::move(class_name);
  entry.widget = widget;
  entry.target = widget;
  entry.tab_stop = tab_stop;
  widget->show();
  return entry;
}

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

}  // namespace

ControlEntry CreateControlKind(std::string_view class_name, std::string name, QWidget& parent, DrawnHost& host,
                               TForm1& form) {
  ControlEntry entry;
  if (class_name == "TLabel") entry = Drawn<TLabel>(std::move(name), host);
  else if (class_name == "TBevel") entry = Drawn<TBevel>(std::move(name), host);
  else if (class_name == "TShape") entry = Drawn<TShape>(std::move(name), host);
  else if (class_name == "TImage") entry = Drawn<ImageControl>(std::move(name), host);
  else if (class_name == "TEdit") entry = Windowed<TEdit>(std::move(name), "TEdit", parent, true);
  else if (class_name == "TButton") entry = Windowed<TButton>(std::move(name), "TButton", parent, true);
  else if (class_name == "TStaticText") entry = Windowed<TStaticText>(std::move(name), "TStaticText", parent, false);
  else if (class_name == "TPanel") entry = Windowed<TPanel>(std::move(name), "TPanel", parent, false);
  else if (class_name == "TVividButton") return CreateVividButton(std::move(name), parent, form);
  else return entry;
  if (entry.drawn != nullptr) entry.target = form.AdoptTarget(std::make_unique<DrawnTarget>(*entry.drawn));
  return entry;
}

bool BindClick(ControlEntry& entry, std::function<void()> handler) {
  if (auto* button = dynamic_cast<TButton*>(entry.widget)) {
    button->SetOnClick(std::move(handler));
    return true;
  }
  if (auto* vivid = dynamic_cast<TVividButton*>(entry.widget)) {
    vivid->OnClick = std::move(handler);
    return true;
  }
  return false;
}

}  // namespace anod
