#include "ui/form_model.h"

#include <algorithm>

#include "ui/first_placement.h"

namespace anod {

FormModel::FormModel() {
  surface_.SetFailureSink([this](const Exception& failure) { ReportFailure(failure); });
}

const FormControl* FormModel::Find(std::string_view name) const {
  const auto it = by_name_.find(name);
  return it == by_name_.end() ? nullptr : &controls_[it->second];
}

const FormControl* FormModel::FindWindowed(const WindowedControl* control) const {
  if (control == nullptr) return nullptr;
  for (const FormControl& entry : controls_) {
    if (entry.windowed == control) return &entry;
  }
  return nullptr;
}

TLabel* FormModel::Label(std::string_view name) const {
  const FormControl* entry = Find(name);
  return entry != nullptr ? dynamic_cast<TLabel*>(entry->drawn) : nullptr;
}

std::string FormModel::EditText(std::string_view name) const {
  const FormControl* entry = Find(name);
  const auto* edit = entry != nullptr ? dynamic_cast<const EditBoxControl*>(entry->windowed) : nullptr;
  return edit != nullptr ? edit->Text() : std::string();
}

void FormModel::SetEditText(std::string_view name, std::string_view text) {
  const FormControl* entry = Find(name);
  if (auto* edit = entry != nullptr ? dynamic_cast<EditBoxControl*>(entry->windowed) : nullptr) edit->SetText(text);
}

std::string FormModel::LabelCaption(std::string_view name) const {
  const TLabel* label = Label(name);
  return label != nullptr ? label->Caption() : std::string();
}

void FormModel::SetLabelCaption(std::string_view name, std::string caption) {
  if (TLabel* label = Label(name)) {
    label->SetCaption(std::move(caption));
    if (caption_listener_) caption_listener_(name);
  }
}

Size FormModel::ScrollRange() const {
  Size range;
  for (const FormControl& entry : controls_) {
    if (entry.parent != window_.name) continue;
    range.cx = std::max(range.cx, entry.bounds.right);
    range.cy = std::max(range.cy, entry.bounds.bottom);
  }
  return range;
}

std::optional<Rect> FormModel::FirstShow(const Rect& screen, const Rect& available) {
  if (shown_) return std::nullopt;
  shown_ = true;
  const Size outer = window_.outer_size;
  if (!window_.centre_on_show) {
    return Rect::FromBounds(window_.stored_position.x, window_.stored_position.y, outer.cx, outer.cy);
  }
  return FirstPlacement(screen, available, outer);
}

std::vector<const FormControl*> FormModel::TabList() const {
  std::vector<const FormControl*> list;
  for (const FormControl& entry : controls_) {
    if (entry.windowed != nullptr && entry.parent == window_.name) list.push_back(&entry);
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const FormControl* a, const FormControl* b) { return a->tab_order < b->tab_order; });
  return list;
}

namespace {

// Walks `steps` steps through the list from `start` (an index, or -1 / n for
// before the first / after the last), wrapping, and returns the first entry
// `accept` takes.
const FormControl* Walk(const std::vector<const FormControl*>& list, std::ptrdiff_t start, std::ptrdiff_t steps,
                        bool forward, const std::function<bool(const FormControl&)>& accept) {
  const auto n = static_cast<std::ptrdiff_t>(list.size());
  std::ptrdiff_t i = start;
  for (std::ptrdiff_t step = 0; step < steps; ++step) {
    i = ((forward ? i + 1 : i - 1) % n + n) % n;
    const FormControl* entry = list[static_cast<std::size_t>(i)];
    if (accept(*entry)) return entry;
  }
  return nullptr;
}

}  // namespace

const FormControl* FormModel::NextTabStop(const FormControl* from, bool forward, const CanTakeFocus& can) const {
  const std::vector<const FormControl*> list = TabList();
  const auto n = static_cast<std::ptrdiff_t>(list.size());
  const auto found = std::find(list.begin(), list.end(), from);
  const std::ptrdiff_t start = found == list.end() ? (forward ? -1 : n) : found - list.begin();
  // A lone tab stop is its own next one.
  return Walk(list, start, n, forward, [&](const FormControl& c) { return c.tab_stop && can(c); });
}

const FormControl* FormModel::NextInTabOrder(const FormControl& from, bool forward, const CanTakeFocus& can) const {
  const std::vector<const FormControl*> list = TabList();
  const auto found = std::find(list.begin(), list.end(), &from);
  if (found == list.end()) return nullptr;
  return Walk(list, found - list.begin(), static_cast<std::ptrdiff_t>(list.size()) - 1, forward, can);
}

void FormModel::ReportFailure(const Exception& failure) const {
  if (sink_) sink_(failure);
}

void FormModel::Finish(const ScalePlan& plan) {
  const bool font_changed = window_.font.height != plan.window_font_height;
  window_.font.height = plan.window_font_height;
  for (FormControl& entry : controls_) {
    bool changed = plan.Scales();
    auto* panel = entry.As<PanelModel>();
    if (panel != nullptr && panel->parent_font && font_changed) {
      panel->look.font = window_.font;
      changed = true;
    }
    if (plan.Scales()) {
      entry.bounds = ScaleRect(entry.bounds, plan.num, plan.den);
      if (entry.drawn != nullptr) entry.drawn->SetBounds(entry.bounds);
      entry.properties->ScaleFont(plan.num, plan.den);
    }
    if (entry.windowed != nullptr && changed) {
      entry.windowed->SetBounds(entry.bounds);
      entry.windowed->ApplyLook();
    }
  }
}

}  // namespace anod
