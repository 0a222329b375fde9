#include "widgets/vivid_themes.h"

namespace anod {
namespace {

constexpr std::string_view kThemeClassNames[kThemeClassCount] = {
    "BUTTON",  "CLOCK",    "COMBOBOX",  "EDIT",   "EXPLORERBAR", "HEADER",  "LISTVIEW",   "MENU",    "PAGE",
    "PROGRESS", "REBAR",   "SCROLLBAR", "SPIN",   "STARTPANEL",  "STATUS",  "TAB",        "TASKBAND", "TASKBAR",
    "TOOLBAR", "TOOLTIP",  "TRACKBAR",  "TRAYNOTIFY", "TREEVIEW", "WINDOW", "GLOBALS"};

}  // namespace

std::string_view ThemeClassName(ThemeClass c) {
  const int i = static_cast<int>(c);
  return i >= 0 && i < kThemeClassCount ? kThemeClassNames[i] : std::string_view();
}

TVividXPThemeManager::~TVividXPThemeManager() { CloseAll(); }

ThemeHandle TVividXPThemeManager::Handle(ThemeClass c, ThemeService* service) {
  if (service == nullptr) return 0;
  if (service_ != service) {
    CloseAll();
    service_ = service;
  }
  ThemeHandle& h = handles_[static_cast<std::size_t>(c)];
  if (h == 0) h = service_->OpenThemeData(ThemeClassName(c));
  return h;
}

void TVividXPThemeManager::CloseAll() {
  for (ThemeHandle& h : handles_) {
    if (h != 0 && service_ != nullptr) service_->CloseThemeData(h);
    h = 0;
  }
}

}  // namespace anod
